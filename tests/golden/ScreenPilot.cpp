// kirimaki-pilot: replays a kirimaki-sim play or bout command through the
// game's own screens, on whatever Qt platform is set (offscreen by default).
// The game starts as it always does, with KIRIMAKI_SEED set from --seed; the
// pilot then presses the buttons a player would press, taking its choices
// from the same --tachiai, --moves and --train lists as the headless
// autopilot, and writes the transcript from the captions the screens show.
// Its transcript and save file must equal kirimaki-sim's.
//
//   kirimaki-pilot play|bout [the options of kirimaki-sim play or bout]
#include "game/Application.h"
#include "game/GameState.h"
#include "game/Startup.h"
#include "rules/bashoend/Chanko.h"
#include "rules/core/Game.h"
#include "rules/core/StatRows.h"
#include "rules/tournament/CareerCheck.h"
#include "screens/MainMenu.h"
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "sim/Commands.h"
#include "sim/Session.h"
#include "sim/TrainPilot.h"
#include "sim/Transcript.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

// The pilot stops at the first thing a player would not expect (an error
// box, a screen with nothing to press): with modal screens nested several
// deep there is no clean way back, and the partial output is kept for study.
[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "kirimaki-pilot: %s\n", why.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

std::string caption(const QLabel* label)
{
    return fromQt(label->text());
}

void press(QPushButton* button)
{
    if (!isOffered(button))
        fail("the button " + fromQt(button->objectName()) + " is not offered");
    button->click();
}

// Every text of a window the pilot did not expect, for the failure message.
std::string describe(const QWidget* window)
{
    std::string text = fromQt(window->windowTitle());
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (!l->text().isEmpty())
            text += " | " + fromQt(l->text());
    return text;
}

class ScreenPilot : public QObject {
public:
    ScreenPilot(Autopilot& autopilot, Transcript& transcript) : m_autopilot(autopilot), m_transcript(transcript)
    {
        qApp->installEventFilter(this);
        // The playoff's pauses are not waited for; each result the game
        // decides is written while the screen shows it.
        yushoScreen->pauseFor = [](int) {};
        connect(yushoScreen, &YushoScreen::announcementShown, this,
                [this] { m_transcript.line({"yusho", caption(yushoScreen->KetteisenAnnounceLabel)}); });
    }

    // Plays days from the main menu's Tournament button until the target is
    // reached, then ends the event loop.
    void playDays(const PlayLength& options)
    {
        m_playing = true;
        m_options = options;
        schedule();
    }

    // Drives whatever modal screen is up until the caller's own code is done.
    void driveModalScreens() { schedule(); }
    void stop() { m_stopped = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A window being opened: its opening lines are written at the next step.
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            m_opened.insert(watched);
        return false;
    }

private:
    // One action per turn of the event loop. A click that opens a modal
    // screen returns only when that screen has closed; the next step, queued
    // before the click, runs inside the screen's own loop and drives it.
    void schedule()
    {
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void step()
    {
        if (m_stopped)
            return;
        schedule();
        try {
            QWidget* modal = QApplication::activeModalWidget();
            const bool fresh = modal && m_opened.remove(modal);
            if (!modal)
                stepDay();
            else if (modal == boutScreen)
                stepBout(fresh);
            else if (modal == statIncreaseScreen)
                stepBonus();
            else if (modal == leaderboardScreen)
                stepLeaderboard();
            else if (modal == yushoScreen)
                stepYusho(fresh);
            else if (modal == chankoScreen)
                stepChanko(fresh);
            else if (modal == potentialScreen)
                stepList(fresh, "potential", potentialScreen->RikishiPotentialLabel, potentialScreen->m_okButton);
            else if (modal == ageingScreen)
                stepList(fresh, "age", ageingScreen->RikishiAgeLabel, ageingScreen->m_okButton);
            else if (modal == newBanzukeScreen)
                stepList(fresh, "banzuke", newBanzukeScreen->PromotionDemotionLabel, newBanzukeScreen->m_okButton);
            else
                fail("an unexpected window is open: " + describe(modal));
        } catch (const std::exception& e) {
            fail(e.what());
        }
    }

    // The day results screen and the main menu, between the modal screens.
    void stepDay()
    {
        if (!m_playing)
            return;
        DayResultsScreen* day = dayResultsScreen;
        if (day->isVisible() && isOffered(day->GoToFight)) {
            m_transcript.line({"day", caption(day->DayLabel)});
            for (int k = 0; k < 20; ++k)
                writeResultLine(m_transcript, k, caption(day->m_resultLabels[3 * k]),
                                caption(day->m_resultLabels[3 * k + 1]), caption(day->m_resultLabels[3 * k + 2]));
            const bool lastDay = caption(day->DayLabel) == "15";
            press(day->GoToFight);   // the bout and all that follows it, to the next wait
            ++m_days;
            if (lastDay)
                ++m_basho;
            if ((m_options.countDays ? m_days : m_basho) >= m_options.count) {
                m_stopped = true;
                QCoreApplication::exit(0);
            }
        } else if (day->isVisible() && isOffered(day->NextDayButton)) {
            press(day->NextDayButton);
        } else if (day->isVisible()) {
            fail("the day results screen offers no day to play: " + caption(day->MessageLabel));
        } else if (mainMenu->isVisible()) {
            // After a basho, as at the start: Tournament opens the next day.
            press(mainMenu->m_tournamentButton);
        } else {
            fail("no screen of the game is open");
        }
    }

    void stepBout(bool fresh)
    {
        BoutScreen* s = boutScreen;
        Game& game = gameState();
        if (fresh) {
            m_boutClicks = 0;
            writeSetup(m_transcript, game.playerCopy.genki, game.opponentCopy.genki);
            checkBars();
        }
        if (++m_boutClicks > kAutopilotPatience)
            fail("the bout has not ended after " + std::to_string(kAutopilotPatience) + " clicks");
        const std::array<QPushButton*, 4> tachiai{s->m_jumpButton, s->m_receiveButton, s->m_tachiaiTsuppariButton,
                                                s->m_henkaButton};
        const std::array<QPushButton*, 6> moves{s->m_oshiButton,     s->m_yotsuButton,      s->m_tsuppariButton,
                                                s->m_tenageButton,   s->m_hatakikomiButton, s->m_defenseButton};
        if (anyOffered(tachiai)) {
            press(tachiai[static_cast<std::size_t>(m_autopilot.nextTachiai() - 1)]);
            writePlayLines("tachiai");
        } else if (anyOffered(moves)) {
            press(moves[static_cast<std::size_t>(m_autopilot.nextMove() - 1)]);
            writePlayLines("exchange");
            if (s->EndLabel->isVisible())
                m_transcript.line({"end", caption(s->EndLabel)});
        } else if (isOffered(s->MonoiiClose)) {
            press(s->MonoiiClose);
            m_transcript.line({"end", caption(s->EndLabel)});
        } else if (isOffered(s->MonoiiStart)) {
            const std::int32_t winsBefore = game.playoffWins;
            press(s->MonoiiStart);
            m_transcript.line({"end", caption(s->EndLabel)});
            // In a playoff the judges' decision is the result.
            if (s->engine().resultRecorded())
                writeRecord(m_transcript, game.playoffWins > winsBefore, !isPlayoffDay(game.curDay),
                            visibleResultLabels());
        } else if (isOffered(s->MonoiiFight)) {
            press(s->MonoiiFight);
            writeSetup(m_transcript, game.playerCopy.genki, game.opponentCopy.genki);
            checkBars();
        } else if (isOffered(s->WinButton)) {
            press(s->WinButton);
            writeRecord(m_transcript, true, !isPlayoffDay(game.curDay), visibleResultLabels());
        } else if (isOffered(s->LoseButton)) {
            press(s->LoseButton);
            writeRecord(m_transcript, false, !isPlayoffDay(game.curDay), visibleResultLabels());
        } else if (isOffered(s->BonusButton)) {
            m_trainClicks = 0;
            press(s->BonusButton);   // the bonus screen, driven by the next steps
        } else if (isOffered(s->CloseButton)) {
            press(s->CloseButton);
        } else {
            fail("the bout screen offers no button");
        }
    }

    template <std::size_t N>
    static bool anyOffered(const std::array<QPushButton*, N>& buttons)
    {
        for (const QPushButton* b : buttons)
            if (isOffered(b))
                return true;
        return false;
    }

    void writePlayLines(const char* event)
    {
        const BoutScreen* s = boutScreen;
        const Game& game = gameState();
        writePlay(m_transcript, event,
                  PlayCaptions{caption(s->TimeElapsedLabel), caption(s->UserStrategyLabel),
                               caption(s->CompStrategyLabel), caption(s->UserPoints), caption(s->CompPoints),
                               caption(s->Outcome)},
                  game.playerCopy.genki, game.opponentCopy.genki);
        checkBars();
    }

    // The screen shows genki only as bars: the numbers in the transcript are
    // the wrestlers' own, and the bars must agree with them.
    void checkBars() const
    {
        const Game& game = gameState();
        const std::pair<const QFrame*, std::int32_t> bars[] = {
            {boutScreen->UserGenkiBar, game.playerCopy.genki}, {boutScreen->CompGenkiBar, game.opponentCopy.genki}};
        for (const auto& [bar, genki] : bars) {
            const int shown = bar->isVisible() ? bar->width() : 0;
            if (shown != genkiBarWidth(genki))
                fail(fromQt(bar->objectName()) + " is " + std::to_string(shown) + " pixels wide for a genki of " +
                     std::to_string(genki));
        }
    }

    std::string visibleResultLabels() const
    {
        const BoutScreen* s = boutScreen;
        const std::array<const QLabel*, kResultLabelCount> labels{
            s->KachiKoshiLabel, s->LastDayLabel, s->MakeKoshiLabel, s->DrainLabel, s->PotentialLabel,
            s->UpsetPotentialLabel, s->YaochoLabel, s->SappedLabel, s->BonusLabel, s->UpsetBonusLabel};
        std::string names;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (!labels[i]->isVisible())
                continue;
            if (!names.empty())
                names += ',';
            names += resultLabelName(static_cast<ResultLabel>(i));
        }
        return names;
    }

    // The first listed ability whose "+" is offered, again and again, then Done.
    void stepBonus()
    {
        StatIncreaseScreen* s = statIncreaseScreen;
        const int row = nextTrainRow(m_autopilot.train(),
                                     [s](int r) { return isOffered(s->buttons[static_cast<std::size_t>(r)]); });
        if (row >= 0 && m_trainClicks++ < kAutopilotPatience) {
            press(s->buttons[static_cast<std::size_t>(row)]);
            m_transcript.line({"bonus", trainingButtonWord(static_cast<std::size_t>(row))});
        } else {
            press(s->DoneButton);
        }
    }

    void stepChanko(bool fresh)
    {
        ChankoScreen* s = chankoScreen;
        if (fresh) {
            m_trainClicks = 0;
            m_transcript.line({"chanko", caption(s->ChankoMessage)});
        }
        // Never the height or weight buttons.
        const int row = nextTrainRow(m_autopilot.train(),
                                     [s](int r) { return isOffered(s->button(static_cast<std::size_t>(r))); });
        if (row >= 0 && m_trainClicks++ < kAutopilotPatience) {
            press(s->button(static_cast<std::size_t>(row)));
            m_transcript.line({"buy", trainingButtonWord(static_cast<std::size_t>(row))});
        } else {
            press(s->DoneButton);
        }
    }

    void stepLeaderboard()
    {
        const LeaderboardScreen* s = leaderboardScreen;
        writeLeaderboard(m_transcript, caption(s->m_titleLabel), caption(s->m_leadersLabel),
                         caption(s->m_chasersLabel));
        press(s->OKButton);
    }

    void stepYusho(bool fresh)
    {
        YushoScreen* s = yushoScreen;
        if (fresh) {
            m_transcript.line({"yusho", caption(s->KetteisenAnnounceLabel)});
            if (!isOffered(s->BeginKetteisenButton))
                m_transcript.line({"junyusho", caption(s->JunYushoWinners)});
        }
        if (isOffered(s->BeginKetteisenButton)) {
            press(s->BeginKetteisenButton);   // the whole playoff, the player's bouts driven meanwhile
            m_transcript.line({"junyusho", caption(s->JunYushoWinners)});
            m_transcript.line({"yusho", caption(s->KetteisenAnnounceLabel)});
        } else {
            press(s->OKButton);
        }
    }

    // The potential, ageing and new-banzuke screens: a list, then OK.
    void stepList(bool fresh, const char* event, const QLabel* list, QPushButton* ok)
    {
        if (fresh)
            m_transcript.line({event, caption(list)});
        press(ok);
    }

    Autopilot& m_autopilot;
    Transcript& m_transcript;
    QSet<QObject*> m_opened;   // windows shown since the last step
    bool m_playing = false;
    bool m_stopped = false;
    PlayLength m_options;
    std::int64_t m_days = 0;
    std::int64_t m_basho = 0;
    long m_boutClicks = 0;
    long m_trainClicks = 0;
};

// The save file must hold a career to play before any window opens, as
// kirimaki-sim play refuses it: a message, exit status 1, the file untouched.
void checkCareer(const Game& game)
{
    Roster roster{};
    if (loadRoster(roster, game.savePath) != LoadResult::Loaded)
        throw FileError("cannot open the save file " + game.savePath + " for reading");
    const std::string problem = careerProblem(roster);
    if (!problem.empty())
        throw FileError(game.savePath + ": " + problem + " Nothing was played.");
}

// bout: the bout screen opened directly on the two wrestlers, as
// kirimaki-sim bout fights them; --write takes the copies back and saves.
void fightBout(const BoutOptions& options, ScreenPilot& pilot, Transcript& transcript)
{
    Game& game = gameState();
    if (game.load() != LoadResult::Loaded)
        throw FileError("cannot open the save file " + game.savePath + " for reading");
    game.curDay = options.dayGiven ? options.day : game.roster[0].day;
    if (game.curDay < 1 || game.curDay > 16)
        throw std::runtime_error("the save file's day is " + std::to_string(game.curDay) +
                                 ", not 1 to 16; give the bout's day with --day");
    game.playerCopy = game.roster[options.player];
    game.opponentCopy = game.roster[options.opponent];
    game.playoffWins = 0;
    game.playoffLosses = 0;
    // Without --write the file is not touched, not even by the bout
    // screen's own save on Close.
    const std::string savePath = game.savePath;
    QTemporaryDir scratch;
    if (!options.write)
        game.savePath = fromQt(scratch.filePath(QStringLiteral("rikishi.r")));

    pilot.driveModalScreens();
    boutScreen->fight(game);
    pilot.stop();
    if (isPlayoffDay(game.curDay))
        transcript.line({"playoff", num(game.playoffWins), num(game.playoffLosses)});
    game.savePath = savePath;
    if (options.write) {
        game.roster[options.player] = game.playerCopy;
        game.roster[options.opponent] = game.opponentCopy;
        saveOrFail(game);
    }
}

int run(int argc, char** argv)
{
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty() || (all[0] != "play" && all[0] != "bout"))
        throw UsageError("usage: kirimaki-pilot play|bout [the options of kirimaki-sim play or bout]");
    const std::vector<std::string> rest(all.begin() + 1, all.end());
    const bool play = all[0] == "play";
    PlayLength playOptions;
    BoutOptions boutOptions;
    const Args args = play ? playArgs(rest, playOptions) : boutArgs(rest, boutOptions);
    Autopilot autopilot = autopilotFrom(args);
    // The game takes the seed as any replay gives it; without --seed it
    // seeds itself from the clock.
    if (args.has("--seed"))
        qputenv("KIRIMAKI_SEED", QByteArray::number(static_cast<qint64>(args.number("--seed", 0, 4294967295LL, 0))));
    else
        qunsetenv("KIRIMAKI_SEED");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Game& game = gameState();
    useSaveFile(args, game);
    if (play)
        checkCareer(game);
    Transcript transcript;
    transcript.open(args.text("--transcript", ""));

    KirimakiApplication app(argc, argv);
    createScreens();
    mainMenu->show();
    ScreenPilot pilot(autopilot, transcript);
    int status = 0;
    if (play) {
        pilot.playDays(playOptions);
        status = app.exec();
    } else {
        QTimer::singleShot(0, &app, [&] {
            try {
                fightBout(boutOptions, pilot, transcript);
            } catch (const std::exception& e) {
                fail(e.what());
            }
            QCoreApplication::exit(0);
        });
        status = app.exec();
    }
    transcript.close();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kirimaki-pilot: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kirimaki-pilot: %s\n", e.what());
        return 1;
    }
}
