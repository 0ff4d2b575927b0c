// The one owner of the game's screens: makes them, wires them, keeps them.
#pragma once

#include "screens/bashoend/BashoEndDialogs.h"
#include "screens/bout/ScreenPlayerBout.h"

#include <QPointer>

#include <memory>

class AboutBox;
class AgeingScreen;
class BanzukeScreen;
class BoutScreen;
class ChankoScreen;
class CreationScreen;
class DayResultsScreen;
class ErrorBox;
class LeaderboardScreen;
class MainMenu;
class NewBanzukeScreen;
class PotentialScreen;
class RikishiViewer;
class StatIncreaseScreen;
class YushoScreen;
class HistoryRecorder;
class HistoryScreen;
class BuildLab;
struct CreationValues;
struct Game;

// Made by main after the Game. Creates the screens in the start-up order
// (main menu, creation form, about box, error box, viewer, banzuke view, day
// results, bout, stat increase, chanko, potential, ageing, yusho, new
// banzuke, leaderboard), each owned here for as long as this lives, and
// makes the start-up's steps right after the screen they belong to: the
// generator is seeded after the main menu, the viewer and the day results
// load the career after they are made (each reports a missing file). No
// screen reaches another: what one asks for (the bout, its bonus, the
// leaderboard, a wrestler of the banzuke, the main menu) is connected here.
// Before any screen it opens the career's history, which records every load
// and save of the game from then on, as kirimaki-sim's play does; the
// start-up has taken the career's lock by then.
class Screens {
public:
    explicit Screens(Game& game);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    // The screens, for the front-end, the tests and the tools that drive them.
    MainMenu* mainMenu() const { return m_mainMenu.get(); }
    AboutBox* aboutBox() const { return m_aboutBox.get(); }
    HistoryScreen* historyScreen() const { return m_historyScreen.get(); }
    BuildLab* buildLab() const { return m_buildLab.get(); }
    ErrorBox* errorBox() const { return m_errorBox.get(); }
    RikishiViewer* rikishiViewer() const { return m_rikishiViewer.get(); }
    BanzukeScreen* banzukeScreen() const { return m_banzukeScreen.get(); }
    DayResultsScreen* dayResultsScreen() const { return m_dayResultsScreen.get(); }
    BoutScreen* boutScreen() const { return m_boutScreen.get(); }
    StatIncreaseScreen* statIncreaseScreen() const { return m_statIncreaseScreen.get(); }
    ChankoScreen* chankoScreen() const { return m_chankoScreen.get(); }
    PotentialScreen* potentialScreen() const { return m_potentialScreen.get(); }
    AgeingScreen* ageingScreen() const { return m_ageingScreen.get(); }
    YushoScreen* yushoScreen() const { return m_yushoScreen.get(); }
    NewBanzukeScreen* newBanzukeScreen() const { return m_newBanzukeScreen.get(); }
    LeaderboardScreen* leaderboardScreen() const { return m_leaderboardScreen.get(); }

private:
    void createShell();
    void createTournamentScreens();
    void createBashoEndScreens();
    void wireMainMenu();
    void wireTournament();
    // A new creation form for each press of Create Rikishi, released when it
    // closes; with a build, its bars are first moved to it.
    void openCreationForm(const CreationValues* build = nullptr);
    // "Use This Build": onto the creation form open, or a new one.
    void useBuild(const CreationValues& values);

    Game* m_game = nullptr; // never null
    std::unique_ptr<HistoryRecorder> m_history; // the first to come, the last to go
    // Declared in the order of creation, so that they go in the reverse order.
    std::unique_ptr<MainMenu> m_mainMenu;
    std::unique_ptr<CreationScreen> m_firstCreationForm;
    std::unique_ptr<AboutBox> m_aboutBox;
    std::unique_ptr<ErrorBox> m_errorBox;
    std::unique_ptr<RikishiViewer> m_rikishiViewer;
    std::unique_ptr<HistoryScreen> m_historyScreen;
    std::unique_ptr<BuildLab> m_buildLab;
    std::unique_ptr<BanzukeScreen> m_banzukeScreen;
    std::unique_ptr<DayResultsScreen> m_dayResultsScreen;
    std::unique_ptr<BoutScreen> m_boutScreen;
    std::unique_ptr<StatIncreaseScreen> m_statIncreaseScreen;
    std::unique_ptr<ChankoScreen> m_chankoScreen;
    std::unique_ptr<PotentialScreen> m_potentialScreen;
    std::unique_ptr<AgeingScreen> m_ageingScreen;
    std::unique_ptr<YushoScreen> m_yushoScreen;
    std::unique_ptr<NewBanzukeScreen> m_newBanzukeScreen;
    std::unique_ptr<LeaderboardScreen> m_leaderboardScreen;
    std::unique_ptr<ScreenPlayerBout> m_playerBout;
    std::unique_ptr<BashoEndDialogs> m_bashoEnd;
    QPointer<CreationScreen> m_openCreationForm;
};
