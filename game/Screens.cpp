// The start-up order of the screens and the connections between them.
#include "game/Screens.h"

#include "game/StartingSeed.h"
#include "history/HistoryRecorder.h"
#include "rules/core/Game.h"
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "screens/Accessibility.h"
#include "screens/SaveReport.h"
#include "screens/WindowPlacement.h"
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/career/CreationScreen.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "screens/history/HistoryScreen.h"
#include "screens/lab/BuildLab.h"

#include <QTimer>

#include <string>

Screens::Screens(Game& game) : m_game(&game)
{
    m_history = std::make_unique<HistoryRecorder>(game.savePath, [this](const std::string& message) {
        reportHistoryNotice(m_mainMenu.get(), message);
    });
    game.witness = m_history.get();
    createShell();
    createTournamentScreens();
    createBashoEndScreens();
    wireMainMenu();
    wireTournament();
}

Screens::~Screens()
{
    // The error box goes before the screens that could still report to it.
    setFileErrorReporter(nullptr);
    m_game->witness = nullptr;
}

void Screens::createShell()
{
    m_mainMenu = std::make_unique<MainMenu>(*m_game);
    seedFromStart(*m_game);
    QWidget* const main = m_mainMenu.get();
    // The start-up instance of the creation form is never shown: each press
    // of Create Rikishi makes its own. Its creation still sets up the pools.
    m_firstCreationForm = std::make_unique<CreationScreen>(*m_game, main);
    m_firstCreationForm->hide();
    m_aboutBox = std::make_unique<AboutBox>(main);
    m_errorBox = std::make_unique<ErrorBox>(main);
    ErrorBox* const box = m_errorBox.get();
    setFileErrorReporter([box](QWidget*, const std::string& savePath) { box->showFor(savePath); });
}

void Screens::createTournamentScreens()
{
    QWidget* const main = m_mainMenu.get();
    m_rikishiViewer = std::make_unique<RikishiViewer>(*m_game, main);
    // The viewer fills itself once when the game starts, which is when a
    // missing save file is first reported.
    m_rikishiViewer->showViewedRikishi();
    m_historyScreen = std::make_unique<HistoryScreen>(*m_game, main);
    m_buildLab = std::make_unique<BuildLab>(*m_game, main);
    m_banzukeScreen = std::make_unique<BanzukeScreen>(*m_game, main);
    m_dayResultsScreen = std::make_unique<DayResultsScreen>(*m_game, main);
    seedFromStart(*m_game);
    m_dayResultsScreen->beginBasho();
    m_boutScreen = std::make_unique<BoutScreen>(*m_game, main);
    m_statIncreaseScreen = std::make_unique<StatIncreaseScreen>(*m_game, main);
}

void Screens::createBashoEndScreens()
{
    QWidget* const main = m_mainMenu.get();
    m_chankoScreen = std::make_unique<ChankoScreen>(*m_game, main);
    m_potentialScreen = std::make_unique<PotentialScreen>(*m_game, main);
    m_ageingScreen = std::make_unique<AgeingScreen>(*m_game, main);
    m_yushoScreen = std::make_unique<YushoScreen>(*m_game, main);
    m_newBanzukeScreen = std::make_unique<NewBanzukeScreen>(*m_game, main);
    // The leaderboard opens over the day results and belongs to them: the
    // window manager gives the focus back to a closed box's owner, and the
    // main menu behind would take the player's next key.
    m_leaderboardScreen = std::make_unique<LeaderboardScreen>(*m_game, m_dayResultsScreen.get());
    m_playerBout = std::make_unique<ScreenPlayerBout>(*m_boutScreen);
    m_bashoEnd = std::make_unique<BashoEndDialogs>(BashoEndScreenSet{
        m_yushoScreen.get(), m_chankoScreen.get(), m_potentialScreen.get(), m_ageingScreen.get(),
        m_newBanzukeScreen.get()});
}

void Screens::wireMainMenu()
{
    MainMenu* const menu = m_mainMenu.get();
    QObject::connect(menu, &MainMenu::tournamentWanted, m_dayResultsScreen.get(), &DayResultsScreen::openFromMainMenu);
    QObject::connect(menu, &MainMenu::banzukeWanted, m_banzukeScreen.get(), [this] { bringUp(m_banzukeScreen.get()); });
    QObject::connect(menu, &MainMenu::aboutWanted, m_aboutBox.get(), [this] { m_aboutBox->exec(); });
    QObject::connect(menu, &MainMenu::creationWanted, menu, [this] { openCreationForm(); });
    QObject::connect(menu, &MainMenu::viewerWanted, m_rikishiViewer.get(), [this] { bringUp(m_rikishiViewer.get()); });
    QObject::connect(menu, &MainMenu::historyWanted, m_historyScreen.get(), [this] { m_historyScreen->showFor({}); });
    QObject::connect(m_rikishiViewer.get(), &RikishiViewer::historyWanted, m_historyScreen.get(), &HistoryScreen::showFor);
    QObject::connect(menu, &MainMenu::buildLabWanted, m_buildLab.get(), [this] { m_buildLab->openOver(m_mainMenu.get(), nullptr); });
    QObject::connect(m_buildLab.get(), &BuildLab::buildChosen, menu, [this](const CreationValues& v) { useBuild(v); });
}

void Screens::wireTournament()
{
    DayResultsScreen* const day = m_dayResultsScreen.get();
    day->setPlayerBout(m_playerBout.get());
    day->setBashoEndScreens(m_bashoEnd.get());
    QObject::connect(day, &DayResultsScreen::mainMenuWanted, m_mainMenu.get(), [this] { bringUp(m_mainMenu.get()); });
    QObject::connect(day, &DayResultsScreen::banzukeWanted, m_banzukeScreen.get(), [this] { bringUp(m_banzukeScreen.get()); });
    QObject::connect(day, &DayResultsScreen::leaderboardWanted, m_leaderboardScreen.get(),
                     [this](Game& game) { m_leaderboardScreen->execFor(game); });
    QObject::connect(m_banzukeScreen.get(), &BanzukeScreen::rikishiChosen, m_rikishiViewer.get(),
                     &RikishiViewer::showRikishi);
    QObject::connect(m_boutScreen.get(), &BoutScreen::bonusWanted, m_statIncreaseScreen.get(),
                     &StatIncreaseScreen::open);
    m_yushoScreen->setPlayerBout(m_playerBout.get());
}

void Screens::openCreationForm(const CreationValues* build)
{
    auto* form = new CreationScreen(*m_game, m_mainMenu.get());
    form->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(form, &CreationScreen::buildLabWanted, m_buildLab.get(),
                     [this, form](const CreationValues& v) { m_buildLab->openOver(form, &v); });
    if (build)
        form->useBuild(*build);
    m_openCreationForm = form;
    form->exec();
}

void Screens::useBuild(const CreationValues& values)
{
    if (m_openCreationForm) {
        m_openCreationForm->useBuild(values);
        giveFocusBack(m_openCreationForm);
        return;
    }
    // From the main menu's lab: the creation form opens with the build, once
    // the lab's click has returned (the form runs an event loop of its own).
    QTimer::singleShot(0, m_mainMenu.get(), [this, values] { openCreationForm(&values); });
}
