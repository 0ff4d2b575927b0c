// The bout screen's own mends, on the offscreen platform; what it shows in a
// whole bout is proven by the golden bouts played through the screen, its
// bonus by the two-games test.
#include "screens/bout/BoutScreen.h"

#include "tests/support/Wrestler.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class BoutScreenTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career these screens work on
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = Game();
        for (std::size_t i = 0; i < kRosterSize; ++i)
            m_game.roster[i] = wrestler("Comp", static_cast<std::int32_t>(i), 5);
        boutScreen = new BoutScreen(m_game);
    }

    void cleanup()
    {
        delete boutScreen;
        boutScreen = nullptr;
    }

    void theFrameCannotCloseABoutBeforeItsResult()
    {
        m_game.playerCopy = wrestler("Kiriyama", 39, 20);
        m_game.opponentCopy = wrestler("Comp38", 38, 1);
        m_game.curDay = 3;
        boutScreen->show();
        boutScreen->close();
        QVERIFY(boutScreen->isVisible());

        for (int i = 0; i < 100 && !boutScreen->WinButton->isVisible() && !boutScreen->LoseButton->isVisible(); ++i)
            for (QPushButton* b : {boutScreen->m_receiveButton, boutScreen->m_yotsuButton, boutScreen->MonoiiClose,
                                   boutScreen->MonoiiStart, boutScreen->MonoiiFight})
                if (b->isVisible()) {
                    b->click();
                    break;
                }
        QVERIFY(boutScreen->WinButton->isVisible() || boutScreen->LoseButton->isVisible());
        boutScreen->close();
        QVERIFY(boutScreen->isVisible());

        // A hidden button's click (a late mnemonic) does nothing.
        const std::int32_t wins = m_game.playerCopy.cbw;
        boutScreen->judgesDecide();
        boutScreen->chooseTachiai(boutScreen->m_jumpButton);
        if (boutScreen->WinButton->isVisible()) {
            boutScreen->recordWin();
            boutScreen->recordWin();
            QCOMPARE(m_game.playerCopy.cbw, wins + 1);
        } else {
            boutScreen->recordLoss();
            boutScreen->recordLoss();
            QCOMPARE(m_game.playerCopy.cbl, 1);
        }
        boutScreen->close();
        QVERIFY(!boutScreen->isVisible());
    }

    void letterKeysPressTheOfferedButtonOnce()
    {
        m_game.playerCopy = wrestler("Kiriyama", 39, 20);
        m_game.opponentCopy = wrestler("Comp38", 38, 20);
        m_game.playerCopy.power = m_game.opponentCopy.power = 5000;   // a long bout
        boutScreen->show();
        QVERIFY(QTest::qWaitForWindowExposed(boutScreen));
        const auto strategy = [] { return boutScreen->UserStrategyLabel->text(); };

        QTest::keyClick(boutScreen, Qt::Key_R);
        QVERIFY(strategy().contains(QStringLiteral("Receive")));
        QCOMPARE(boutScreen->focusWidget(), boutScreen->m_yotsuButton);

        // T is Tsuppari in both phases; only the exchange's button is offered now.
        QTest::keyClick(boutScreen, Qt::Key_T);
        QVERIFY(strategy().contains(QStringLiteral("Tsuppari")));
        const QString time = boutScreen->TimeElapsedLabel->text();
        QTest::keyClick(boutScreen, Qt::Key_J);   // the tachiai's Jump is not offered
        QCOMPARE(boutScreen->TimeElapsedLabel->text(), time);

        // A held key presses once; Enter presses the focused button (Yotsu).
        QKeyEvent held(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"), true);
        QApplication::sendEvent(boutScreen, &held);
        QCOMPARE(boutScreen->TimeElapsedLabel->text(), time);
        QTest::keyClick(boutScreen, Qt::Key_Return);
        QVERIFY(strategy().contains(QStringLiteral("Yotsu")));
        QVERIFY(boutScreen->TimeElapsedLabel->text() != time);
        boutScreen->hide();
    }
};

QTEST_MAIN(BoutScreenTest)
#include "BoutScreenTest.moc"
