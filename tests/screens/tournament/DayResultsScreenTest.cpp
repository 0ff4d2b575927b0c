// The day results screen and the leaderboard, clicked through on the offscreen platform.
#include "screens/tournament/DayResultsScreen.h"

#include "rules/core/SaveFile.h"
#include "screens/ErrorBox.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "tests/support/DayFixtures.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Answers the modal screens the day results screen opens: OK on the
// leaderboard (remembering its texts), and the file-error box closed.
class ModalAnswerer : public QObject {
public:
    QStringList leaderboards;
    int errorBoxes = 0;
    std::function<void()> onLeaderboard;

    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w && w == leaderboardScreen && leaderboardScreen->OKButton->isVisible()) {
                leaderboards << leaderboardScreen->m_titleLabel->text() + "|" + leaderboardScreen->m_leadersLabel->text();
                if (onLeaderboard)
                    onLeaderboard();
                QTest::mouseClick(leaderboardScreen->OKButton, Qt::LeftButton);
            } else if (w && w == errorBox) {
                ++errorBoxes;
                errorBox->close();
            }
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

Roster fileRoster()
{
    Roster r{};
    loadRoster(r);
    return r;
}

QByteArray fileBytes()
{
    QFile f(QString::fromLatin1(kSaveFileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString line(const DayResultsScreen& k, int n)
{
    QStringList parts;
    for (int i = 0; i < 3; ++i)
        parts << k.m_resultLabels[static_cast<std::size_t>(3 * n + i)]->text();
    return parts.join(' ');
}

} // namespace

class KekkaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    Game m_game;   // the career these screens work on
    QString m_oldDir;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<DayResultsScreen> m_kekka;
    FakeBout m_bout;
    FakeBashoEnd m_end;
    int m_mainMenuShown = 0;

    // Writes the career, then makes the screen.
    DayResultsScreen& start(const Roster& roster)
    {
        saveRoster(roster);
        m_kekka = std::make_unique<DayResultsScreen>(m_game);
        m_kekka->setPlayerBout(&m_bout);
        m_kekka->setBashoEndScreens(&m_end);
        m_kekka->showMainMenu = [this] { ++m_mainMenuShown; };
        return *m_kekka;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir->path());
        m_game = Game{};
        errorBox = new ErrorBox;
        leaderboardScreen = new LeaderboardScreen(m_game);
        m_answerer = std::make_unique<ModalAnswerer>();
        m_bout = FakeBout{};
        m_end = FakeBashoEnd{};
        m_end.saved = [](Game& g) { saveRoster(g.roster, g.savePath); };
        m_mainMenuShown = 0;
    }

    void cleanup()
    {
        m_kekka.reset();
        m_answerer.reset();
        delete leaderboardScreen;
        leaderboardScreen = nullptr;
        delete errorBox;
        errorBox = nullptr;
        QDir::setCurrent(m_oldDir);
        m_dir.reset();
    }

    void listsDayOneWithFightOnThePlayersLine()
    {
        DayResultsScreen& k = start(makeRoster(1));
        QCOMPARE(k.windowTitle(), QStringLiteral(" Kekka"));
        k.openFromMainMenu();
        QCOMPARE(k.m_dayCaptionLabel->text() + k.DayLabel->text() + k.m_resultsCaptionLabel->text(), QStringLiteral("Day1Results"));
        QCOMPARE(line(k, 0), QStringLiteral("R38 VS. R39"));
        QVERIFY(QStringList({"defeats", "henkas", "upsets"}).contains(k.m_resultLabels[4]->text()));
        QCOMPARE(k.GoToFight->pos(), QPoint(120, 30));   // over the player's "VS."
        QVERIFY(k.GoToFight->isVisible());
        QCOMPARE(k.m_resultLabels[30]->pos(), QPoint(328, 32));
        QCOMPARE(k.m_resultLabels[59]->pos(), QPoint(512, 32 + 9 * 32));
        QVERIFY(!k.MainMenuButton->isEnabled() && !k.NextDayButton->isEnabled() && !k.ShowBanzukeButton->isEnabled());
        QCOMPARE(bouts(fileRoster()[0]), 1);

        // Closing and reopening shows the same pending day and writes nothing.
        const QByteArray before = fileBytes();
        const QString shown = line(k, 5);
        k.close();
        k.openFromMainMenu();
        QCOMPARE(line(k, 5), shown);
        QVERIFY(k.GoToFight->isVisible());
        QCOMPARE(fileBytes(), before);
    }

    void playsABashoByItsButtons()
    {
        DayResultsScreen& k = start(makeRoster(1));
        m_bout.during = [&k] {   // while the bout is open the handlers refuse to run again
            k.fightPlayersBout();
            k.runDay();
        };
        k.openFromMainMenu();
        for (int day = 1; day <= 15; ++day) {
            QCOMPARE(k.DayLabel->text(), QString::number(day));
            QTest::mouseClick(k.GoToFight, Qt::LeftButton);
            QCOMPARE(m_bout.fought, day);
            if (day == 15)
                break;
            QCOMPARE(k.DayLabel->text(), QString::number(day));
            QVERIFY(!k.GoToFight->isVisible());
            QVERIFY(k.MainMenuButton->isEnabled() && k.ShowBanzukeButton->isEnabled());
            QCOMPARE(k.focusWidget(), k.NextDayButton);
            QCOMPARE(fileRoster()[39].cbw * 100 + fileRoster()[0].day, day * 100 + day + 1);
            QTest::mouseClick(k.NextDayButton, Qt::LeftButton);
        }
        QCOMPARE(m_answerer->leaderboards.size(), 7);
        QVERIFY(m_answerer->leaderboards[0].startsWith("Tournament Leaderboard After 8 Days|With 0 losses:    "));
        QVERIFY(m_answerer->leaderboards[6].startsWith("Tournament Leaderboard After 14 Days|"));
        QVERIFY(!k.isVisible());
        QCOMPARE(fileRoster()[39].lbw, 15);   // the basho was closed and written
        k.openFromMainMenu();   // the next basho
        QCOMPARE(k.DayLabel->text(), QStringLiteral("1"));
        QVERIFY(k.GoToFight->isVisible());
    }

    void aSwitchFromAnotherWindowProducesOnlyAfterTheDayIsDone()
    {
        DayResultsScreen& k = start(makeRoster(3));
        QWidget other;
        other.show();
        k.openFromMainMenu();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        const auto switchAwayAndBack = [&] {
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            k.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&k));
            QTest::qWait(20);
        };
        const QByteArray pending = fileBytes();
        switchAwayAndBack();
        QCOMPARE(k.DayLabel->text(), QStringLiteral("3"));
        QCOMPARE(fileBytes(), pending);

        // The bout's window takes the focus and gives it back, which the window
        // system reports after the click's handler has ended: still day 3.
        QDialog fight;
        m_bout.during = [&fight] {
            QTimer::singleShot(50, &fight, [&fight] { fight.accept(); });
            fight.exec();
        };
        QTest::mouseClick(k.GoToFight, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&k));
        QTest::qWait(50);
        QCOMPARE(k.DayLabel->text(), QStringLiteral("3"));
        QCOMPARE(k.focusWidget(), k.NextDayButton);

        switchAwayAndBack();   // day done: coming back produces day 4
        QCOMPARE(k.DayLabel->text(), QStringLiteral("4"));
        QVERIFY(k.GoToFight->isVisible());
    }

    void aFileOutsideTheBashoSaysSoAndWritesNothing()
    {
        DayResultsScreen& k = start(makeRoster(23));
        const QByteArray before = fileBytes();
        k.openFromMainMenu();
        QVERIFY(k.MessageLabel->isVisible());
        QVERIFY(k.MessageLabel->text().contains("not at a tournament day: it holds day 23"));
        QVERIFY(!k.GoToFight->isVisible() && !k.FinishBashoButton->isVisible() && !k.m_resultLabels[0]->isVisible());
        QVERIFY(!k.NextDayButton->isEnabled());
        QTest::mouseClick(k.MainMenuButton, Qt::LeftButton);
        QCOMPARE(m_mainMenuShown, 1);
        QVERIFY(!k.isVisible());
        QCOMPARE(fileBytes(), before);
    }

    void aMissingFileShowsTheErrorBoxAndCloses()
    {
        DayResultsScreen& k = start(makeRoster(1));
        QFile::remove(QString::fromLatin1(kSaveFileName));
        k.openFromMainMenu();
        QCOMPARE(m_answerer->errorBoxes, 1);
        QTRY_VERIFY(!k.isVisible());
        QVERIFY(!QFile::exists(QString::fromLatin1(kSaveFileName)));
    }

    // With KIRIMAKI_SCREENSHOTS=dir: the new career of the test data played to
    // day 8, the screen with that bout pending, and the leaderboard after it.
    void screenshots()
    {
        const QString dir = QString::fromLocal8Bit(qgetenv("KIRIMAKI_SCREENSHOTS"));
        if (dir.isEmpty())
            QSKIP("set KIRIMAKI_SCREENSHOTS to a directory to save the pictures");
        Roster career{};
        QCOMPARE(loadRoster(career, KIRIMAKI_CAREER_FILE), LoadResult::Loaded);
        DayResultsScreen& k = start(career);
        m_answerer->onLeaderboard = [dir] { QVERIFY(leaderboardScreen->grab().save(dir + "/leaderboard.png")); };
        k.openFromMainMenu();
        for (int day = 1; day < 8; ++day) {
            m_bout.playerWins = day % 2 == 0;
            QTest::mouseClick(k.GoToFight, Qt::LeftButton);
            QTest::mouseClick(k.NextDayButton, Qt::LeftButton);
        }
        QVERIFY(k.grab().save(dir + "/kekka.png"));
        QTest::mouseClick(k.GoToFight, Qt::LeftButton);
        QCOMPARE(m_answerer->leaderboards.size(), 1);
    }
};

QTEST_MAIN(KekkaTest)
#include "DayResultsScreenTest.moc"
