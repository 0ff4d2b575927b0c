// Every screen that fills itself from the save file, over damaged files:
// no crash, no hang, and never a screen left with every button disabled.
#include "screens/bout/BoutScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "screens/Controls.h"
#include "screens/WindowPlacement.h"
#include "tests/support/WholeGame.h"

#include <QLabel>
#include <QTemporaryDir>

#include <climits>
#include <cstring>
#include <limits>

namespace {

struct Damage {
    const char* name;
    std::function<void(Roster&)> apply;
    int dayAfter; // the file's day after three presses on the day results screen
    std::size_t fileSize = 8000;
};

void setDay(Roster& roster, int day)
{
    for (Rikishi& r : roster)
        r.day = day;
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class DamagedFilesScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QCOMPARE(loadRoster(m_career, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
    }

    void screensSurviveDamagedFiles_data()
    {
        QTest::addColumn<Damage>("damage");
        for (const Damage& d : std::initializer_list<Damage>{
                 {"day 0", [](Roster& r) { setDay(r, 0); }, 0},
                 {"day 16", [](Roster& r) { setDay(r, 16); }, 1},
                 {"day -5", [](Roster& r) { setDay(r, -5); }, -5},
                 {"day 2^31-1", [](Roster& r) { setDay(r, INT_MAX); }, INT_MAX},
                 {"rank 5 and 255", [](Roster& r) { r[0].rank = 5; r[20].rank = 255; r[39].rank = 255; }, 3},
                 {"no player", [](Roster& r) { r[39].isPlayer = 0; }, 1},
                 {"two players", [](Roster& r) { r[12].isPlayer = 1; }, 1},
                 {"NaN and huge ages on the last day",
                  [](Roster& r) {
                      setDay(r, 15);
                      for (std::size_t i = 0; i < r.size(); ++i)
                          r[i].age = i % 2 ? std::numeric_limits<float>::quiet_NaN() : 3e38f;
                  },
                  1},
                 {"names without terminators",
                  [](Roster& r) {
                      for (Rikishi& x : r) {
                          std::memset(x.shikona, 'N', sizeof x.shikona);
                          std::memset(x.realName, 'M', sizeof x.realName);
                      }
                  },
                  3},
                 {"7999 bytes", [](Roster&) {}, 3, 7999}})
            QTest::newRow(d.name) << d;
    }

    void screensSurviveDamagedFiles()
    {
        QFETCH(Damage, damage);
        writeCareer(damage);
        startGame(nullptr, m_driver);
        browse();
        playDays(3);
        browse();

        Roster after{};
        QCOMPARE(loadRoster(after, "rikishi.r"), LoadResult::Loaded);
        QCOMPARE(after[0].day, damage.dayAfter);
        if (damage.dayAfter == 3)
            QCOMPARE(m_driver->openings(screens().boutScreen()), 2); // two bouts were fought by their buttons
    }

    void markupInARingNameIsShownAsText()
    {
        writeCareer({"markup", [](Roster& r) { setShikona(r[38], "<b>Big</b>"); }, 1});
        startGame(nullptr, m_driver);
        screens().dayResultsScreen()->openFromMainMenu();
        // Line 0 of day 1 is the player's pair: slot 38 against slot 39.
        QCOMPARE(screens().dayResultsScreen()->m_resultLabels[0]->text(), QStringLiteral("<b>Big</b>"));
        QCOMPARE(screens().dayResultsScreen()->m_resultLabels[0]->textFormat(), Qt::PlainText);
    }

private:
    void writeCareer(const Damage& damage)
    {
        Roster roster = m_career;
        damage.apply(roster);
        QVERIFY(saveRoster(roster, "rikishi.r"));
        QFile::resize("rikishi.r", static_cast<qint64>(damage.fileSize));
    }

    void browse()
    {
        bringUp(screens().rikishiViewer());
        for (int n = 1; n <= 40; ++n)
            screens().rikishiViewer()->m_numberBar->setValue(n);
        QVERIFY(isOffered(screens().rikishiViewer()->m_closeButton));
        screens().rikishiViewer()->hide();

        bringUp(screens().banzukeScreen());
        QVERIFY(isOffered(screens().banzukeScreen()->m_closeButton));
        screens().banzukeScreen()->hide();
    }

    // Plays days through the day results screen; the driver fights the bouts
    // and closes every modal screen. At every point some way on is offered.
    void playDays(int days)
    {
        screens().dayResultsScreen()->openFromMainMenu();
        for (int i = 0; i <= days && screens().dayResultsScreen()->isVisible(); ++i) {
            QPushButton* next = wayOn(screens().dayResultsScreen());
            QVERIFY2(next || isOffered(screens().dayResultsScreen()->m_mainMenuButton), "the day results screen offers no way on");
            if (!next || i == days)
                break;
            QTest::mouseClick(next, Qt::LeftButton);
        }
    }

    Roster m_career{};
    QTemporaryDir m_dir;
    std::unique_ptr<ModalDriver> m_driver;
};

KIRIMAKI_GAME_TEST_MAIN(DamagedFilesScreenTest)

#include "DamagedFilesScreenTest.moc"
