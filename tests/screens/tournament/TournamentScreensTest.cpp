// The day results, the viewer and the banzuke view: their own mends on the
// offscreen platform. A whole basho by the buttons and its captions are
// proven by the golden scenarios played through the screens, the day's
// activations by the whole game's pitfalls test.
#include "rules/career/NewCareer.h"
#include "rules/core/SaveFile.h"
#include "screens/ErrorBox.h"
#include "screens/SaveReport.h"
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
    Game m_game; // the career these screens work on
    ErrorBox* m_errorBox = nullptr;

private slots:
    void initTestCase()
    {
        m_errorBox = new ErrorBox;
        setFileErrorReporter([this](QWidget*, const std::string& savePath) { m_errorBox->showFor(savePath); });
    }
    void cleanupTestCase()
    {
        setFileErrorReporter(nullptr);
        delete m_errorBox;
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_game = Game();
    }

    void everyScreenWithoutAFileReportsAndCloses()
    {
        ModalDriver driver;
        QStringList told; // the box names the full path it looked for
        driver.m_anyOpening = [&told](QWidget* box) {
            for (QLabel* l : box->findChildren<QLabel*>())
                told << l->text();
        };
        DayResultsScreen day(m_game);
        day.beginBasho(); // as at start-up
        day.openFromMainMenu();
        RikishiViewer viewer(m_game); // the viewer loads once at start-up and again when shown
        viewer.showViewedRikishi();
        viewer.show();
        BanzukeScreen banzuke(m_game);
        banzuke.show();
        QCOMPARE(driver.openings(m_errorBox), 5);
        QTRY_VERIFY(!day.isVisible() && !viewer.isVisible() && !banzuke.isVisible());
        QCOMPARE(viewer.m_shikonaLabel->text(), QString());
        QVERIFY(banzuke.m_nameButtons.empty());
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
        BanzukeScreen banzuke(m_game);
        connect(&banzuke, &BanzukeScreen::rikishiChosen, &viewer, &RikishiViewer::showRikishi);
        banzuke.show();
        const auto button = [&](int slot) {
            return banzuke.m_listWidget->findChild<QPushButton*>(QStringLiteral("NameButton%1").arg(slot));
        };
        QCOMPARE(button(4)->text(), QStringLiteral("Tom && Jerry")); // shown as typed, no mnemonic
        // A second showing rebuilds the list instead of adding to it.
        const qsizetype labels = banzuke.m_listWidget->findChildren<QLabel*>().size();
        banzuke.close();
        banzuke.show();
        QCOMPARE(banzuke.m_listWidget->findChildren<QPushButton*>().size(), 40);
        QCOMPARE(banzuke.m_listWidget->findChildren<QLabel*>().size(), labels);

        // A name opens the viewer on him; an open viewer is only raised.
        QTest::mouseClick(button(5), Qt::LeftButton);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        QTest::mouseClick(button(39), Qt::LeftButton);
        QCOMPARE(m_game.viewNumber, 40);
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        viewer.close();
        viewer.show();
        QCOMPARE(viewer.m_shikonaLabel->text(), QStringLiteral("Kiriarashi"));
    }
};

QTEST_MAIN(TournamentScreensTest)
#include "TournamentScreensTest.moc"
