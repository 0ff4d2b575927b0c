// The day results, the viewer and the banzuke view: their own mends on the
// offscreen platform. A whole basho by the buttons and its captions are
// proven by the golden scenarios played through the screens, the day's
// activations by the whole game's pitfalls test.
#include "rules/career/NewCareer.h"
#include "rules/core/SaveFile.h"
#include "screens/ErrorBox.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "tests/support/DayFixtures.h"
#include "tests/support/ModalDriver.h"

#include <QLabel>
#include <QTemporaryDir>

#include <memory>

namespace {

// Saves a new career, changed by `edit`, as rikishi.r in the current folder,
// as another program would write it behind the screens.
void saveCareer(const std::function<void(Roster&)>& edit = {})
{
    Game game;
    buildNewCareer(game, CreationValues());
    if (edit)
        edit(game.roster);
    QVERIFY(saveRoster(game.roster));
}

// The texts of the named labels, joined by spaces.
QString texts(QWidget* screen, std::initializer_list<const char*> labels)
{
    QStringList out;
    for (const char* label : labels)
        if (auto* l = screen->findChild<QLabel*>(QString::fromLatin1(label)))
            out << l->text();
    return out.join(' ');
}

} // namespace

class TournamentScreensTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    Game m_game;   // the career these screens work on

private slots:
    void initTestCase() { errorBox = new ErrorBox; }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = Game();
    }

    void everyScreenWithoutAFileReportsAndCloses()
    {
        ModalDriver driver;
        QStringList told;   // the box names the full path it looked for
        driver.anyOpening = [&told](QWidget* box) {
            for (QLabel* l : box->findChildren<QLabel*>())
                told << l->text();
        };
        DayResultsScreen day(m_game);
        day.openFromMainMenu();
        RikishiViewer viewer(m_game);   // the viewer loads once when made and again when shown
        viewer.show();
        BanzukeScreen banzuke(m_game);
        banzuke.show();
        QCOMPARE(driver.openings(errorBox), 5);   // the day results too when made
        QTRY_VERIFY(!day.isVisible() && !viewer.isVisible() && !banzuke.isVisible());
        QCOMPARE(viewer.Shikona->text(), QString());
        QVERIFY(banzuke.nameButtons.empty());
        QVERIFY(told.contains(QStringLiteral("at %1.").arg(QDir(m_dir->path()).absoluteFilePath("rikishi.r"))));
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
    }

    void viewerShowsTheRecordsReadAtEveryShowing()
    {
        saveCareer([](Roster& roster) { roster[34].lbw = 13; });
        RikishiViewer viewer(m_game);
        viewer.showRikishi(40);
        QCOMPARE(texts(&viewer, {"Shikona", "height", "weight", "age", "strength", "power", "lbl"}),
                 QStringLiteral("Kiriarashi 180 130 21 -1 18 15"));

        // A page step moves the number by 5 and shows that wrestler.
        viewer.m_numberBar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(m_game.viewNumber, 35);
        QCOMPARE(texts(&viewer, {"numberLabel", "lbw", "lbl", "lbp"}), QStringLiteral("35 13 2 86"));

        // Closing and opening again keeps the number and reads the file afresh.
        viewer.closeViewer();
        saveCareer([](Roster& roster) { roster[34].cbw = 7; });
        viewer.show();
        QCOMPARE(texts(&viewer, {"numberLabel", "cbw", "cbp"}), QStringLiteral("35 7 100"));
    }

    void banzukeShowsNamesAsTypedRebuildsAndOpensTheViewerOnce()
    {
        saveCareer([](Roster& roster) { setShikona(roster[4], "Tom & Jerry"); });
        RikishiViewer viewer(m_game);
        rikishiViewer = &viewer;
        BanzukeScreen banzuke(m_game);
        banzuke.show();
        const auto button = [&](int slot) {
            return banzuke.list->findChild<QPushButton*>(QStringLiteral("NameButton%1").arg(slot));
        };
        QCOMPARE(button(4)->text(), QStringLiteral("Tom && Jerry"));   // shown as typed, no mnemonic
        // A second showing rebuilds the list instead of adding to it.
        const qsizetype labels = banzuke.list->findChildren<QLabel*>().size();
        banzuke.close();
        banzuke.show();
        QCOMPARE(banzuke.list->findChildren<QPushButton*>().size(), 40);
        QCOMPARE(banzuke.list->findChildren<QLabel*>().size(), labels);

        // A name opens the viewer on him; an open viewer is only raised.
        QTest::mouseClick(button(5), Qt::LeftButton);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        QTest::mouseClick(button(39), Qt::LeftButton);
        QCOMPARE(m_game.viewNumber, 40);
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        viewer.close();
        viewer.show();
        QCOMPARE(viewer.Shikona->text(), QStringLiteral("Kiriarashi"));
        rikishiViewer = nullptr;
    }
};

QTEST_MAIN(TournamentScreensTest)
#include "TournamentScreensTest.moc"
