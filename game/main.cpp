// Kirimaki: a sumo career game. Start-up and the event loop.
#include "game/Application.h"
#include "game/CareerLockCheck.h"
#include "game/CommandLine.h"
#include "game/GameState.h"
#include "game/SaveLocation.h"
#include "rules/core/Game.h"
#include "game/Screens.h"
#include "screens/MainMenu.h"
#include "screens/RingPicture.h"

#include "Version.h"

#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    GameOptions options;
    if (const std::optional<int> status = readCommandLine(argc, argv, options))
        return *status;

    KirimakiApplication app(argc, argv);
    app.setApplicationVersion(QStringLiteral(KIRIMAKI_VERSION));
    // The desktop matches the windows to the launcher entry, and so to its icon, by this name.
    app.setDesktopFileName(QStringLiteral(KIRIMAKI_APP_ID));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral(KIRIMAKI_APP_ID), QIcon(ringPicture())));
    try {
        if (options.userData) {
            bool created = false;
            const QString folder = useUserDataFolder(created);
            if (!created)
                QMessageBox::warning(nullptr, QStringLiteral("Kirimaki"),
                                     QStringLiteral("The folder %1 could not be created.\n"
                                                    "No career can be kept there.")
                                         .arg(folder));
        }
        // One program writes a career at a time: taken before the first load.
        const std::unique_ptr<CareerLock> lock = lockCareerOrSay(gameState().savePath, options.selfTest);
        if (!lock)
            return 1;
        if (options.selfTest && !makeSampleCareerIfMissing()) {
            std::fprintf(stderr, "kirimaki: cannot write the save file %s\n", gameState().savePath.c_str());
            return 1;
        }
        Screens screens(gameState());
        screens.mainMenu()->show();
        if (options.selfTest) {
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
            app.exec();
            if (gameState().load() != LoadResult::Loaded) {
                std::fprintf(stderr, "kirimaki: cannot read the save file %s\n", gameState().savePath.c_str());
                return 1;
            }
            std::printf("kirimaki: started with the career in %s\n", gameState().savePath.c_str());
            return 0;
        }
        return app.exec();
    } catch (const std::exception& e) {
        showExceptionBox(QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
