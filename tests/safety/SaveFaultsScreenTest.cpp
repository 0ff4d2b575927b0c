// Every save of a basho played through the game's screens, failed in each
// way a save can fail: the player is told once, the file keeps a whole
// career, the same button retries, and the basho ends with every bout
// counted once.
#include "screens/bout/BoutScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "tests/support/TempDir.h"
#include "tests/support/WholeGame.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

#include <filesystem>
#include <vector>

namespace {

// The file as a day begins: the day advanced, nothing of it decided yet.
bool startsADay(const Roster& r)
{
    for (const Rikishi& x : r)
        if (x.day < 1 || x.day > 15 || x.cbw + x.cbl != x.day - 1)
            return false;
    return true;
}

} // namespace

class SaveFaultsScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Some five thousand flushed saves: on a memory file system when there
        // is one, where a flush costs nothing.
        if (std::filesystem::is_directory("/dev/shm"))
            qputenv("TMPDIR", "/dev/shm");
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void everySaveOfABashoFailsOnceInEachWayAndTheBashoStillEndsWhole()
    {
        Roster start{};
        QCOMPARE(loadRoster(start, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
        QVERIFY(startsADay(start) && start[0].day == 1);

        // The clean basho: the roster of each save, in order.
        std::vector<Roster> saved{start};
        playBasho(start, [&saved](const Roster& r) {
            saved.push_back(r);
            return SaveFailure::None;
        });
        setSaveFaultHook({});
        QVERIFY(m_boxes.isEmpty());
        const std::size_t saves = saved.size() - 1;
        QVERIFY(saves > 40); // each day's step, bout Close and advance; the basho's end

        const std::string fullPath = std::filesystem::absolute(kSaveFileName).string();

        for (std::size_t k = 1; k <= saves; ++k) {
            // Played from the start of the day of save k; the saves of that day
            // and after come in the same order as in the clean basho.
            std::size_t from = k - 1;
            while (!startsADay(saved[from]))
                --from;
            for (SaveFailure kind : {SaveFailure::CreateTemporary, SaveFailure::Write, SaveFailure::Flush,
                                     SaveFailure::Rename}) {
                const QByteArray context = QByteArray("save ") + QByteArray::number(int(k)) + " (" +
                                           QByteArray::number(saved[k][0].day) + "), kind " + QByteArray::number(int(kind));
                std::size_t count = 0;
                Roster lastWritten = saved[from];
                int intactWhenTold = 0;
                const SaveFaultHook faults = [&](const Roster& r) {
                    if (++count != k - from) {
                        lastWritten = r;
                        return SaveFailure::None;
                    }
                    return kind;
                };
                // When the player is told, the file is the career as the last
                // good save left it: before the failed step, nothing in between.
                playBasho(saved[from], faults, [&] { intactWhenTold += sameRoster(fileRoster(), lastWritten); });
                setSaveFaultHook({});
                QVERIFY2(intactWhenTold == 1, context + ": the file was not the one before the step");

                QVERIFY2(m_boxes.size() == 1, context + ": told " + QByteArray::number(m_boxes.size()) + " times");
                QVERIFY2(m_boxes[0].contains(QString::fromStdString(fullPath)), context);
                QVERIFY2(m_boxes[0].contains(QStringLiteral("Nothing was lost")), context);
                QVERIFY2(m_daysFought == 16 - saved[from][0].day, context + ": bouts fought again or not at all");

                // The basho ended and every bout of it is counted once.
                const Roster end = fileRoster();
                QVERIFY2(startsADay(end) && end[0].day == 1, context);
                QVERIFY2(bashoNotCountedOnce(start, end).empty(), context + " " + bashoNotCountedOnce(start, end).c_str());
                QVERIFY2(temporarySavesIn(".").empty(), context);
            }
        }
    }

    void aFileWrittenBehindAnOpenBoutIsKeptAndThePlayerIsTold()
    {
        Roster start{};
        QCOMPARE(loadRoster(start, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
        startGame(&start, m_driver);
        m_boxes.clear();
        // While the bout is fought, a program that takes no lock (an older
        // version, a copy put back by hand) writes its own career.
        Roster newer = start;
        newer[0].rlw += 1;
        m_driver->m_anyOpening = [this, &newer](QWidget* w) {
            if (w == screens().boutScreen())
                QVERIFY(saveRoster(newer));
            if (auto* box = qobject_cast<QMessageBox*>(w))
                m_boxes << box->text();
        };
        QTest::mouseClick(screens().mainMenu()->m_tournamentButton, Qt::LeftButton);
        QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
        // Neither the bout's Close nor the day's advance saved over it, and
        // the player heard of it once, with no button offered to retry.
        QCOMPARE(fileBytes(), QByteArray(reinterpret_cast<const char*>(newer.data()), sizeof newer));
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY(m_boxes[0].contains(QStringLiteral("another program")));
        QVERIFY(!m_boxes[0].contains(QStringLiteral("try again")));
        QVERIFY(temporarySavesIn(".").empty());
        // Pressing on, the game works on the newer file: its day is produced
        // and fought, every bout counted once.
        m_driver->m_anyOpening = {};
        for (int presses = 0; presses < 2 && wayOn(screens().dayResultsScreen()); ++presses)
            QTest::mouseClick(wayOn(screens().dayResultsScreen()), Qt::LeftButton);
        const Roster after = fileRoster();
        QCOMPARE(after[0].rlw, newer[0].rlw);
        QCOMPARE(after[0].day, 2);
        for (const Rikishi& r : after)
            QCOMPARE(r.cbw + r.cbl, 1);
    }

private:
    // Starts the game on `career` and plays the basho by pressing whatever
    // the day results screen offers, until its end closes the screen.
    // `faults` watches the saves of the game (not the writing of `career`).
    void playBasho(const Roster& career, const SaveFaultHook& faults, const std::function<void()>& whenTold = {})
    {
        setSaveFaultHook({});
        startGame(&career, m_driver);
        setSaveFaultHook(faults);
        m_boxes.clear();
        m_daysFought = 0;
        m_driver->m_anyOpening = [this, whenTold](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                m_boxes << box->text();
                if (whenTold)
                    whenTold();
            }
            if (w == screens().boutScreen() && gameState().curDay <= 15)
                ++m_daysFought;
        };
        QTest::mouseClick(screens().mainMenu()->m_tournamentButton, Qt::LeftButton);
        for (int presses = 0; screens().dayResultsScreen()->isVisible(); ++presses) {
            QPushButton* next = wayOn(screens().dayResultsScreen());
            QVERIFY2(next && presses < 100, "the day results screen offered no way on");
            QTest::mouseClick(next, Qt::LeftButton);
        }
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ModalDriver> m_driver;
    QStringList m_boxes; // the texts of the message boxes shown
    int m_daysFought = 0; // the player's bouts on tournament days
};

KIRIMAKI_GAME_TEST_MAIN(SaveFaultsScreenTest)
#include "SaveFaultsScreenTest.moc"
