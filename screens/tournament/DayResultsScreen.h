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

    // Collaborators the start-up wires in: how the player's bout is fought,
    // the end-of-basho screens, and the two screens this one hands over to.
    void setPlayerBout(PlayerBout* bout);
    void setBashoEndScreens(BashoEndScreens* screens);
    std::function<void()> showMainMenu;   // makes the main menu visible
    std::function<void()> showBanzuke;    // shows the banzuke view

    // Loads the career and readies its day, as at start-up; a missing file
    // is reported and closes the screen.
    void beginBasho();

    // The main menu's Tournament button: show, raise, and run the day step.
    void openFromMainMenu();

    QLabel* m_dayCaptionLabel = nullptr;
    QLabel* DayLabel = nullptr;
    QLabel* m_resultsCaptionLabel = nullptr;
    std::array<QLabel*, 60> m_resultLabels{};   // line1First, line1Middle, line1Second ... line20Second
    QFrame* m_columnDivider = nullptr;
    QPushButton* GoToFight = nullptr;
    QPushButton* MainMenuButton = nullptr;
    QPushButton* NextDayButton = nullptr;
    QPushButton* ShowBanzukeButton = nullptr;
    // Shown instead of the lines when the saved career has no day to play.
    QLabel* MessageLabel = nullptr;
    QPushButton* FinishBashoButton = nullptr;

public slots:
    void runDay();   // the day step
    void fightPlayersBout();
    void backToMainMenu();
    void nextDay();
    void viewBanzukeFromDay();
    void finishBasho();

signals:
    // The day flow opens the leaderboard on `game` modally; returns when it has closed.
    void leaderboardWanted(Game& game);

private:
    class Host;
    void runDayStep();
    void showSheet(const DaySheet& sheet);
    void showDayDone();
    void showDayNotSaved(std::int32_t day);
    void afterFlow(BoutOutcome outcome);
    void handOver(const QPushButton* button, const std::function<void()>& showNext);

    PlayerBout* m_playerBout = nullptr;
    BashoEndScreens* m_bashoEnd = nullptr;
    std::unique_ptr<Host> m_host;
    std::optional<DaySheet> m_saved;    // the last day whose results the file holds
    std::optional<OneSaveReport> m_oneReport;  // from the bout to the day's save
    ReturnWatcher* m_returns = nullptr;  // the player coming back from another window
    bool m_busy = false;             // a handler of this screen (or the basho's end) runs
    bool m_closePending = false;     // a failed load is closing the screen
};
