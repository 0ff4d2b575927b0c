// The start-up order of the screens and the connections between them.
#include "game/Startup.h"

#include "game/GameState.h"

#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/BashoEndDialogs.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bout/ScreenPlayerBout.h"
#include "screens/bout/BoutScreen.h"
#include "screens/career/CreationScreen.h"
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "screens/ScreenDialog.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/RikishiViewer.h"

namespace {

// A new creation form for each press of Create Rikishi; it is released
// when it closes.
void openCreateRikishi(Game& game)
{
    auto* form = new CreationScreen(game, mainMenu);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->exec();
}

} // namespace

void createScreens()
{
    // Each global is assigned as soon as its constructor returns, so the
    // creation handlers that run inside later constructors find the earlier
    // screens (the viewer's and day results' loads need the error box).
    Game& game = gameState();
    mainMenu = new MainMenu(game);
    QWidget* const main = mainMenu;

    // The start-up instance of the creation form is never shown: each press
    // of Create Rikishi makes its own. Its creation still sets up the pools.
    auto* firstForm = new CreationScreen(game, main);
    firstForm->hide();

    aboutBox = new AboutBox(main);
    errorBox = new ErrorBox(main);
    rikishiViewer = new RikishiViewer(game, main);
    banzukeScreen = new BanzukeScreen(game, main);
    dayResultsScreen = new DayResultsScreen(game, main);
    boutScreen = new BoutScreen(game, main);
    statIncreaseScreen = new StatIncreaseScreen(game, main);
    chankoScreen = new ChankoScreen(game, main);
    potentialScreen = new PotentialScreen(game, main);
    ageingScreen = new AgeingScreen(game, main);
    yushoScreen = new YushoScreen(game, main);
    newBanzukeScreen = new NewBanzukeScreen(game, main);
    leaderboardScreen = new LeaderboardScreen(game, main);

    static ScreenPlayerBout fightBout;
    static BashoEndDialogs bashoEnd;
    dayResultsScreen->setPlayerBout(&fightBout);
    dayResultsScreen->setBashoEndScreens(&bashoEnd);
    dayResultsScreen->showMainMenu = [] { bringUp(mainMenu); };
    dayResultsScreen->showBanzuke = [] { bringUp(banzukeScreen); };
    yushoScreen->setPlayerBout(&fightBout);

    mainMenu->openTournament = [] { dayResultsScreen->openFromMainMenu(); };
    mainMenu->openBanzuke = [] { bringUp(banzukeScreen); };
    mainMenu->openAbout = [] { aboutBox->exec(); };
    mainMenu->openCreateRikishi = [&game] { openCreateRikishi(game); };
    mainMenu->openViewRikishi = [] { bringUp(rikishiViewer); };
}
