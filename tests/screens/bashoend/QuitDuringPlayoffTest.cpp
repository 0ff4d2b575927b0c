// Quitting the program in the middle of the player's playoff bout.
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/BashoEndDialogs.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"

#include "tests/support/RosterFixture.h"
#include "rules/bout/PlayerBout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Quits the program as the main menu's close would, while the bout runs;
// the bout records nothing.
class QuittingBout : public PlayerBout {
public:
    int fought = 0;
    void fight(Game&) override
    {
        ++fought;
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    }
};

} // namespace

// Kept apart from the other screen tests: after a quit every later exec()
// in the process returns at once.
class QuitDuringPlayoffTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career these screens work on
private slots:
    void sequenceStopsAndNothingIsSaved()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        yushoScreen = new YushoScreen(m_game);
        chankoScreen = new ChankoScreen(m_game);
        potentialScreen = new PotentialScreen(m_game);
        ageingScreen = new AgeingScreen(m_game);
        newBanzukeScreen = new NewBanzukeScreen(m_game);
        QuittingBout bout;
        yushoScreen->setPlayerBout(&bout);
        int unexpected = 0;
        yushoScreen->pauseFor = [&](int) { ++unexpected; };

        Game& game = m_game;
        game = makeGame();
        for (Rikishi& r : game.roster) {
            r.day = 15;
            setRecord(r, 8);
        }
        setRecord(game.roster[1], 12);
        setRecord(game.roster[39], 12);
        game.roster[39].isPlayer = 1;
        game.roster[39].potential = 9;

        BashoEndDialogs dialogs;
        QTimer::singleShot(0, qApp, [] { QTest::mouseClick(yushoScreen->BeginKetteisenButton, Qt::LeftButton); });
        runBashoEnd(game, dialogs);

        QCOMPARE(bout.fought, 1);
        QVERIFY(dialogs.stopped());
        QCOMPARE(yushoScreen->decision().state(), YushoDecision::State::Abandoned);
        QVERIFY(!chankoScreen->isVisible() && !potentialScreen->isVisible() && !newBanzukeScreen->isVisible());
        QCOMPARE(game.roster[39].yusho + game.roster[1].yusho + game.roster[1].junyusho, 0);
        QCOMPARE(potentialScreen->RikishiPotentialLabel->text(), QString());   // never ran
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
        QCOMPARE(unexpected, 0);
    }
};

QTEST_MAIN(QuitDuringPlayoffTest)
#include "QuitDuringPlayoffTest.moc"
