// The start-up order of the screens and the connections between them.
#include "shell/Startup.h"

#include "shell/AboutBox.h"
#include "shell/ErrorBox.h"
#include "shell/MainMenuUnit1.h"

void createScreens()
{
    MainMenuForm1 = new TMainMenuForm1;
    AboutBox = new TAboutBox(MainMenuForm1);
    ErrorBox = new TErrorBox(MainMenuForm1);

    MainMenuForm1->openAbout = [] { AboutBox->exec(); };
}
