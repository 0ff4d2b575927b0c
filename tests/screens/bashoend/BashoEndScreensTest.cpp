// The end-of-basho screens, clicked through on the offscreen platform.
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

#include <functional>
#include <memory>

namespace {

// The player's playoff bout, decided by the test.
class FakeBout : public PlayerBout {
public:
    std::function<void(Game&)> during;
    int fought = 0;
    void fight(Game& game) override
    {
        ++fought;
        if (during)
            during(game);
        ++game.playoffWins;
    }
};

// Runs `action` as soon as the modal screen's own event loop turns. Should
// a check fail before the action closed the screen, the screen is closed
// anyway, so a failure never leaves the test waiting.
void whenOpen(QDialog* screen, std::function<void()> action)
{
    QTimer::singleShot(0, qApp, [screen, action] {
        action();
        if (screen->isVisible())
            screen->done(QDialog::Rejected);
    });
}

Roster savedRoster()
{
    Roster r{};
    loadRoster(r);
    return r;
}

// With KIRIMAKI_SHOTS set, the screen is saved there as a picture.
void shoot(QWidget* screen, const char* name)
{
    const QByteArray dir = qgetenv("KIRIMAKI_SHOTS");
    if (!dir.isEmpty())
        screen->grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}

} // namespace

class BashoEndScreensTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career these screens work on
private slots:
    void initTestCase()
    {
        yushoScreen = new YushoScreen(m_game);
        chankoScreen = new ChankoScreen(m_game);
        potentialScreen = new PotentialScreen(m_game);
        ageingScreen = new AgeingScreen(m_game);
        newBanzukeScreen = new NewBanzukeScreen(m_game);
        yushoScreen->setPlayerBout(&m_bout);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = makeGame();
        m_bout = FakeBout();
    }

    void tieIsPlayedOffBehindTheBoutScreen()
    {
        Game& game = m_game;
        setRecord(game.roster[4], 12);
        setRecord(game.roster[39], 12);
        game.roster[39].isPlayer = 1;
        setShikona(game.roster[39], "Kiriyama");
        bool visibleDuringBout = false;
        m_bout.during = [&](Game& g) {
            visibleDuringBout = yushoScreen->isVisible();
            QCOMPARE(g.curDay, 16);
            // A late accelerator must not start a second playoff.
            yushoScreen->fightKetteisen();
        };
        bool checked = false;
        whenOpen(yushoScreen, [&] {
            QCOMPARE(yushoScreen->KetteisenAnnounceLabel->text(),
                     QStringLiteral("Kettei sen participants:   R04    Kiriyama    "));
            QVERIFY(!yushoScreen->OKButton->isVisible());
            QVERIFY(!yushoScreen->JunYushoWinners->isVisible());
            // The frame cannot close it before the playoff, and OK is not offered.
            QVERIFY(!yushoScreen->close());
            yushoScreen->finish();
            QVERIFY(yushoScreen->isVisible());
            QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
            shoot(yushoScreen, "yusho-tie.png");

            QTest::mouseClick(yushoScreen->BeginKetteisenButton, Qt::LeftButton);
            QCOMPARE(m_bout.fought, 1);
            QVERIFY(visibleDuringBout);
            QCOMPARE(yushoScreen->KetteisenAnnounceLabel->text(), QStringLiteral("Kiriyama takes the yusho!"));
            QCOMPARE(yushoScreen->JunYushoWinners->text(), QStringLiteral("Jun-Yusho:  R04"));
            QVERIFY(!yushoScreen->BeginKetteisenButton->isVisible());
            QVERIFY(yushoScreen->OKButton->isVisible());
            QCOMPARE(savedRoster()[39].yusho, 1);
            QCOMPARE(savedRoster()[4].junyusho, 1);
            checked = true;
            QVERIFY(yushoScreen->close());   // decided: the frame may close it now
        });
        yushoScreen->exec();
        QVERIFY(checked);
    }

    void threeWayResultIsOnScreenDuringItsPause()
    {
        Game& game = m_game;
        for (auto [i, power] : {std::pair<std::size_t, int>{20, 0}, {21, 50}, {22, 100}}) {
            setRecord(game.roster[i], 13);
            game.roster[i].power = power;
        }
        // The rules' own test pins the texts and lengths of the pauses; here
        // each result must be readable on the screen while its pause lasts.
        QStringList shown;
        yushoScreen->pauseFor = [&](int) {
            QLabel* l = yushoScreen->KetteisenAnnounceLabel;
            // Visible, and laid out tall enough for the whole text.
            if (l->isVisible() && l->height() >= l->heightForWidth(l->width()))
                shown << l->text();
        };
        whenOpen(yushoScreen, [&] {
            QTest::mouseClick(yushoScreen->BeginKetteisenButton, Qt::LeftButton);
            QTest::mouseClick(yushoScreen->OKButton, Qt::LeftButton);
        });
        yushoScreen->exec();
        QCOMPARE(shown, (QStringList{"R21 defeats R20", "R22 defeats R21", "R22 defeats R20"}));
        QCOMPARE(savedRoster()[22].yusho, 1);
    }

    void chankoSpendsPointsOncePerOpening()
    {
        Game& game = m_game;
        setRecord(game.roster[39], 10);
        game.roster[39].potential = 1;
        setShikona(game.roster[39], "Kiriyama");
        game.playerCopy = game.roster[39];
        game.pointPool = 5;
        whenOpen(chankoScreen, [&] {
            QCOMPARE(chankoScreen->ChankoMessage->text(),
                     QStringLiteral("For your record of 10-5 this basho, you have been awarded 4 chanko points."
                                    "  For your increased potential, you have earned 1 chanko points."));
            QCOMPARE(chankoScreen->PointsLeftLabel->text(), QStringLiteral("5"));
            // Laid out for the texts at once: nothing clipped.
            QLabel* message = chankoScreen->ChankoMessage;
            QVERIFY(message->height() >= message->heightForWidth(message->width()));
            QVERIFY(chankoScreen->m_titleLabel->width() >= chankoScreen->m_titleLabel->sizeHint().width());
            shoot(chankoScreen, "chanko.png");

            QTest::mouseClick(chankoScreen->HeightButton, Qt::LeftButton);
            QCOMPARE(chankoScreen->HeightLabel->text(), QStringLiteral("181"));
            QVERIFY(!chankoScreen->HeightButton->isEnabled());
            // Showing or activating it again does not fill it again.
            chankoScreen->show();
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(chankoScreen, &activate);
            QVERIFY(!chankoScreen->HeightButton->isEnabled());
            QCOMPARE(chankoScreen->PointsLeftLabel->text(), QStringLiteral("2"));

            QTest::mouseClick(chankoScreen->WeightDecreaseButton, Qt::LeftButton);
            QCOMPARE(chankoScreen->WeightLabel->text(), QStringLiteral("129"));
            QCOMPARE(chankoScreen->PointsLeftLabel->text(), QStringLiteral("0"));
            for (std::size_t i = 0; i < kChankoButtonCount; ++i)
                QVERIFY(!chankoScreen->button(i)->isEnabled());
            // A click that arrives after its button was disabled changes nothing.
            chankoScreen->spendPoint(chankoScreen->statButtons[0]);
            QTest::mouseClick(chankoScreen->DoneButton, Qt::LeftButton);
        });
        chankoScreen->exec();
        QCOMPARE(game.playerCopy.height, 181);
        QCOMPARE(game.playerCopy.weight, 129);
        QCOMPARE(game.playerCopy.baseStrength, 5);
        QCOMPARE(game.pointPool, 0);
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));   // chanko works on memory only
    }

    void longListGrowsTheAgeScreen()
    {
        // Everybody past 101 slows down for sure: forty long names.
        Game& game = m_game;
        for (std::size_t i = 0; i < 40; ++i) {
            game.roster[i].age = 150.0f;
            setShikona(game.roster[i], "Longshikona" + std::to_string(10 + i));
        }
        whenOpen(ageingScreen, [&] {
            QLabel* list = ageingScreen->RikishiAgeLabel;
            QVERIFY(list->text().startsWith(QStringLiteral("Longshikona10    Longshikona11    ")));
            QCOMPARE(list->text().size(), 40 * 17);
            QVERIFY(list->height() >= list->heightForWidth(list->width()));
            shoot(ageingScreen, "age-long.png");
            QTest::mouseClick(ageingScreen->m_okButton, Qt::LeftButton);
        });
        ageingScreen->exec();
        QCOMPARE(savedRoster()[39].age, 150.16f);
    }

    void wholeEndOfBashoThroughTheDialogs()
    {
        Game& game = m_game;
        for (Rikishi& r : game.roster) {
            r.day = 15;
            setRecord(r, 7);
        }
        setRecord(game.roster[0], 14);
        setRecord(game.roster[5], 13);
        game.roster[38].age = 40.0f;
        game.roster[38].potential = 3;
        game.roster[39].isPlayer = 1;
        setRecord(game.roster[39], 9);
        game.roster[39].potential = 2;
        game.rng.seed(77);

        QStringList opened;
        QTimer answerer;
        answerer.setInterval(5);
        connect(&answerer, &QTimer::timeout, this, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || (!opened.isEmpty() && opened.last() == w->windowTitle()))
                return;
            opened << w->windowTitle();
            if (w == yushoScreen) {
                QCOMPARE(yushoScreen->JunYushoWinners->text(), QStringLiteral("Jun-Yusho:  R05    "));
                QVERIFY(!yushoScreen->BeginKetteisenButton->isVisible());
                QCOMPARE(savedRoster()[0].yusho, 1);   // saved before any button press
                shoot(yushoScreen, "yusho.png");
                QTest::mouseClick(yushoScreen->OKButton, Qt::LeftButton);
            } else if (w == chankoScreen) {
                QCOMPARE(chankoScreen->PointsLeftLabel->text(), QStringLiteral("5"));   // 9 - 6 + 2
                QTest::mouseClick(chankoScreen->statButtons[2], Qt::LeftButton);
                QTest::mouseClick(chankoScreen->DoneButton, Qt::LeftButton);
            } else if (w == potentialScreen || w == ageingScreen) {
                QTest::mouseClick(w == ageingScreen ? ageingScreen->m_okButton : potentialScreen->m_okButton, Qt::LeftButton);
            } else if (w == newBanzukeScreen) {
                QLabel* text = newBanzukeScreen->PromotionDemotionLabel;
                QVERIFY(text->height() >= text->heightForWidth(text->width()));
                shoot(newBanzukeScreen, "new-banzuke.png");
                QTest::mouseClick(newBanzukeScreen->m_okButton, Qt::LeftButton);
            }
        });
        answerer.start();
        BashoEndDialogs dialogs;
        QVERIFY(!dialogs.stopped());
        runBashoEnd(game, dialogs);
        answerer.stop();

        QCOMPARE(opened, (QStringList{"Yusho", "Chanko", "Potential", "Age", "New Banzuke"}));
        QCOMPARE(yushoScreen->KetteisenAnnounceLabel->text(),
                 QStringLiteral("R00 takes the yusho with a 14 - 1 record!"));
        QVERIFY(newBanzukeScreen->PromotionDemotionLabel->text().endsWith(QStringLiteral("      Good luck next basho!")));
        QVERIFY(newBanzukeScreen->PromotionDemotionLabel->text().contains(QStringLiteral("considers retirement")));
        const Roster saved = savedRoster();
        QCOMPARE(std::memcmp(saved.data(), game.roster.data(), sizeof(Roster)), 0);
        const int player = findPlayer(saved);
        QVERIFY(player >= 0);
        const Rikishi& me = saved[static_cast<std::size_t>(player)];
        QCOMPARE(me.tachiai, 6);   // the chanko click came back into the roster
        QCOMPARE(game.curDay, 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeBout m_bout;
};

QTEST_MAIN(BashoEndScreensTest)
#include "BashoEndScreensTest.moc"
