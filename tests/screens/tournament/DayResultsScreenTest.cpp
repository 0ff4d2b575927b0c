// The day results screen's own mends on the offscreen platform; a whole
// basho by its buttons is proven by the golden scenarios played through it.
#include "screens/tournament/DayResultsScreen.h"

#include "rules/core/SaveFile.h"
#include "screens/ErrorBox.h"
#include "tests/support/DayFixtures.h"
#include "tests/support/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>

namespace {

QByteArray fileBytes()
{
    QFile f(QString::fromLatin1(kSaveFileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class KekkaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    Game m_game;   // the career these screens work on
    std::unique_ptr<DayResultsScreen> m_kekka;
    FakeBout m_bout;
    FakeBashoEnd m_end;

    // Writes the career, then makes the screen.
    DayResultsScreen& start(const Roster& roster)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        saveRoster(roster);
        m_kekka = std::make_unique<DayResultsScreen>(m_game);
        m_kekka->setPlayerBout(&m_bout);
        m_kekka->setBashoEndScreens(&m_end);
        return *m_kekka;
    }

private slots:
    void initTestCase() { errorBox = new ErrorBox; }

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
        // While it is open the day's handlers refuse to run again.
        QDialog fight;
        m_bout.during = [&fight, &k] {
            k.fightPlayersBout();
            k.runDay();
            QTimer::singleShot(50, &fight, [&fight] { fight.accept(); });
            fight.exec();
        };
        QTest::mouseClick(k.GoToFight, Qt::LeftButton);
        QCOMPARE(m_bout.fought, 1);
        QVERIFY(QTest::qWaitForWindowActive(&k));
        QTest::qWait(50);
        QCOMPARE(k.DayLabel->text(), QStringLiteral("3"));
        QCOMPARE(k.focusWidget(), k.NextDayButton);

        switchAwayAndBack();   // day done: coming back produces day 4
        QCOMPARE(k.DayLabel->text(), QStringLiteral("4"));
        QVERIFY(k.GoToFight->isVisible());
    }

    void aMissingFileShowsTheErrorBoxAndCloses()
    {
        DayResultsScreen& k = start(makeRoster(1));
        QFile::remove(QString::fromLatin1(kSaveFileName));
        ModalDriver driver;
        k.openFromMainMenu();
        QCOMPARE(driver.openings(errorBox), 1);
        QTRY_VERIFY(!k.isVisible());
        QVERIFY(!QFile::exists(QString::fromLatin1(kSaveFileName)));
    }
};

QTEST_MAIN(KekkaTest)
#include "DayResultsScreenTest.moc"
