// The start-up order of the screens and the connections between them.
#include "game/Startup.h"

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
void openCreateRikishi()
{
    auto* form = new CreationScreen(mainMenu);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->exec();
}

} // namespace

void createScreens()
{
    // Each global is assigned as soon as its constructor returns, so the
    // creation handlers that run inside later constructors find the earlier
    // screens (the viewer's and day results' loads need the error box).
    mainMenu = new MainMenu;
    QWidget* const main = mainMenu;

    // The start-up instance of the creation form is never shown: each press
    // of Create Rikishi makes its own. Its creation still sets up the pools.
    auto* firstForm = new CreationScreen(main);
    firstForm->hide();

    aboutBox = new AboutBox(main);
    errorBox = new ErrorBox(main);
    rikishiViewer = new RikishiViewer(main);
    banzukeScreen = new BanzukeScreen(main);
    dayResultsScreen = new DayResultsScreen(main);
    boutScreen = new BoutScreen(main);
    statIncreaseScreen = new StatIncreaseScreen(main);
    chankoScreen = new ChankoScreen(main);
    potentialScreen = new PotentialScreen(main);
    ageingScreen = new AgeingScreen(main);
    yushoScreen = new YushoScreen(main);
    newBanzukeScreen = new NewBanzukeScreen(main);
    leaderboardScreen = new LeaderboardScreen(main);

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
    mainMenu->openCreateRikishi = openCreateRikishi;
    mainMenu->openViewRikishi = [] { bringUp(rikishiViewer); };
}
