// The whole game, started as at a real start-up, through the moments where
// Qt's window events, keys and mnemonics could repeat or skip a step of the
// career: activations, keys, a minimised bout and the end of a basho.
#include "rules/bashoend/Ageing.h"
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/bout/GenkiMeter.h"
#include "screens/career/CreationScreen.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "screens/WindowPlacement.h"
#include "tests/support/WholeGame.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const Rikishi& playerIn(const Roster& roster) { return roster[static_cast<std::size_t>(findPlayer(roster))]; }

// The player's window sends the focus back later than the click that
// closed another screen; lets such late reports arrive.
void settle(QWidget* screen)
{
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::qWait(50);
}

} // namespace

class PitfallsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QCOMPARE(loadRoster(m_career, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
    }

    void theDayWaitsForNextDayAfterTheBoutAndTheLeaderboard()
    {
        startGame(careerAt(m_career, 3, 2));
        openTournament();
        QCOMPARE(screens().dayResultsScreen()->m_dayLabel->text(), QStringLiteral("3"));

        // Alt+F twice in quick succession, and the handler called again while
        // the bout is open: one bout.
        m_driver->m_hooks[screens().boutScreen()] = [] { screens().dayResultsScreen()->fightPlayersBout(); };
        QTest::keyClick(screens().dayResultsScreen(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(screens().dayResultsScreen(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(m_driver->openings(screens().boutScreen()) == 1 && !screens().boutScreen()->isVisible());
        settle(screens().dayResultsScreen());
        QCOMPARE(screens().dayResultsScreen()->m_dayLabel->text(), QStringLiteral("3"));
        QCOMPARE(screens().dayResultsScreen()->focusWidget(), screens().dayResultsScreen()->m_nextDayButton);
        QVERIFY(!screens().dayResultsScreen()->m_fightButton->isVisible());
        const QByteArray dayDone = fileBytes();
        for (const Rikishi& r : fileRoster())
            QCOMPARE(bouts(r) * 100 + r.day, 3 * 100 + 4);

        // The Fight button's late mnemonic, now that it is hidden: nothing.
        screens().dayResultsScreen()->m_fightButton->click();
        QTest::keyClick(screens().dayResultsScreen(), Qt::Key_F, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(m_driver->openings(screens().boutScreen()), 1);
        QCOMPARE(screens().dayResultsScreen()->m_dayLabel->text(), QStringLiteral("3"));
        QCOMPARE(fileBytes(), dayDone);

        // Coming back from another window of the game once the day is done: the next day.
        screens().mainMenu()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screens().mainMenu()));
        screens().dayResultsScreen()->activateWindow();
        settle(screens().dayResultsScreen());
        QCOMPARE(screens().dayResultsScreen()->m_dayLabel->text(), QStringLiteral("4"));
        QVERIFY(screens().dayResultsScreen()->m_fightButton->isVisible());

        // Day 8: the leaderboard closes onto the day results screen before the
        // day is advanced; activations meanwhile must not lose the bout.
        startGame(careerAt(m_career, 8, 7));
        openTournament();
        QString shown;
        m_driver->m_hooks[screens().leaderboardScreen()] = [&shown] {
            shown = screens().leaderboardScreen()->m_titleLabel->text() + screens().leaderboardScreen()->m_leadersLabel->text() + screens().leaderboardScreen()->m_chasersLabel->text();
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(screens().dayResultsScreen(), &activate);
            QApplication::sendEvent(screens().leaderboardScreen(), &activate);
            screens().dayResultsScreen()->activateWindow();
            screens().dayResultsScreen()->runDay();
            QCOMPARE(screens().leaderboardScreen()->m_titleLabel->text() + screens().leaderboardScreen()->m_leadersLabel->text() + screens().leaderboardScreen()->m_chasersLabel->text(), shown);
        };
        QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
        QCOMPARE(m_driver->openings(screens().leaderboardScreen()), 1);
        QVERIFY(shown.startsWith(QStringLiteral("Tournament Leaderboard After 8 Days")));
        settle(screens().dayResultsScreen());
        QCOMPARE(screens().dayResultsScreen()->m_dayLabel->text(), QStringLiteral("8"));
        QCOMPARE(screens().dayResultsScreen()->focusWidget(), screens().dayResultsScreen()->m_nextDayButton);
        const Roster after = fileRoster();
        QCOMPARE(playerIn(after).day, 9);
        for (const Rikishi& r : after)
            QCOMPARE(bouts(r), 8); // his bout reached the file, on both sides
    }

    void escAndEnterLeaveEveryScreenAsItIs()
    {
        startGame(careerAt(m_career, 2, 1));
        openTournament();
        const QByteArray dayTwo = fileBytes();

        // Esc never closes a game screen, and Enter in an edit presses no
        // button (a name confirmed with Enter must not start a career). Enter
        // on a focused button presses it: the keyboard tests check that.
        const auto keysDoNothing = [](QDialog* screen) {
            int clicks = 0;
            QList<QMetaObject::Connection> counted;
            for (QPushButton* b : screen->findChildren<QPushButton*>())
                counted << QObject::connect(b, &QPushButton::clicked, [&clicks] { ++clicks; });
            QTest::keyClick(screen, Qt::Key_Escape);
            for (QLineEdit* e : screen->findChildren<QLineEdit*>()) {
                e->setFocus();
                QTest::keyClick(e, Qt::Key_Return);
                QTest::keyClick(e, Qt::Key_Enter);
            }
            for (const auto& c : counted)
                QObject::disconnect(c);
            QVERIFY2(screen->isVisible(), qPrintable(screen->objectName()));
            QCOMPARE(clicks, 0);
        };

        for (QDialog* screen : std::initializer_list<QDialog*>{screens().dayResultsScreen(), screens().rikishiViewer(), screens().banzukeScreen()}) {
            bringUp(screen);
            keysDoNothing(screen);
            screen->hide();
        }
        QCOMPARE(fileBytes(), dayTwo); // Esc on the day results fought nothing

        int created = 0;
        m_driver->m_anyOpening = [&](QWidget* w) {
            if (auto* form = qobject_cast<CreationScreen*>(w)) {
                ++created;
                keysDoNothing(form);
                QCOMPARE(fileBytes(), dayTwo); // no new career
                form->m_cancelButton->click();
            } else if (w != screens().aboutBox() && w != screens().errorBox()) {
                keysDoNothing(static_cast<QDialog*>(w));
            }
        };
        QTest::mouseClick(screens().mainMenu()->m_createRikishiButton, Qt::LeftButton);
        QCOMPARE(created, 1);
        screens().boutScreen()->fight(gameState()); // the pending bout of day 2
        screens().statIncreaseScreen()->open(gameState());
        for (QDialog* screen : std::initializer_list<QDialog*>{screens().leaderboardScreen(), screens().yushoScreen(), screens().chankoScreen(), screens().potentialScreen(), screens().ageingScreen(), screens().newBanzukeScreen()})
            screen->exec();
        for (QDialog* screen : std::initializer_list<QDialog*>{screens().boutScreen(), screens().statIncreaseScreen(), screens().leaderboardScreen(), screens().yushoScreen(), screens().chankoScreen(),
                                                               screens().potentialScreen(), screens().ageingScreen(), screens().newBanzukeScreen()})
            QCOMPARE(m_driver->openings(screen), 1);

        // Only the two boxes close on Enter: their OK is the default button.
        m_driver->m_anyOpening = [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); };
        screens().aboutBox()->exec();
        screens().errorBox()->exec();
        QCOMPARE(m_driver->openings(screens().aboutBox()) + m_driver->openings(screens().errorBox()), 2);
        QCOMPARE(screens().aboutBox()->result() + screens().errorBox()->result(), 2 * QDialog::Accepted);
    }

    void endOfBashoScreensWorkOncePerOpening()
    {
        Roster career = careerAt(m_career, 15, 14);
        career[0].cbw = 14; // the yusho is his, whatever day 15 brings
        career[0].cbl = 0;
        Rikishi& me = career[39];
        me.cbw = 10;
        me.cbl = 4;
        me.lbw = 3;
        me.potential = 2;
        const std::string champion = shikonaOf(career[0]);
        const int championYusho = career[0].yusho;
        const float ageBefore = me.age;
        startGame(career);
        openTournament();

        // Every screen is activated again while it is open: its work is not redone.
        int playerWins = 0;
        m_driver->m_anyOpening = [&](QWidget* w) {
            if (w == screens().yushoScreen())
                playerWins = gameState().roster[39].cbw;
            if (w == screens().boutScreen())
                return;
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(w, &activate);
            w->activateWindow();
            QApplication::sendEvent(w, &activate);
        };
        QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
        for (QWidget* w : std::initializer_list<QWidget*>{screens().yushoScreen(), screens().chankoScreen(), screens().potentialScreen(), screens().ageingScreen(), screens().newBanzukeScreen()})
            QCOMPARE(m_driver->openings(w), 1);
        QTRY_VERIFY(!screens().dayResultsScreen()->isVisible());

        const Roster after = fileRoster();
        for (const Rikishi& r : after) {
            QCOMPARE(r.day, 1);
            if (shikonaOf(r) == champion)
                QCOMPARE(r.yusho, championYusho + 1);
        }
        const Rikishi& player = playerIn(after);
        QCOMPARE(player.lbw * 100 + player.tbaw, playerWins * 100 + 3);
        QCOMPARE(player.age, agedOneBasho(ageBefore));
    }

    void aMinimisedBoutKeepsItsBout()
    {
        startGame(careerAt(m_career, 1));
        openTournament();
        QStringList before, restored;
        const auto look = [] {
            return QStringList{screens().boutScreen()->m_timeElapsedLabel->text(), screens().boutScreen()->m_userStrategyLabel->text(),
                               screens().boutScreen()->m_compStrategyLabel->text(), QString::number(screens().boutScreen()->m_userGenkiBar->level()),
                               QString::number(screens().boutScreen()->m_compGenkiBar->level()),
                               QString::number(screens().boutScreen()->m_jumpButton->isVisible())};
        };
        m_driver->m_hooks[screens().boutScreen()] = [&] {
            screens().boutScreen()->m_receiveButton->click(); // the tachiai: the bout is under way
            before = look();
            screens().boutScreen()->showMinimized();
            QVERIFY(screens().boutScreen()->isMinimized());
            screens().boutScreen()->showNormal();
            restored = look();
        };
        QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
        QCOMPARE(before.last(), QStringLiteral("0")); // past the tachiai
        QCOMPARE(restored, before);
        QCOMPARE(m_driver->openings(screens().boutScreen()), 1);
        QCOMPARE(bouts(playerIn(fileRoster())), 1);
    }

private:
    void openTournament()
    {
        QTest::mouseClick(screens().mainMenu()->m_tournamentButton, Qt::LeftButton);
        QVERIFY(screens().dayResultsScreen()->isVisible());
        settle(screens().dayResultsScreen());
    }

    void startGame(const Roster& career) { ::startGame(&career, m_driver); }

    Roster m_career{};
    QTemporaryDir m_dir;
    std::unique_ptr<ModalDriver> m_driver;
};

KIRIMAKI_GAME_TEST_MAIN(PitfallsTest)

#include "PitfallsTest.moc"
