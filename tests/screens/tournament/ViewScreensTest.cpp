// The Rikishi viewer and the banzuke view on a saved career.
#include "rules/career/NewCareer.h"
#include "screens/career/ScrollEventBar.h"
#include "rules/core/Game.h"
#include "screens/ErrorBox.h"
#include "tests/support/ModalDriver.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/RikishiViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Saves a new career, changed by `edit`, as rikishi.r in the current folder.
template <typename Edit>
void saveCareer(Edit edit)
{
    Game game;
    buildNewCareer(game, CreationValues());
    edit(game.roster);
    QVERIFY(game.save());
}

void saveNewCareer() { saveCareer([](Roster&) {}); }

// The texts of the named labels, joined by spaces.
QString texts(QWidget* screen, std::initializer_list<const char*> labels)
{
    QStringList out;
    for (const char* label : labels) {
        auto* l = screen->findChild<QLabel*>(QString::fromLatin1(label));
        out << (l ? l->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(label)));
    }
    return out.join(' ');
}

} // namespace

class ViewScreensTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_oldDir;
    Game m_game;   // the career these screens work on

private slots:
    void initTestCase()
    {
        m_oldDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_oldDir); }
    void init()
    {
        QFile::remove(QStringLiteral("rikishi.r"));
        m_game.viewNumber = 1;
        rikishiViewer = nullptr;
    }

    void bothScreensWithoutAFileReportAndClose()
    {
        ModalDriver driver;
        errorBox = new ErrorBox;
        RikishiViewer viewer(m_game);   // the viewer loads once when made and again when shown
        QCOMPARE(driver.openings(errorBox), 1);
        viewer.show();
        QCOMPARE(driver.openings(errorBox), 2);
        QTRY_VERIFY(!viewer.isVisible());
        QCOMPARE(viewer.Shikona->text(), QString());

        BanzukeScreen banzuke(m_game);
        banzuke.show();
        QCOMPARE(driver.openings(errorBox), 3);
        QTRY_VERIFY(!banzuke.isVisible());
        QVERIFY(banzuke.nameButtons.empty());
        delete errorBox;
        errorBox = nullptr;
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
    }

    void viewerShowsTheNewPlayerAndTheFieldsRecordsReadAtEveryShowing()
    {
        saveCareer([](Roster& roster) { roster[34].lbw = 13; });
        RikishiViewer viewer(m_game);
        QCOMPARE(texts(&viewer, {"numberLabel", "rlw", "rll", "rlp"}), QStringLiteral("1 470 228 67"));

        viewer.showRikishi(40);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.m_numberBar->value(), 40);
        QCOMPARE(texts(&viewer, {"Shikona", "height", "weight", "age", "strength", "power", "lbl"}),
                 QStringLiteral("Kiriarashi 180 130 21 -1 18 15"));
        QCOMPARE(texts(&viewer, {"cbw", "cbl", "cbp", "lbw", "lbp", "gmw", "gml", "gmp"}),
                 QStringLiteral("0 0 0 0 0 0 0 0"));

        // A page step moves the number by 5 and shows that wrestler.
        viewer.m_numberBar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(m_game.viewNumber, 35);
        QCOMPARE(viewer.m_numberBar->value(), 35);
        QCOMPARE(texts(&viewer, {"numberLabel", "lbw", "lbl", "lbp"}), QStringLiteral("35 13 2 86"));

        // Closing and opening again keeps the number and reads the file afresh.
        viewer.closeViewer();
        QVERIFY(!viewer.isVisible());
        saveCareer([](Roster& roster) {
            roster[34].lbw = 13;
            roster[34].cbw = 7;
        });
        viewer.show();
        QCOMPARE(texts(&viewer, {"numberLabel", "lbp", "cbw", "cbp"}), QStringLiteral("35 86 7 100"));
    }

    void banzukeShowsNamesAsTypedAndRebuildsOnEveryShowing()
    {
        saveCareer([](Roster& roster) {
            setShikona(roster[4], "Tom & Jerry");
        });
        BanzukeScreen banzuke(m_game);
        banzuke.show();
        auto* named = banzuke.list->findChild<QPushButton*>(QStringLiteral("NameButton4"));
        QCOMPARE(named->text(), QStringLiteral("Tom && Jerry"));  // shown as typed, no mnemonic
        // A second showing rebuilds the list instead of adding to it.
        const qsizetype labels = banzuke.list->findChildren<QLabel*>().size();
        banzuke.close();
        banzuke.show();
        QCOMPARE(banzuke.list->findChildren<QPushButton*>().size(), 40);
        QCOMPARE(banzuke.list->findChildren<QLabel*>().size(), labels);
    }

    void nameButtonsOpenTheViewerWhichAnOpenViewerOnlyRaises()
    {
        saveNewCareer();
        RikishiViewer viewer(m_game);
        rikishiViewer = &viewer;
        BanzukeScreen banzuke(m_game);
        banzuke.show();

        auto click = [&](int slot) {
            auto* b = banzuke.list->findChild<QPushButton*>(QStringLiteral("NameButton%1").arg(slot));
            QVERIFY(b);
            QTest::mouseClick(b, Qt::LeftButton);
        };
        click(5);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        const QString sixth = viewer.Shikona->text();

        click(39);
        QCOMPARE(m_game.viewNumber, 40);
        QCOMPARE(viewer.m_numberLabel->text(), QStringLiteral("6"));
        QCOMPARE(viewer.Shikona->text(), sixth);

        viewer.close();
        viewer.show();
        QCOMPARE(viewer.Shikona->text(), QStringLiteral("Kiriarashi"));
        rikishiViewer = nullptr;
    }

};

QTEST_MAIN(ViewScreensTest)
#include "ViewScreensTest.moc"
