// The end-of-basho screens, clicked through on the offscreen platform.
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/BashoEndDialogs.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"

#include "tests/support/RosterFixture.h"
#include "rules/bout/PlayerBout.h"
#include "game/GameState.h"

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
private slots:
    void initTestCase()
    {
        DecideYusho = new TDecideYusho;
        Chanko = new TChanko;
        Potential = new TPotential;
        Age = new TAge;
        SortRikishi = new TSortRikishi;
        DecideYusho->setPlayerBout(&m_bout);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        gameState() = makeGame();
        m_bout = FakeBout();
    }

    void tieIsPlayedOffBehindTheBoutScreen()
    {
        Game& game = gameState();
        setRecord(game.roster[4], 12);
        setRecord(game.roster[39], 12);
        game.roster[39].isPlayer = 1;
        setShikona(game.roster[39], "Kiriyama");
        bool visibleDuringBout = false;
        m_bout.during = [&](Game& g) {
            visibleDuringBout = DecideYusho->isVisible();
            QCOMPARE(g.curDay, 16);
            // A late accelerator must not start a second playoff.
            DecideYusho->BeginKetteisenButtonClick();
        };
        bool checked = false;
        whenOpen(DecideYusho, [&] {
            QCOMPARE(DecideYusho->KetteisenAnnounceLabel->text(),
                     QStringLiteral("Kettei sen participants:   R04    Kiriyama    "));
            QVERIFY(!DecideYusho->OKButton->isVisible());
            QVERIFY(!DecideYusho->JunYushoWinners->isVisible());
            // The frame cannot close it before the playoff, and OK is not offered.
            QVERIFY(!DecideYusho->close());
            DecideYusho->OKButtonClick();
            QVERIFY(DecideYusho->isVisible());
            QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
            shoot(DecideYusho, "yusho-tie.png");

            QTest::mouseClick(DecideYusho->BeginKetteisenButton, Qt::LeftButton);
            QCOMPARE(m_bout.fought, 1);
            QVERIFY(visibleDuringBout);
            QCOMPARE(DecideYusho->KetteisenAnnounceLabel->text(), QStringLiteral("Kiriyama takes the yusho!"));
            QCOMPARE(DecideYusho->JunYushoWinners->text(), QStringLiteral("Jun-Yusho:  R04"));
            QVERIFY(!DecideYusho->BeginKetteisenButton->isVisible());
            QVERIFY(DecideYusho->OKButton->isVisible());
            QCOMPARE(savedRoster()[39].yusho, 1);
            QCOMPARE(savedRoster()[4].junyusho, 1);
            checked = true;
            QVERIFY(DecideYusho->close());   // decided: the frame may close it now
        });
        DecideYusho->exec();
        QVERIFY(checked);
    }

    void threeWayResultIsOnScreenDuringItsPause()
    {
        Game& game = gameState();
        for (auto [i, power] : {std::pair<std::size_t, int>{20, 0}, {21, 50}, {22, 100}}) {
            setRecord(game.roster[i], 13);
            game.roster[i].power = power;
        }
        // The rules' own test pins the texts and lengths of the pauses; here
        // each result must be readable on the screen while its pause lasts.
        QStringList shown;
        DecideYusho->pauseFor = [&](int) {
            QLabel* l = DecideYusho->KetteisenAnnounceLabel;
            // Visible, and laid out tall enough for the whole text.
            if (l->isVisible() && l->height() >= l->heightForWidth(l->width()))
                shown << l->text();
        };
        whenOpen(DecideYusho, [&] {
            QTest::mouseClick(DecideYusho->BeginKetteisenButton, Qt::LeftButton);
            QTest::mouseClick(DecideYusho->OKButton, Qt::LeftButton);
        });
        DecideYusho->exec();
        QCOMPARE(shown, (QStringList{"R21 defeats R20", "R22 defeats R21", "R22 defeats R20"}));
        QCOMPARE(savedRoster()[22].yusho, 1);
    }

    void chankoSpendsPointsOncePerOpening()
    {
        Game& game = gameState();
        setRecord(game.roster[39], 10);
        game.roster[39].potential = 1;
        setShikona(game.roster[39], "Kiriyama");
        game.playerCopy = game.roster[39];
        game.pointPool = 5;
        whenOpen(Chanko, [&] {
            QCOMPARE(Chanko->ChankoMessage->text(),
                     QStringLiteral("For your record of 10-5 this basho, you have been awarded 4 chanko points."
                                    "  For your increased potential, you have earned 1 chanko points."));
            QCOMPARE(Chanko->PointsLeftLabel->text(), QStringLiteral("5"));
            // Laid out for the texts at once: nothing clipped.
            QLabel* message = Chanko->ChankoMessage;
            QVERIFY(message->height() >= message->heightForWidth(message->width()));
            QVERIFY(Chanko->Label1->width() >= Chanko->Label1->sizeHint().width());
            shoot(Chanko, "chanko.png");

            QTest::mouseClick(Chanko->HeightButton, Qt::LeftButton);
            QCOMPARE(Chanko->HeightLabel->text(), QStringLiteral("181"));
            QVERIFY(!Chanko->HeightButton->isEnabled());
            // Showing or activating it again does not fill it again.
            Chanko->show();
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(Chanko, &activate);
            QVERIFY(!Chanko->HeightButton->isEnabled());
            QCOMPARE(Chanko->PointsLeftLabel->text(), QStringLiteral("2"));

            QTest::mouseClick(Chanko->WeightDecreaseButton, Qt::LeftButton);
            QCOMPARE(Chanko->WeightLabel->text(), QStringLiteral("129"));
            QCOMPARE(Chanko->PointsLeftLabel->text(), QStringLiteral("0"));
            for (std::size_t i = 0; i < kChankoButtonCount; ++i)
                QVERIFY(!Chanko->button(i)->isEnabled());
            // A click that arrives after its button was disabled changes nothing.
            Chanko->StrengthButtonClick(Chanko->statButtons[0]);
            QTest::mouseClick(Chanko->DoneButton, Qt::LeftButton);
        });
        Chanko->exec();
        QCOMPARE(game.playerCopy.height, 181);
        QCOMPARE(game.playerCopy.weight, 129);
        QCOMPARE(game.playerCopy.baseStrength, 5);
        QCOMPARE(game.pointPool, 0);
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));   // chanko works on memory only
    }

    void longListGrowsTheAgeScreen()
    {
        // Everybody past 101 slows down for sure: forty long names.
        Game& game = gameState();
        for (std::size_t i = 0; i < 40; ++i) {
            game.roster[i].age = 150.0f;
            setShikona(game.roster[i], "Longshikona" + std::to_string(10 + i));
        }
        whenOpen(Age, [&] {
            QLabel* list = Age->RikishiAgeLabel;
            QVERIFY(list->text().startsWith(QStringLiteral("Longshikona10    Longshikona11    ")));
            QCOMPARE(list->text().size(), 40 * 17);
            QVERIFY(list->height() >= list->heightForWidth(list->width()));
            shoot(Age, "age-long.png");
            QTest::mouseClick(Age->Button1, Qt::LeftButton);
        });
        Age->exec();
        QCOMPARE(savedRoster()[39].age, 150.16f);
    }

    void wholeEndOfBashoThroughTheDialogs()
    {
        Game& game = gameState();
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
            if (w == DecideYusho) {
                QCOMPARE(DecideYusho->JunYushoWinners->text(), QStringLiteral("Jun-Yusho:  R05    "));
                QVERIFY(!DecideYusho->BeginKetteisenButton->isVisible());
                QCOMPARE(savedRoster()[0].yusho, 1);   // saved before any button press
                shoot(DecideYusho, "yusho.png");
                QTest::mouseClick(DecideYusho->OKButton, Qt::LeftButton);
            } else if (w == Chanko) {
                QCOMPARE(Chanko->PointsLeftLabel->text(), QStringLiteral("5"));   // 9 - 6 + 2
                QTest::mouseClick(Chanko->statButtons[2], Qt::LeftButton);
                QTest::mouseClick(Chanko->DoneButton, Qt::LeftButton);
            } else if (w == Potential || w == Age) {
                QTest::mouseClick(w == Age ? Age->Button1 : Potential->Button1, Qt::LeftButton);
            } else if (w == SortRikishi) {
                QLabel* text = SortRikishi->PromotionDemotionLabel;
                QVERIFY(text->height() >= text->heightForWidth(text->width()));
                shoot(SortRikishi, "new-banzuke.png");
                QTest::mouseClick(SortRikishi->OKButton, Qt::LeftButton);
            }
        });
        answerer.start();
        BashoEndDialogs dialogs;
        QVERIFY(!dialogs.stopped());
        runBashoEnd(game, dialogs);
        answerer.stop();

        QCOMPARE(opened, (QStringList{"Yusho", "Chanko", "Potential", "Age", "New Banzuke"}));
        QCOMPARE(DecideYusho->KetteisenAnnounceLabel->text(),
                 QStringLiteral("R00 takes the yusho with a 14 - 1 record!"));
        QVERIFY(SortRikishi->PromotionDemotionLabel->text().endsWith(QStringLiteral("      Good luck next basho!")));
        QVERIFY(SortRikishi->PromotionDemotionLabel->text().contains(QStringLiteral("considers retirement")));
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
