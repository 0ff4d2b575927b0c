// The end-of-basho screens' own mends and a quit in their midst, clicked through on the offscreen
// platform; the captions and the whole sequence are proven by the golden
// scenarios played through the screens.
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/BashoEndDialogs.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/Controls.h"

#include "rules/bout/PlayerBout.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RosterFixture.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <memory>

namespace {

// The player's playoff bout, decided by the test.
class FakeBout : public PlayerBout {
public:
    std::function<void(Game&)> during;
    int fought = 0;
    bool quits = false;
    void fight(Game& game) override
    {
        ++fought;
        if (during)
            during(game);
        if (quits) { // as the main menu's close would; the bout records nothing
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
            return;
        }
        ++game.playoffWins;
    }
};

} // namespace

class BashoEndScreensTest : public QObject {
    Q_OBJECT
    Game m_game; // the career these screens work on
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ModalDriver> m_driver;
    FakeBout m_bout;
    YushoScreen* m_yushoScreen = nullptr;
    ChankoScreen* m_chankoScreen = nullptr;
    PotentialScreen* m_potentialScreen = nullptr;
    AgeingScreen* m_ageingScreen = nullptr;
    NewBanzukeScreen* m_newBanzukeScreen = nullptr;

private slots:
    void initTestCase()
    {
        m_yushoScreen = new YushoScreen(m_game);
        m_chankoScreen = new ChankoScreen(m_game);
        m_potentialScreen = new PotentialScreen(m_game);
        m_ageingScreen = new AgeingScreen(m_game);
        m_newBanzukeScreen = new NewBanzukeScreen(m_game);
        m_yushoScreen->setPlayerBout(&m_bout);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = makeGame();
        m_bout = FakeBout();
        m_driver = std::make_unique<ModalDriver>();
        m_driver->m_pressButtons = false;
    }

    void tieIsPlayedOffOnceBehindTheBoutScreen()
    {
        setRecord(m_game.roster[4], 12);
        setRecord(m_game.roster[39], 12);
        m_game.roster[39].isPlayer = 1;
        bool visibleDuringBout = false;
        m_bout.during = [&](Game& g) {
            visibleDuringBout = m_yushoScreen->isVisible();
            QCOMPARE(g.curDay, 16);
            m_yushoScreen->fightKetteisen(); // a late accelerator starts no second playoff
        };
        bool checked = false;
        m_driver->m_hooks[m_yushoScreen] = [&] {
            QVERIFY(!isOffered(m_yushoScreen->m_okButton));
            // Neither the frame nor finish() closes it before the playoff.
            QVERIFY(!m_yushoScreen->close());
            m_yushoScreen->finish();
            QVERIFY(m_yushoScreen->isVisible());
            QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));

            QTest::mouseClick(m_yushoScreen->m_beginKetteisenButton, Qt::LeftButton);
            QCOMPARE(m_bout.fought, 1);
            QVERIFY(visibleDuringBout);
            QVERIFY(!m_yushoScreen->m_beginKetteisenButton->isVisible() && isOffered(m_yushoScreen->m_okButton));
            QCOMPARE(fileRoster()[39].yusho, 1);
            QCOMPARE(fileRoster()[4].junyusho, 1);
            checked = true;
            QVERIFY(m_yushoScreen->close()); // decided: the frame may close it now
        };
        m_yushoScreen->exec();
        QVERIFY(checked);
    }

    void pausesShowTheResultAndThrowAwayInput()
    {
        for (auto [i, power] : {std::pair<std::size_t, int>{20, 0}, {21, 50}, {22, 100}}) {
            setRecord(m_game.roster[i], 13);
            m_game.roster[i].power = power;
        }
        // The rules' own test pins the texts and lengths of the pauses; here
        // each result must be readable on the screen while its pause lasts,
        // with no button offered, and what the player does meanwhile must
        // not act when the pause ends.
        const auto gamePause = m_yushoScreen->pause();
        QStringList shown;
        int buttonsOffered = 0;
        m_yushoScreen->setPause([&](int) {
            QLabel* l = m_yushoScreen->m_ketteisenAnnounceLabel;
            // Visible, and laid out tall enough for the whole text.
            if (l->isVisible() && l->height() >= l->heightForWidth(l->width()))
                shown << l->text();
            buttonsOffered += isOffered(m_yushoScreen->m_okButton) + isOffered(m_yushoScreen->m_beginKetteisenButton);
            // A click on the place where OK will appear and a Space for
            // whatever will have the focus, waiting as the window system
            // holds them while the program is busy.
            QPushButton* ok = m_yushoScreen->m_okButton;
            const QPointF centre(ok->width() / 2.0, ok->height() / 2.0);
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(ok, new QMouseEvent(t, centre, ok->mapToGlobal(centre), Qt::LeftButton,
                                                                t == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                              : Qt::NoButton,
                                                                Qt::NoModifier));
            for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(ok, new QKeyEvent(t, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
            gamePause(5);
        });
        bool stayed = false;
        m_driver->m_hooks[m_yushoScreen] = [&] {
            QTest::mouseClick(m_yushoScreen->m_beginKetteisenButton, Qt::LeftButton);
            QCoreApplication::processEvents();
            QTest::qWait(20);
            stayed = m_yushoScreen->isVisible() && isOffered(m_yushoScreen->m_okButton);
            QTest::mouseClick(m_yushoScreen->m_okButton, Qt::LeftButton);
        };
        m_yushoScreen->exec();
        m_yushoScreen->setPause([this](int) {});
        QCOMPARE(shown, (QStringList{"R21 defeats R20", "R22 defeats R21", "R22 defeats R20"}));
        QCOMPARE(buttonsOffered, 0);
        QVERIFY(stayed);
        QCOMPARE(fileRoster()[22].yusho, 1);
    }

    void chankoSpendsEachPointOnce()
    {
        setRecord(m_game.roster[39], 10);
        m_game.roster[39].potential = 1;
        m_game.playerCopy = m_game.roster[39];
        m_game.pointPool = 5;
        m_driver->m_hooks[m_chankoScreen] = [this] {
            QTest::mouseClick(m_chankoScreen->m_heightButton, Qt::LeftButton); // 3 points
            QVERIFY(!m_chankoScreen->m_heightButton->isEnabled());
            QTest::mouseClick(m_chankoScreen->m_weightDecreaseButton, Qt::LeftButton);
            for (std::size_t i = 0; i < kChankoButtonCount; ++i)
                QVERIFY(!m_chankoScreen->button(i)->isEnabled());
            // A click that arrives after its button was disabled changes nothing.
            m_chankoScreen->spendPoint(m_chankoScreen->m_statButtons[0]);
            QTest::mouseClick(m_chankoScreen->m_doneButton, Qt::LeftButton);
        };
        m_chankoScreen->exec();
        QCOMPARE(m_game.playerCopy.height * 1000 + m_game.playerCopy.weight, 181129);
        QCOMPARE(m_game.playerCopy.baseStrength, 5);
        QCOMPARE(m_game.pointPool, 0);
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r"))); // chanko works on memory only
    }

    // Last: after a quit every later exec() in the process returns at once.
    void quittingDuringThePlayoffStopsTheSequenceAndSavesNothing()
    {
        for (Rikishi& r : m_game.roster) {
            r.day = 15;
            setRecord(r, 8);
        }
        setRecord(m_game.roster[1], 12);
        setRecord(m_game.roster[39], 12);
        m_game.roster[39].isPlayer = 1;
        m_game.roster[39].potential = 9;
        m_bout.quits = true;
        int pauses = 0;
        m_yushoScreen->setPause([&](int) { ++pauses; });
        m_driver->m_hooks[m_yushoScreen] = [this] { QTest::mouseClick(m_yushoScreen->m_beginKetteisenButton, Qt::LeftButton); };
        BashoEndDialogs dialogs({m_yushoScreen, m_chankoScreen, m_potentialScreen, m_ageingScreen, m_newBanzukeScreen});
        runBashoEnd(m_game, dialogs);
        QCOMPARE(m_bout.fought, 1);
        QVERIFY(dialogs.stopped());
        QCOMPARE(m_yushoScreen->decision().state(), YushoDecision::State::Abandoned);
        for (QWidget* w : std::initializer_list<QWidget*>{m_chankoScreen, m_potentialScreen, m_ageingScreen, m_newBanzukeScreen})
            QCOMPARE(m_driver->openings(w), 0);
        QCOMPARE(m_game.roster[39].yusho + m_game.roster[1].yusho + m_game.roster[1].junyusho, 0);
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
        QCOMPARE(pauses, 0);
    }
};

QTEST_MAIN(BashoEndScreensTest)
#include "BashoEndScreensTest.moc"
