// DayResultsScreen, the day results screen: the hub of a tournament day.
#pragma once

#include "rules/tournament/DaySheet.h"
#include "screens/ScreenDialog.h"
#include "screens/SaveReport.h"

#include <array>
#include <optional>
#include <functional>
#include <memory>

class BashoEndScreens;
class PlayerBout;
class QFrame;
class QLabel;
class QPushButton;
struct Game;
class ReturnWatcher;
enum class BoutOutcome;

class DayResultsScreen : public ScreenDialog {
    Q_OBJECT
public:
    explicit DayResultsScreen(Game& game, QWidget* parent = nullptr);
    ~DayResultsScreen() override;

    // Collaborators the owner wires in: how the player's bout is fought and
    // the end-of-basho screens.
    void setPlayerBout(PlayerBout* bout);
    void setBashoEndScreens(BashoEndScreens* screens);

    // Loads the career and readies its day, as at start-up; a missing file
    // is reported and closes the screen.
    void beginBasho();

    // The main menu's Tournament button: show, raise, and run the day step.
    void openFromMainMenu();

    QLabel* m_dayCaptionLabel = nullptr;
    QLabel* m_dayLabel = nullptr;
    QLabel* m_resultsCaptionLabel = nullptr;
    std::array<QLabel*, 60> m_resultLabels{}; // line1First, line1Middle, line1Second ... line20Second
    QFrame* m_columnDivider = nullptr;
    QPushButton* m_fightButton = nullptr;
    // The player's "VS." under the Fight button: hidden while the button
    // covers it, so a screen reader does not read what nobody can see.
    QLabel* m_coveredVerb = nullptr;
    void uncoverVerb();
    QPushButton* m_mainMenuButton = nullptr;
    QPushButton* m_nextDayButton = nullptr;
    QPushButton* m_showBanzukeButton = nullptr;
    // Shown instead of the lines when the saved career has no day to play.
    QLabel* m_messageLabel = nullptr;
    QPushButton* m_finishBashoButton = nullptr;

public slots:
    void runDay(); // the day step
    void fightPlayersBout();
    void backToMainMenu();
    void nextDay();
    void viewBanzukeFromDay();
    void finishBasho();

signals:
    // The day flow opens the leaderboard on `game` modally; returns when it has closed.
    void leaderboardWanted(Game& game);
    // The two screens this one hands over to: made visible before it closes.
    void mainMenuWanted();
    void banzukeWanted();

private:
    class Host;
    // The parts of construction: the title row above the lines, and the
    // buttons' and the watcher's connections.
    void buildTitleRow(int width);
    void connectButtons();
    void runDayStep();
    void showSheet(const DaySheet& sheet);
    void showDayDone();
    void showDayNotSaved(std::int32_t day);
    void afterFlow(BoutOutcome outcome);
    void handOver(const QPushButton* button, void (DayResultsScreen::*wanted)());

    PlayerBout* m_playerBout = nullptr;
    BashoEndScreens* m_bashoEnd = nullptr;
    std::unique_ptr<Host> m_host;
    std::optional<DaySheet> m_saved; // the last day whose results the file holds
    std::optional<OneSaveReport> m_oneReport; // from the bout to the day's save
    ReturnWatcher* m_returns = nullptr; // the player coming back from another window
    bool m_busy = false; // a handler of this screen (or the basho's end) runs
    bool m_closePending = false; // a failed load is closing the screen
};
