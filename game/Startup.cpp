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
    auto* form = new TCreateRikishiForm2(MainMenuForm1);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->exec();
}

} // namespace

void createScreens()
{
    // Each global is assigned as soon as its constructor returns, so the
    // creation handlers that run inside later constructors find the earlier
    // screens (the viewer's and day results' loads need the error box).
    MainMenuForm1 = new TMainMenuForm1;
    QWidget* const main = MainMenuForm1;

    // The start-up instance of the creation form is never shown: each press
    // of Create Rikishi makes its own. Its creation still sets up the pools.
    auto* firstForm = new TCreateRikishiForm2(main);
    firstForm->hide();

    AboutBox = new TAboutBox(main);
    ErrorBox = new TErrorBox(main);
    ViewRikishi = new TViewRikishi(main);
    ViewBanzuke = new TViewBanzuke(main);
    Kekka = new TKekka(main);
    Fight = new TFight(main);
    StatIncrease = new TStatIncrease(main);
    Chanko = new TChanko(main);
    Potential = new TPotential(main);
    Age = new TAge(main);
    DecideYusho = new TDecideYusho(main);
    SortRikishi = new TSortRikishi(main);
    Leaderboard = new TLeaderboard(main);

    static FightDialogBout fightBout;
    static BashoEndDialogs bashoEnd;
    Kekka->setPlayerBout(&fightBout);
    Kekka->setBashoEndScreens(&bashoEnd);
    Kekka->showMainMenu = [] { bringUp(MainMenuForm1); };
    Kekka->showBanzuke = [] { bringUp(ViewBanzuke); };
    DecideYusho->setPlayerBout(&fightBout);

    MainMenuForm1->openTournament = [] { Kekka->openFromMainMenu(); };
    MainMenuForm1->openBanzuke = [] { bringUp(ViewBanzuke); };
    MainMenuForm1->openAbout = [] { AboutBox->exec(); };
    MainMenuForm1->openCreateRikishi = openCreateRikishi;
    MainMenuForm1->openViewRikishi = [] { bringUp(ViewRikishi); };
}
