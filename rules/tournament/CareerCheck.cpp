// The checks that keep a damaged or interrupted career from reading outside the schedule.
#include "rules/tournament/CareerCheck.h"

#include "rules/tournament/Torikumi.h"

CareerState careerState(const Roster& roster)
{
    const int players = countPlayers(roster);
    if (players == 0)
        return CareerState::NoPlayer;
    if (players > 1)
        return CareerState::SeveralPlayers;
    const std::int32_t day = roster[0].day;
    if (day == kScheduleDays + 1)
        return CareerState::BashoUnfinished;
    if (!isScheduledDay(day))
        return CareerState::NotATournamentDay;
    return CareerState::Playable;
}

std::string careerProblem(const Roster& roster)
{
    switch (careerState(roster)) {
    case CareerState::Playable:
        return std::string();
    case CareerState::NoPlayer:
        return "The saved career has no wrestler of yours: none of its 40 wrestlers is marked as the player's.";
    case CareerState::SeveralPlayers:
        return "The saved career is damaged: " + std::to_string(countPlayers(roster)) +
               " of its wrestlers are marked as yours, where there must be exactly one.";
    case CareerState::BashoUnfinished:
        return "The last basho was not finished: the game ended before the new banzuke was drawn up.";
    case CareerState::NotATournamentDay:
        return "The save file is not at a tournament day: it holds day " + std::to_string(roster[0].day) +
               ", where a basho runs from day 1 to day 15.";
    }
    return std::string();
}

DaySheet problemSheet(const Roster& roster)
{
    DaySheet sheet;
    sheet.day = roster[0].day;
    if (careerState(roster) == CareerState::BashoUnfinished) {
        sheet.kind = DaySheetKind::Unfinished;
        sheet.message = careerProblem(roster) +
                        "\n\nFinish the basho to draw up the new banzuke; the next basho then begins.";
    } else {
        sheet.kind = DaySheetKind::NotPlayable;
        sheet.message = careerProblem(roster) +
                        "\n\nNothing has been changed. Go back to the main menu to create a new career.";
    }
    return sheet;
}
