// Kirimaki: a sumo career game. Start-up and the event loop.
#include "game/Application.h"
#include "screens/MainMenu.h"
#include "game/Startup.h"

#include <exception>

int main(int argc, char** argv)
{
    KirimakiApplication app(argc, argv);
    try {
        createScreens();
        mainMenu->show();
        return app.exec();
    } catch (const std::exception& e) {
        showExceptionBox(QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
