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
#include "game/Screens.h"
#include "rules/core/Game.h"
#include "screens/MainMenu.h"
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/bout/GenkiMeter.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"
#include "sim/CareerStore.h"
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

#include <memory>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>

namespace {

// The game's screens, made in main as the game makes them.
std::unique_ptr<Screens>& runningScreens()
{
    static std::unique_ptr<Screens> running;
    return running;
}
Screens& screens() { return *runningScreens(); }

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
        screens().yushoScreen()->setPause([](int) {});
        connect(screens().yushoScreen(), &YushoScreen::announcementShown, this,
                [this] { m_transcript.line({"yusho", caption(screens().yushoScreen()->m_ketteisenAnnounceLabel)}); });
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
            else if (modal == screens().boutScreen())
                stepBout(fresh);
            else if (modal == screens().statIncreaseScreen())
                stepTraining(
                    fresh, "bonus", [](std::size_t r) { return screens().statIncreaseScreen()->m_statButtons[r]; },
                    screens().statIncreaseScreen()->m_doneButton);
            else if (modal == screens().leaderboardScreen())
                stepLeaderboard();
            else if (modal == screens().yushoScreen())
                stepYusho(fresh);
            else if (modal == screens().chankoScreen())
                stepChanko(fresh);
            else if (modal == screens().potentialScreen())
                stepList(fresh, "potential", screens().potentialScreen()->textLabel(), screens().potentialScreen()->okButton());
            else if (modal == screens().ageingScreen())
                stepList(fresh, "age", screens().ageingScreen()->textLabel(), screens().ageingScreen()->okButton());
            else if (modal == screens().newBanzukeScreen())
                stepList(fresh, "banzuke", screens().newBanzukeScreen()->textLabel(), screens().newBanzukeScreen()->okButton());
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
        DayResultsScreen* day = screens().dayResultsScreen();
        if (!day->isVisible()) {
            // After a basho, as at the start: Tournament opens the next day.
            if (!screens().mainMenu()->isVisible())
                fail("no screen of the game is open");
            press(screens().mainMenu()->m_tournamentButton);
        } else if (isOffered(day->m_fightButton)) {
            m_transcript.line({"day", caption(day->m_dayLabel)});
            for (int k = 0; k < 20; ++k)
                writeResultLine(m_transcript, k, caption(day->m_resultLabels[3 * k]),
                                caption(day->m_resultLabels[3 * k + 1]), caption(day->m_resultLabels[3 * k + 2]));
            // Counted in days, or in basho when the last day's bout is played.
            const bool counts = m_options.countDays || caption(day->m_dayLabel) == "15";
            press(day->m_fightButton); // the bout and all that follows it, to the next wait
            if (counts && ++m_played >= m_options.count) {
                m_stopped = true;
                QCoreApplication::exit(0);
            }
        } else if (isOffered(day->m_nextDayButton)) {
            press(day->m_nextDayButton);
        } else if (isOffered(day->m_finishBashoButton)) {
            press(day->m_finishBashoButton); // a basho whose end was cut short, as kirimaki-sim play finishes it
        } else {
            fail("the day results screen offers no day to play: " + caption(day->m_messageLabel));
        }
    }

    void stepBout(bool fresh)
    {
        BoutScreen* s = screens().boutScreen();
        Game& game = gameState();
        if (fresh) {
            m_boutClicks = 0;
            writeSetupLine();
        }
        if (++m_boutClicks > kAutopilotPatience)
            fail("the bout has not ended after " + std::to_string(kAutopilotPatience) + " clicks");
        if (anyOffered(s->tachiaiButtons())) {
            press(s->tachiaiButtons()[static_cast<std::size_t>(m_autopilot.nextTachiai() - 1)]);
            writePlayLines("tachiai");
        } else if (anyOffered(s->exchangeButtons())) {
            press(s->exchangeButtons()[static_cast<std::size_t>(m_autopilot.nextMove() - 1)]);
            writePlayLines("exchange");
            if (s->m_endLabel->isVisible())
                m_transcript.line({"end", caption(s->m_endLabel)});
        } else if (isOffered(s->m_monoiiCloseButton)) {
            press(s->m_monoiiCloseButton);
            m_transcript.line({"end", caption(s->m_endLabel)});
        } else if (isOffered(s->m_monoiiStartButton)) {
            const std::int32_t winsBefore = game.playoffWins;
            press(s->m_monoiiStartButton);
            m_transcript.line({"end", caption(s->m_endLabel)});
            // In a playoff the judges' decision is the result.
            if (s->engine().resultRecorded())
                writeRecordLine(game.playoffWins > winsBefore);
        } else if (isOffered(s->m_monoiiFightButton)) {
            press(s->m_monoiiFightButton);
            writeSetupLine();
        } else if (isOffered(s->m_winButton) || isOffered(s->m_loseButton)) {
            const bool won = isOffered(s->m_winButton);
            press(won ? s->m_winButton : s->m_loseButton);
            writeRecordLine(won);
        } else if (isOffered(s->m_bonusButton)) {
            press(s->m_bonusButton); // the bonus screen, driven by the next steps
        } else if (isOffered(s->m_closeButton)) {
            press(s->m_closeButton);
        } else {
            fail("the bout screen offers no button");
        }
    }

    template <class Buttons>
    static bool anyOffered(const Buttons& buttons)
    {
        return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* b) { return isOffered(b); });
    }

    void writeSetupLine()
    {
        writeSetup(m_transcript, gameState().playerCopy.genki, gameState().opponentCopy.genki);
        checkBars();
    }

    void writePlayLines(const char* event)
    {
        const BoutScreen* s = screens().boutScreen();
        const Game& game = gameState();
        writePlay(m_transcript, event,
                  PlayCaptions{caption(s->m_timeElapsedLabel), caption(s->m_userStrategyLabel),
                               caption(s->m_compStrategyLabel), caption(s->m_userPointsLabel), caption(s->m_compPointsLabel),
                               caption(s->m_outcomeLabel)},
                  game.playerCopy.genki, game.opponentCopy.genki);
        checkBars();
    }

    // The screen shows genki only as bars: the numbers in the transcript are
    // the wrestlers' own, and the bars must agree with them.
    void checkBars() const
    {
        const Game& game = gameState();
        const std::pair<const GenkiMeter*, std::int32_t> bars[] = {
            {screens().boutScreen()->m_userGenkiBar, game.playerCopy.genki}, {screens().boutScreen()->m_compGenkiBar, game.opponentCopy.genki}};
        for (const auto& [bar, genki] : bars) {
            const int shown = bar->level();
            if (shown != genkiBarWidth(genki))
                fail(fromQt(bar->objectName()) + " is " + std::to_string(shown) + " pixels wide for a genki of " +
                     std::to_string(genki));
        }
    }

    // The result as the screen shows it: the keys of the visible result labels.
    void writeRecordLine(bool won)
    {
        std::string names;
        const auto& labels = screens().boutScreen()->resultLabels();
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (labels[i]->isVisible())
                names += (names.empty() ? "" : ",") + std::string(resultLabelName(static_cast<ResultLabel>(i)));
        writeRecord(m_transcript, won, !isPlayoffDay(gameState().curDay), names);
    }

    // The bonus and chanko screens: the first listed ability whose "+" is
    // offered, again and again, then Done.
    void stepTraining(bool fresh, const char* event, const std::function<QPushButton*(std::size_t)>& button,
                      QPushButton* done)
    {
        if (fresh)
            m_trainClicks = 0;
        const int row =
            nextTrainRow(m_autopilot.train(), [&](int r) { return isOffered(button(static_cast<std::size_t>(r))); });
        if (row >= 0 && m_trainClicks++ < kAutopilotPatience) {
            press(button(static_cast<std::size_t>(row)));
            m_transcript.line({event, trainingButtonWord(static_cast<std::size_t>(row))});
        } else {
            press(done);
        }
    }

    void stepChanko(bool fresh)
    {
        if (fresh)
            m_transcript.line({"chanko", caption(screens().chankoScreen()->m_messageLabel)});
        // Never the height or weight buttons: the rows are the twelve abilities.
        stepTraining(
            fresh, "buy", [](std::size_t r) { return screens().chankoScreen()->button(r); }, screens().chankoScreen()->m_doneButton);
    }

    void stepLeaderboard()
    {
        const LeaderboardScreen* s = screens().leaderboardScreen();
        writeLeaderboard(m_transcript, caption(s->m_titleLabel), caption(s->m_leadersLabel),
                         caption(s->m_chasersLabel));
        press(s->m_okButton);
    }

    void stepYusho(bool fresh)
    {
        YushoScreen* s = screens().yushoScreen();
        if (fresh) {
            m_transcript.line({"yusho", caption(s->m_ketteisenAnnounceLabel)});
            if (!isOffered(s->m_beginKetteisenButton))
                m_transcript.line({"junyusho", caption(s->m_junYushoLabel)});
        }
        if (isOffered(s->m_beginKetteisenButton)) {
            press(s->m_beginKetteisenButton); // the whole playoff, the player's bouts driven meanwhile
            m_transcript.line({"junyusho", caption(s->m_junYushoLabel)});
            m_transcript.line({"yusho", caption(s->m_ketteisenAnnounceLabel)});
        } else {
            press(s->m_okButton);
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
    QSet<QObject*> m_opened; // windows shown since the last step
    bool m_playing = false;
    bool m_stopped = false;
    PlayLength m_options;
    std::int64_t m_played = 0; // days or basho, as m_options counts them
    long m_boutClicks = 0;
    long m_trainClicks = 0;
};

// bout: the bout screen opened directly on the two wrestlers, as
// kirimaki-sim bout fights them and keeps the result.
void fightBout(const BoutOptions& options, ScreenPilot& pilot, Transcript& transcript)
{
    Game& game = gameState();
    loadOrFail(game);
    startBout(game, options);
    // Without --write the file is not touched, not even by the bout
    // screen's own save on Close.
    const std::string savePath = game.savePath;
    QTemporaryDir scratch;
    if (!options.write)
        game.savePath = fromQt(scratch.filePath(QStringLiteral("rikishi.r")));

    pilot.driveModalScreens();
    screens().boutScreen()->fight(game);
    pilot.stop();
    game.savePath = savePath;
    keepBout(game, options, transcript);
}

int run(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command != "play" && command != "bout")
        throw UsageError("usage: kirimaki-pilot play|bout [the options of kirimaki-sim play or bout]");
    const std::vector<std::string> rest(argv + 2, argv + argc);
    const bool play = command == "play";
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
    if (play) {
        // The career must be playable before any window opens, as kirimaki-sim
        // play refuses it: a message, exit status 1, the file untouched.
        Game scratch;
        scratch.savePath = game.savePath;
        SaveFileStore file;
        loadPlayableCareer(scratch, file);
    }
    Transcript transcript;
    transcript.open(args.text("--transcript", ""));

    KirimakiApplication app(argc, argv);
    runningScreens() = std::make_unique<Screens>(gameState());
    screens().mainMenu()->show();
    ScreenPilot pilot(autopilot, transcript);
    if (play)
        pilot.playDays(playOptions);
    else
        QTimer::singleShot(0, &app, [&] {
            try {
                fightBout(boutOptions, pilot, transcript);
            } catch (const std::exception& e) {
                fail(e.what());
            }
            QCoreApplication::exit(0);
        });
    const int status = app.exec();
    runningScreens().reset(); // before the application goes
    transcript.close();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kirimaki-pilot: %s\n", e.what());
        return dynamic_cast<const UsageError*>(&e) ? 2 : 1;
    }
}
