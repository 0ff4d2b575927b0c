// The whole game started on the career file of the current folder, as at a
// real start-up, for the tests that play it through its own screens.
#pragma once

#include "game/Application.h"
#include "game/GameState.h"
#include "game/Screens.h"
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"
#include "screens/MainMenu.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/Controls.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RosterFixture.h"

#include <QFile>

#include <memory>

inline QByteArray fileBytes(const QString& path = QString::fromLatin1(kSaveFileName))
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The screens of the game the test started, as main keeps them.
inline std::unique_ptr<Screens>& runningScreens()
{
    static std::unique_ptr<Screens> running;
    return running;
}
inline Screens& screens() { return *runningScreens(); }

// Writes `career` (unless null) and starts the game afresh on the file, as
// after a restart: new screens, a fixed seed where the start-up takes the
// clock's, no pauses, and a new driver, since the old one knows the old
// screens by their addresses.
inline void startGame(const Roster* career, std::unique_ptr<ModalDriver>& driver)
{
    if (career)
        QVERIFY(saveRoster(*career));
    driver.reset();
    runningScreens().reset();
    gameState() = Game{};
    runningScreens() = std::make_unique<Screens>(gameState());
    driver = std::make_unique<ModalDriver>();
    gameState().rng.seed(2024);
    screens().yushoScreen()->setPause([](int) {});
    screens().mainMenu()->show();
    QVERIFY(QTest::qWaitForWindowActive(screens().mainMenu()));
}

// The career at `day` for everybody, with `done` bouts behind him, half of
// them won.
inline Roster careerAt(const Roster& career, int day, int done = 0)
{
    Roster r = career;
    for (Rikishi& x : r) {
        x.day = day;
        x.cbw = done / 2;
        x.cbl = done - done / 2;
    }
    return r;
}

// The button by which the day results screen lets the player on: the Fight,
// else Finish Basho, else Next Day; null when it offers none.
inline QPushButton* wayOn(DayResultsScreen* day)
{
    for (QPushButton* b : {day->m_fightButton, day->m_finishBashoButton, day->m_nextDayButton})
        if (isOffered(b))
            return b;
    return nullptr;
}

// A test run under the game's own application, which reports exceptions.
#define KIRIMAKI_GAME_TEST_MAIN(TestClass)                  \
    int main(int argc, char** argv)                         \
    {                                                       \
        KirimakiApplication app(argc, argv);                \
        TestClass test;                                     \
        const int failed = QTest::qExec(&test, argc, argv); \
        runningScreens().reset();                           \
        return failed;                                      \
    }
