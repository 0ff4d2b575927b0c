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
    Game m_game; // the career these screens work on
    std::unique_ptr<QTemporaryDir> m_dir;
    BoutScreen* m_boutScreen = nullptr;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = Game();
        for (std::size_t i = 0; i < kRosterSize; ++i)
            m_game.roster[i] = wrestler("Comp", static_cast<std::int32_t>(i), 5);
        m_boutScreen = new BoutScreen(m_game);
    }

    void cleanup()
    {
        delete m_boutScreen;
        m_boutScreen = nullptr;
    }

    void theFrameCannotCloseABoutBeforeItsResult()
    {
        m_game.playerCopy = wrestler("Kiriyama", 39, 20);
        m_game.opponentCopy = wrestler("Comp38", 38, 1);
        m_game.curDay = 3;
        m_boutScreen->show();
        m_boutScreen->close();
        QVERIFY(m_boutScreen->isVisible());

        for (int i = 0; i < 100 && !m_boutScreen->m_winButton->isVisible() && !m_boutScreen->m_loseButton->isVisible(); ++i)
            for (QPushButton* b : {m_boutScreen->m_receiveButton, m_boutScreen->m_yotsuButton, m_boutScreen->m_monoiiCloseButton,
                                   m_boutScreen->m_monoiiStartButton, m_boutScreen->m_monoiiFightButton})
                if (b->isVisible()) {
                    b->click();
                    break;
                }
        QVERIFY(m_boutScreen->m_winButton->isVisible() || m_boutScreen->m_loseButton->isVisible());
        m_boutScreen->close();
        QVERIFY(m_boutScreen->isVisible());

        // A hidden button's click (a late mnemonic) does nothing.
        const std::int32_t wins = m_game.playerCopy.cbw;
        m_boutScreen->judgesDecide();
        m_boutScreen->chooseTachiai(m_boutScreen->m_jumpButton);
        if (m_boutScreen->m_winButton->isVisible()) {
            m_boutScreen->recordWin();
            m_boutScreen->recordWin();
            QCOMPARE(m_game.playerCopy.cbw, wins + 1);
        } else {
            m_boutScreen->recordLoss();
            m_boutScreen->recordLoss();
            QCOMPARE(m_game.playerCopy.cbl, 1);
        }
        m_boutScreen->close();
        QVERIFY(!m_boutScreen->isVisible());
    }

    void letterKeysPressTheOfferedButtonOnce()
    {
        m_game.playerCopy = wrestler("Kiriyama", 39, 20);
        m_game.opponentCopy = wrestler("Comp38", 38, 20);
        m_game.playerCopy.power = m_game.opponentCopy.power = 5000; // a long bout
        m_boutScreen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_boutScreen));
        const auto strategy = [this] { return m_boutScreen->m_userStrategyLabel->text(); };

        QTest::keyClick(m_boutScreen, Qt::Key_R);
        QVERIFY(strategy().contains(QStringLiteral("Receive")));
        QCOMPARE(m_boutScreen->focusWidget(), m_boutScreen->m_yotsuButton);

        // T is Tsuppari in both phases; only the exchange's button is offered now.
        QTest::keyClick(m_boutScreen, Qt::Key_T);
        QVERIFY(strategy().contains(QStringLiteral("Tsuppari")));
        const QString time = m_boutScreen->m_timeElapsedLabel->text();
        QTest::keyClick(m_boutScreen, Qt::Key_J); // the tachiai's Jump is not offered
        QCOMPARE(m_boutScreen->m_timeElapsedLabel->text(), time);

        // A held key presses once; the focus stays on the strategy just used,
        // and Enter presses it again.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"), true);
        QApplication::sendEvent(m_boutScreen, &held);
        QCOMPARE(m_boutScreen->m_timeElapsedLabel->text(), time);
        QCOMPARE(m_boutScreen->focusWidget(), m_boutScreen->m_tsuppariButton);
        QTest::keyClick(m_boutScreen, Qt::Key_Return);
        QVERIFY(strategy().contains(QStringLiteral("Tsuppari")));
        QVERIFY(m_boutScreen->m_timeElapsedLabel->text() != time);
        m_boutScreen->hide();
    }
};

QTEST_MAIN(BoutScreenTest)
#include "BoutScreenTest.moc"
