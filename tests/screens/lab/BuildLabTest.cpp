// The build lab: it takes the creation screen's build and gives one back
// through the pools; its study ends with the table kirimaki-sim's study
// prints; Cancel and closing stop it at once and keep what it showed; and no
// file of the career changes on the way.
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/lab/BuildEditor.h"
#include "screens/lab/BuildLab.h"
#include "screens/WindowPlacement.h"
#include "sim/StudyBuilds.h"
#include "sim/StudyTable.h"
#include "tests/support/WholeGame.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every file of the folder with its bytes: the career, its history, its lock.
QMap<QString, QByteArray> folderBytes()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(QDir::currentPath(), QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, fileBytes(path));
    }
    return files;
}

void press(QWidget* w, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key);
}

// A build the creation screen lets a player make.
CreationValues build(std::int32_t height, std::int32_t weight, std::array<std::int32_t, kAbilityCount> abilities)
{
    CreationValues v;
    v.height = height;
    v.weight = weight;
    v.abilities = abilities;
    return v;
}

// What kirimaki-sim prints for these arguments, run in the current folder.
QString simOutput(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(KIRIMAKI_SIM), arguments);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class BuildLabTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QCOMPARE(loadRoster(m_career, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
    }

    // Try This Build... opens the lab on the form's build; a changed build
    // comes back through the form's pools; the career's files stay as they were.
    void theLabTakesTheFormsBuildAndGivesOneBack()
    {
        ::startGame(&m_career, m_driver);
        const QMap<QString, QByteArray> before = folderBytes();
        BuildLab* lab = screens().buildLab();
        bool looked = false;
        m_driver->m_hooks[lab] = [&] {
            // The form's build: 186 cm, 120 kg, Strength 4, Oshi 5.
            QCOMPARE(lab->m_buildEditors[0]->values().height, 186);
            QCOMPARE(lab->m_buildEditors[0]->values().weight, 120);
            QCOMPARE(lab->m_buildEditors[0]->values().abilities[0], 4);
            QCOMPARE(lab->m_buildEditors[0]->values().abilities[6], 5);
            // A short study on the way, then build 2 (a copy of build 1 at
            // first) made lighter and stronger at the tachiai.
            lab->m_careersBox->setValue(10);
            lab->m_bashoBox->setValue(2);
            lab->m_startButton->click();
            QTRY_VERIFY_WITH_TIMEOUT(!lab->studying(), 60000);
            BuildEditor* second = lab->m_buildEditors[1];
            second->m_heading->click();
            QCOMPARE(second->values().height, 186);
            second->m_weightBox->setValue(110);
            second->m_abilityBoxes[2]->setValue(4);
            // With the pool spent, a rise springs back.
            for (std::size_t i : {3, 4, 5})
                second->m_abilityBoxes[i]->setValue(6);
            QCOMPARE(second->m_abilityPointsLabel->text(), QStringLiteral("0"));
            second->m_abilityBoxes[7]->setValue(2);
            QCOMPARE(second->values().abilities[7], 1);
            QCOMPARE(second->m_abilityBoxes[7]->value(), 1);
            lab->m_chosenBuildBox->setCurrentIndex(lab->m_chosenBuildBox->findData(2));
            QVERIFY(QTest::qWaitForWindowActive(lab));
            QTest::keyClick(lab, Qt::Key_U, Qt::AltModifier);
            QTRY_VERIFY(!lab->isVisible()); // a mnemonic clicks a moment later
            looked = true;
        };
        bool usedBuild = false;
        m_driver->m_anyOpening = [&](QWidget* w) {
            auto* form = qobject_cast<CreationScreen*>(w);
            if (!form)
                return;
            press(form->m_weightBar, Qt::Key_PageDown, 1);
            press(form->m_heightBar, Qt::Key_Up, 6);
            press(form->m_strengthBar, Qt::Key_Up, 3);
            press(form->m_oshiBar, Qt::Key_Up, 4);
            form->m_shikonaEdit->setText(QStringLiteral("Tameshi"));
            QTest::keyClick(form, Qt::Key_T, Qt::AltModifier);
            QTRY_VERIFY(looked);
            // Falls first, then rises, as the player would click: the pools
            // come out as if he had set the bars himself, the name kept.
            const CreationPools& pools = form->pools();
            QCOMPARE(pools.chosenWeight(), 110);
            QCOMPARE(pools.hwPoints(), kBodyTotal - 186 - 110);
            QCOMPARE(pools.ability(2), 4);
            QCOMPARE(pools.ability(3), 6);
            QCOMPARE(pools.statPoints(), 0);
            QCOMPARE(form->m_weightBar->value(), 110);
            QCOMPARE(form->m_abilityPointsLeftLabel->text(), QStringLiteral("0"));
            QCOMPARE(form->m_shikonaEdit->text(), QStringLiteral("Tameshi"));
            usedBuild = true;
            form->m_cancelButton->click();
        };
        screens().mainMenu()->m_createRikishiButton->click();
        QVERIFY(usedBuild);
        QCOMPARE(folderBytes(), before);

        // From the main menu, Use This Build opens a creation form with it.
        m_driver->m_hooks.erase(lab);
        usedBuild = false;
        m_driver->m_anyOpening = [&](QWidget* w) {
            if (auto* form = qobject_cast<CreationScreen*>(w)) {
                usedBuild = form->pools().chosenHeight() == 200 && form->pools().ability(11) == 6;
                form->m_cancelButton->click();
            }
        };
        screens().mainMenu()->m_buildLabButton->click();
        QVERIFY(lab->isVisible() && !lab->isModal());
        lab->m_buildEditors[0]->setValues(build(200, 110, {6, 6, 6, 2, 1, 1, 1, 1, 1, 1, 1, 6}));
        lab->m_chosenBuildBox->setCurrentIndex(0);
        lab->m_useButton->click();
        QTRY_VERIFY(usedBuild);
        QCOMPARE(folderBytes(), before);
    }

    // A study begun from the main menu gives way when the creation form asks
    // to try its build: the lab comes back over the form with it.
    void theFormsBuildEndsAStudyFromTheMainMenu()
    {
        ::startGame(&m_career, m_driver);
        BuildLab* lab = screens().buildLab();
        screens().mainMenu()->m_buildLabButton->click();
        lab->m_careersBox->setValue(5000);
        lab->m_startButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(lab->shown().careersDone > 0, 60000);
        bool tried = false;
        m_driver->m_hooks[lab] = [&] {
            QVERIFY(lab->isModal());
            QCOMPARE(lab->shown().state, StudyReport::State::Stopped);
            QCOMPARE(lab->m_buildEditors[0]->values().height, 186);
            QVERIFY(lab->m_startButton->isEnabled() && lab->m_buildEditors[0]->m_heightBox->isEnabled());
            tried = true;
            lab->close();
        };
        m_driver->m_anyOpening = [&](QWidget* w) {
            if (auto* form = qobject_cast<CreationScreen*>(w)) {
                press(form->m_weightBar, Qt::Key_PageDown, 1);
                press(form->m_heightBar, Qt::Key_Up, 6);
                form->m_tryBuildButton->click();
                QTRY_VERIFY(tried);
                form->m_cancelButton->click();
            }
        };
        screens().mainMenu()->m_createRikishiButton->click();
        QVERIFY(tried);
    }

    // Two builds, 20 careers of 5 basho: the table of kirimaki-sim's study
    // for the same options and seed, row for row, and its replay lines.
    void aStudyEndsWithTheTableOfTheHeadlessStudy()
    {
        Game game;
        BuildLab lab(game);
        bringUp(&lab);
        QVERIFY(QTest::qWaitForWindowActive(&lab));
        lab.m_buildEditors[0]->setValues(build(192, 118, {5, 3, 4, 1, 1, 2, 5, 1, 1, 1, 1, 4}));
        lab.m_buildEditors[2]->m_heading->click();
        QVERIFY(lab.m_buildEditors[2]->setValues(build(175, 135, {1, 6, 1, 3, 3, 3, 1, 6, 1, 1, 1, 4})));
        lab.m_careersBox->setValue(20);
        lab.m_bashoBox->setValue(5);
        lab.m_seedBox->setValue(4242);
        lab.m_tachiaiBoxes[1]->click(); // the autopilot keeps one tachiai
        QVERIFY(lab.m_tachiaiBoxes[1]->isChecked());
        lab.m_tachiaiBoxes[0]->click(); // Jump as well as Receive
        for (std::size_t i : {1, 3, 4, 5}) // Oshi and Tsuppari only
            lab.m_moveBoxes[i]->click();
        QCOMPARE(lab.m_styleLabel->text(), QStringLiteral("Meets every tachiai with Jump, then Receive, in turn; fights the "
                                                          "exchanges with Oshi, then Tsuppari, in turn."));
        lab.m_startButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!lab.studying(), 60000);
        QCOMPARE(lab.shown().state, StudyReport::State::Finished);

        QFile builds(QStringLiteral("builds.txt"));
        QVERIFY(builds.open(QIODevice::WriteOnly));
        for (const Build& b : lab.studied().builds)
            builds.write(QByteArray::fromStdString(buildLine(b) + "\n"));
        builds.close();
        const QStringList study{"study", "--builds", "builds.txt", "--careers", "20", "--basho", "5", "--seed", "4242",
                                "--tachiai", "1,2", "--moves", "1,3", "--threads", "2"};
        QCOMPARE(QString::fromStdString(studyTableText(lab.shown().rows, lab.studied().builds)), simOutput(study));

        // The window shows the rows under the lab's own numbers, the chart a line each.
        QCOMPARE(lab.m_resultsTable->rowCount(), 2);
        QCOMPARE(lab.m_resultsTable->item(1, 0)->text(), QStringLiteral("3"));
        QCOMPARE(lab.m_shareChart->chart()->series().size(), 2);
        QVERIFY(lab.m_shareChart->accessibleDescription().contains(QStringLiteral("build 3: ")));
        QCOMPARE(lab.m_progressBar->value(), lab.m_progressBar->maximum());

        // Choosing the row of build 3 chooses the build; its replay is the study's.
        // Sorted by a heading, a row still names its own build.
        lab.m_resultsTable->sortItems(0, Qt::DescendingOrder);
        lab.m_resultsTable->setCurrentCell(0, 4);
        QCOMPARE(lab.m_chosenBuildBox->currentData().toInt(), 3);
        lab.m_careerBox->setValue(7);
        QTest::keyClick(&lab, Qt::Key_P, Qt::AltModifier);
        const QStringList replay = simOutput(study + QStringList{"--replay", "2,7"}).split(QLatin1Char('\n'));
        QTRY_COMPARE(lab.m_replayText->toPlainText(), replay.mid(0, 2).join(QLatin1Char('\n')));
    }

    // Cancel stops within half a second and keeps the rows shown; the lab
    // stays usable, and closing it stops a study too.
    void cancelAndClosingStopAStudyAtOnce()
    {
        Game game;
        BuildLab lab(game);
        lab.show();
        lab.m_careersBox->setValue(5000);
        lab.m_startButton->click();
        QVERIFY(!lab.m_buildEditors[0]->m_heightBox->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(lab.shown().careersEach >= 10, 60000);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&lab, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!lab.studying(), 5000);
        const qint64 stoppedIn = clock.elapsed();
        QVERIFY2(stoppedIn < 500, qPrintable(QStringLiteral("stopped in %1 ms").arg(stoppedIn)));
        QCOMPARE(lab.shown().state, StudyReport::State::Stopped);
        QCOMPARE(lab.m_resultsTable->rowCount(), 1);
        QVERIFY(lab.m_progressLabel->text().startsWith(QStringLiteral("Stopped. The results are of the first")));
        QVERIFY(lab.m_startButton->isEnabled() && lab.m_buildEditors[0]->m_heightBox->isEnabled());

        lab.m_careersBox->setValue(10);
        lab.m_bashoBox->setValue(3);
        lab.m_startButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!lab.studying(), 60000);
        QCOMPARE(lab.shown().state, StudyReport::State::Finished);

        lab.m_careersBox->setValue(5000);
        lab.m_startButton->click();
        lab.close();
        QTRY_VERIFY_WITH_TIMEOUT(lab.shown().state == StudyReport::State::Stopped, 5000);
    }

private:
    Roster m_career{};
    QTemporaryDir m_dir;
    std::unique_ptr<ModalDriver> m_driver;
};

KIRIMAKI_GAME_TEST_MAIN(BuildLabTest)
#include "BuildLabTest.moc"
