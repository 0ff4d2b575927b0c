// The day results screen and the leaderboard, clicked through on the offscreen platform.
#include "tournament/KekkaUnit.h"

#include "core/SaveFile.h"
#include "shell/ErrorBox.h"
#include "shell/GameState.h"
#include "tournament/LeaderboardUnit.h"
#include "FakeDayHost.h"
#include "TestRoster.h"

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

// Answers the modal screens the day results screen opens: clicks OK on the
// leaderboard (remembering its texts) and closes the file-error box.
class ModalAnswerer : public QObject {
public:
    QStringList leaderboards;   // "title|leaders|chasers" per showing
    int errorBoxes = 0;
    std::function<void()> onLeaderboard;

    ModalAnswerer()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start();
    }

private:
    void answer()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w == Leaderboard && Leaderboard->OKButton->isVisible()) {
            leaderboards << Leaderboard->Label1->text() + "|" + Leaderboard->Label2->text() + "|" +
                                Leaderboard->Label3->text();
            if (onLeaderboard)
                onLeaderboard();
            QTest::mouseClick(Leaderboard->OKButton, Qt::LeftButton);
        } else if (w && w == ErrorBox) {
            ++errorBoxes;
            ErrorBox->close();
        }
    }
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

QString line(const TKekka& k, int n)
{
    return k.ResultLabels[3 * n]->text() + " " + k.ResultLabels[3 * n + 1]->text() + " " +
           k.ResultLabels[3 * n + 2]->text();
}

} // namespace

class KekkaTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newCareerListsDayOneWithFightOnThePlayersLine();
    void playsABashoByItsButtons();
    void aSwitchFromAnotherWindowProducesOnlyAfterTheDayIsDone();
    void aRestartInTheMiddleOfADayOffersTheSameBout();
    void aFileOutsideTheBashoSaysSoAndWritesNothing();
    void aFileAtDaySixteenFinishesTheBasho();
    void aMissingFileShowsTheErrorBoxAndCloses();
    void screenshots();

private:
    // Writes the career, then makes the screen as the start-up does.
    void start(const Roster& roster);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<TKekka> m_kekka;
    FakeBout m_bout;
    FakeBashoEnd m_end;
    int m_mainMenuShown = 0;
};

void KekkaTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    gameState() = Game{};
    ErrorBox = new TErrorBox;
    Leaderboard = new TLeaderboard;
    m_answerer = std::make_unique<ModalAnswerer>();
    m_bout = FakeBout{};
    m_end = FakeBashoEnd{};
    m_end.afterBanzuke = [](Game& g) { saveRoster(g.roster, g.savePath); };
    m_mainMenuShown = 0;
}

void KekkaTest::cleanup()
{
    m_kekka.reset();
    m_answerer.reset();
    delete Leaderboard;
    Leaderboard = nullptr;
    delete ErrorBox;
    ErrorBox = nullptr;
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

void KekkaTest::start(const Roster& roster)
{
    QVERIFY(saveRoster(roster));
    m_kekka = std::make_unique<TKekka>();
    Kekka = m_kekka.get();
    m_kekka->setPlayerBout(&m_bout);
    m_kekka->setBashoEndScreens(&m_end);
    m_kekka->showMainMenu = [this] { ++m_mainMenuShown; };
    m_kekka->showBanzuke = [] {};
}

void KekkaTest::newCareerListsDayOneWithFightOnThePlayersLine()
{
    start(makeRoster(1));
    TKekka& k = *m_kekka;
    QCOMPARE(k.windowTitle(), QStringLiteral(" Kekka"));
    QCOMPARE(gameState().lastResultsDay, 0);
    k.openFromMainMenu();
    QVERIFY(QTest::qWaitForWindowExposed(&k));

    QCOMPARE(k.justalabel->text(), QStringLiteral("Day"));
    QCOMPARE(k.DayLabel->text(), QStringLiteral("1"));
    QCOMPARE(k.results->text(), QStringLiteral("Results"));
    QCOMPARE(line(k, 0), QStringLiteral("R38 VS. R39"));
    QVERIFY(k.GoToFight->isVisible());
    QCOMPARE(k.GoToFight->pos(), QPoint(120, 30));
    QCOMPARE(k.ResultLabels[59]->pos(), QPoint(512, 32 + 9 * 32));
    QCOMPARE(k.ResultLabels[30]->pos(), QPoint(328, 32));
    QVERIFY(!k.MainMenuButton->isEnabled());
    QVERIFY(!k.NextDayButton->isEnabled());
    QVERIFY(!k.ShowBanzukeButton->isEnabled());
    // Computer lines carry their verb; the top pair stands bottom right.
    QVERIFY(QStringList({"defeats", "henkas", "upsets"}).contains(k.ResultLabels[4]->text()));
    QVERIFY(line(k, 19).contains("R00") && line(k, 19).contains("R06"));
    const Roster saved = fileRoster();
    QCOMPARE(saved[0].cbw + saved[0].cbl, 1);
    QCOMPARE(saved[39].cbw + saved[39].cbl, 0);

    // Closing and reopening shows the same pending day, and writes nothing.
    const QByteArray before = fileBytes();
    const QString shown = line(k, 5);
    k.close();
    k.openFromMainMenu();
    QCOMPARE(line(k, 5), shown);
    QVERIFY(k.GoToFight->isVisible());
    QCOMPARE(fileBytes(), before);
}

void KekkaTest::playsABashoByItsButtons()
{
    start(makeRoster(1));
    TKekka& k = *m_kekka;
    // While the bout is open, the screen's handlers refuse to run again.
    m_bout.during = [&k] {
        k.GoToFightClick();
        k.FormShow();
    };
    k.openFromMainMenu();
    for (int day = 1; day <= 15; ++day) {
        QCOMPARE(k.DayLabel->text(), QString::number(day));
        QVERIFY(k.GoToFight->isVisible());
        QTest::mouseClick(k.GoToFight, Qt::LeftButton);
        QCOMPARE(m_bout.fought, day);
        if (day == 15)
            break;
        // Day done: the same day on screen, Next Day offered and focused.
        QCOMPARE(k.DayLabel->text(), QString::number(day));
        QVERIFY(!k.GoToFight->isVisible());
        QVERIFY(k.NextDayButton->isEnabled());
        QVERIFY(k.MainMenuButton->isEnabled());
        QVERIFY(k.ShowBanzukeButton->isEnabled());
        QCOMPARE(k.focusWidget(), k.NextDayButton);
        const Roster saved = fileRoster();
        QCOMPARE(saved[0].day, day + 1);
        QCOMPARE(saved[39].cbw, day);
        QTest::mouseClick(k.NextDayButton, Qt::LeftButton);
    }
    QCOMPARE(m_answerer->leaderboards.size(), 7);
    QVERIFY(m_answerer->leaderboards[0].startsWith("Tournament Leaderboard After 8 Days|With 0 losses:    "));
    QVERIFY(m_answerer->leaderboards[0].contains("R39    "));
    QVERIFY(m_answerer->leaderboards[6].startsWith("Tournament Leaderboard After 14 Days|"));
    // After day 15 the end of the basho ran and the screen closed.
    QCOMPARE(m_end.calls, (std::vector<std::string>{"yusho", "chanko", "potential", "age", "newBanzuke"}));
    QVERIFY(!k.isVisible());
    QCOMPARE(fileRoster()[0].day, 1);
    QCOMPARE(fileRoster()[39].lbw, 15);

    // The next basho opens on day 1 from the main menu.
    k.openFromMainMenu();
    QCOMPARE(k.DayLabel->text(), QStringLiteral("1"));
    QVERIFY(k.GoToFight->isVisible());
}

void KekkaTest::aSwitchFromAnotherWindowProducesOnlyAfterTheDayIsDone()
{
    start(makeRoster(3));
    TKekka& k = *m_kekka;
    QWidget other;
    other.resize(200, 100);
    other.show();
    k.openFromMainMenu();
    QVERIFY(QTest::qWaitForWindowActive(&k));
    const QByteArray pending = fileBytes();

    // Bout pending: switching away and back changes nothing.
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    k.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&k));
    QCOMPARE(k.DayLabel->text(), QStringLiteral("3"));
    QCOMPARE(fileBytes(), pending);

    // After the bout of day 3 the screen still shows day 3, Next Day focused,
    // although the bout's own window took the focus and gave it back (the
    // window system reports that after the click's handler has returned).
    // Like the game's bout screen, that window lives on, hidden.
    QDialog fight;
    fight.setWindowTitle(QStringLiteral("Fight"));
    m_bout.during = [&fight] {
        QTimer::singleShot(50, &fight, [&fight] { fight.accept(); });
        fight.exec();
    };
    QTest::mouseClick(k.GoToFight, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&k));
    QTest::qWait(50);
    QCOMPARE(k.DayLabel->text(), QStringLiteral("3"));
    QCOMPARE(k.focusWidget(), k.NextDayButton);

    // Day done: coming back from another window of the game produces day 4.
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    k.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&k));
    QTRY_COMPARE(k.DayLabel->text(), QStringLiteral("4"));
    QVERIFY(k.GoToFight->isVisible());
}

void KekkaTest::aRestartInTheMiddleOfADayOffersTheSameBout()
{
    start(makeRoster(5));
    m_kekka->openFromMainMenu();
    const QByteArray decided = fileBytes();
    m_kekka->close();
    m_kekka.reset();

    // The program starts again on the same file.
    gameState() = Game{};
    m_kekka = std::make_unique<TKekka>();
    m_kekka->setPlayerBout(&m_bout);
    m_kekka->setBashoEndScreens(&m_end);
    m_kekka->openFromMainMenu();
    TKekka& k = *m_kekka;
    QCOMPARE(k.DayLabel->text(), QStringLiteral("5"));
    for (int n = 0; n < 20; ++n)
        QCOMPARE(k.ResultLabels[3 * n + 1]->text(), QStringLiteral("VS."));
    QVERIFY(k.GoToFight->isVisible());
    QCOMPARE(fileBytes(), decided);
    QTest::mouseClick(k.GoToFight, Qt::LeftButton);
    for (const Rikishi& r : fileRoster())
        QCOMPARE(r.cbw + r.cbl, 1);
}

void KekkaTest::aFileOutsideTheBashoSaysSoAndWritesNothing()
{
    Roster roster = makeRoster(23);
    start(roster);
    TKekka& k = *m_kekka;
    const QByteArray before = fileBytes();
    k.openFromMainMenu();
    QVERIFY(k.MessageLabel->isVisible());
    QVERIFY(k.MessageLabel->text().contains("not at a tournament day"));
    QVERIFY(k.MessageLabel->text().contains("day 23"));
    QVERIFY(!k.GoToFight->isVisible());
    QVERIFY(!k.FinishBashoButton->isVisible());
    QVERIFY(!k.ResultLabels[0]->isVisible());
    QVERIFY(!k.NextDayButton->isEnabled());
    QVERIFY(k.MainMenuButton->isEnabled());
    QCOMPARE(fileBytes(), before);
    QTest::mouseClick(k.MainMenuButton, Qt::LeftButton);
    QCOMPARE(m_mainMenuShown, 1);
    QVERIFY(!k.isVisible());

    // A roster with no player's wrestler says what is wrong in the same way.
    roster = makeRoster(2);
    roster[39].isPlayer = 0;
    QVERIFY(saveRoster(roster));
    k.openFromMainMenu();
    QVERIFY(k.MessageLabel->text().contains("no wrestler of yours"));
    QVERIFY(k.MainMenuButton->isEnabled());
}

void KekkaTest::aFileAtDaySixteenFinishesTheBasho()
{
    start(makeRoster(16));
    TKekka& k = *m_kekka;
    k.openFromMainMenu();
    QVERIFY(k.FinishBashoButton->isVisible());
    QVERIFY(k.MessageLabel->text().contains("not finished"));
    QTest::mouseClick(k.FinishBashoButton, Qt::LeftButton);
    QCOMPARE(m_end.calls, std::vector<std::string>{"newBanzuke"});
    QVERIFY(!k.isVisible());
    QCOMPARE(fileRoster()[0].day, 1);
    k.openFromMainMenu();
    QCOMPARE(k.DayLabel->text(), QStringLiteral("1"));
    QVERIFY(!k.FinishBashoButton->isVisible());
    QVERIFY(k.GoToFight->isVisible());
}

void KekkaTest::aMissingFileShowsTheErrorBoxAndCloses()
{
    start(makeRoster(1));
    QFile::remove(QString::fromLatin1(kSaveFileName));
    m_kekka->openFromMainMenu();
    QCOMPARE(m_answerer->errorBoxes, 1);
    QTRY_VERIFY(!m_kekka->isVisible());
    QVERIFY(!QFile::exists(QString::fromLatin1(kSaveFileName)));
}

// With KIRIMAKI_SCREENSHOTS=dir, plays the new career of the test data to
// day 8 and saves the screen with that bout pending and the leaderboard after it.
void KekkaTest::screenshots()
{
    const QByteArray dir = qgetenv("KIRIMAKI_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("set KIRIMAKI_SCREENSHOTS to a directory to save the pictures");
    Roster career{};
    QCOMPARE(loadRoster(career, KIRIMAKI_CAREER_FILE), LoadResult::Loaded);
    start(career);
    m_answerer->onLeaderboard = [dir] {
        QVERIFY(Leaderboard->grab().save(QString::fromLocal8Bit(dir) + "/leaderboard.png"));
    };
    TKekka& k = *m_kekka;
    k.openFromMainMenu();
    for (int day = 1; day < 8; ++day) {
        m_bout.playerWins = day % 2 == 0;
        QTest::mouseClick(k.GoToFight, Qt::LeftButton);
        QTest::mouseClick(k.NextDayButton, Qt::LeftButton);
    }
    QCOMPARE(k.DayLabel->text(), QStringLiteral("8"));
    QVERIFY(k.grab().save(QString::fromLocal8Bit(dir) + "/kekka.png"));
    QTest::mouseClick(k.GoToFight, Qt::LeftButton);
    QCOMPARE(m_answerer->leaderboards.size(), 1);

    // And the offer to finish a basho whose end was cut short.
    for (Rikishi& r : career)
        r.day = 16;
    QVERIFY(saveRoster(career));
    k.openFromMainMenu();
    QVERIFY(k.FinishBashoButton->isVisible());
    QVERIFY(k.grab().save(QString::fromLocal8Bit(dir) + "/kekka-unfinished.png"));
}

QTEST_MAIN(KekkaTest)
#include "KekkaTest.moc"
