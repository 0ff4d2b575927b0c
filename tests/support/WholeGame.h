// The whole game started on the career file of the current folder, as at a
// real start-up, for the tests that play it through its own screens.
#pragma once

#include "game/GameState.h"
#include "game/Startup.h"
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"
#include "screens/MainMenu.h"
#include "screens/bashoend/YushoScreen.h"
#include "tests/support/ModalDriver.h"

#include <QFile>

#include <memory>

inline QByteArray fileBytes()
{
    QFile f(QString::fromLatin1(kSaveFileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline Roster fileRoster()
{
    Roster r{};
    loadRoster(r);
    return r;
}

// Writes `career` (unless null) and starts the game afresh on the file, as
// after a restart: new screens, a fixed seed where the start-up takes the
// clock's, no pauses, and a new driver, since the old one knows the old
// screens by their addresses.
inline void startGame(const Roster* career, std::unique_ptr<ModalDriver>& driver)
{
    if (career)
        QVERIFY(saveRoster(*career));
    driver.reset();
    delete mainMenu;
    gameState() = Game{};
    createScreens();
    driver = std::make_unique<ModalDriver>();
    gameState().rng.seed(2024);
    yushoScreen->pauseFor = [](int) {};
    mainMenu->show();
    QVERIFY(QTest::qWaitForWindowActive(mainMenu));
}
