// The creation screen, driven by keys and the wheel as a player drives it.
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "rules/core/Game.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

namespace {

void press(QWidget* w, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key);
}

// Types text character by character, as a keyboard layout would deliver it.
void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &e);
        }
}

void wheelNotch(QWidget* w, int angle)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// "height weight pool" as the screen's labels show them.
QString body(const CreationScreen& f)
{
    return f.m_heightValueLabel->text() + ' ' + f.m_weightValueLabel->text() + ' ' + f.HWRemainingPointsLabel->text();
}

// Closes the next modal window that opens and remembers its caption.
void closeNextModal(QString* caption)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, caption] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            *caption = w->windowTitle();
            w->close();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

} // namespace

class CreateRikishiScreenTest : public QObject {
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
        // As if the program had just started.
        m_game.bodyScroll = BodyScrollMemory();
        QFile::remove(QStringLiteral("rikishi.r"));
        m_game.savePath = kSaveFileName;
    }

    void opensWithTheStartingValuesAndControls()
    {
        CreationScreen form(m_game);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Create Rikishi"));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(body(form), QStringLiteral("180 130 0"));
        QCOMPARE(form.RemainingStatPointsLabel->text(), QStringLiteral("25"));
        QCOMPARE(form.m_bodyPointsCaptionLabel->text(), QStringLiteral("Points remaining: "));
        QCOMPARE(form.m_agilityCaptionLabel->text(), QStringLiteral(" Agility "));
        QCOMPARE(form.HenkaLabel->text(), QStringLiteral("1"));
        QCOMPARE(form.Shikona->maxLength(), 13);
        QCOMPARE(form.RealName->maxLength(), 20);
        QVERIFY(!form.Shikona->text().isEmpty() && !form.RealName->text().isEmpty());
        QCOMPARE(form.m_heightBar->orientation(), Qt::Vertical);
        QCOMPARE(form.m_heightBar->pageStep(), 10);
        QCOMPARE(form.strengthScroll->pageStep(), 1);
        QCOMPARE(form.StaminaScroll->maximum(), 6);
        QCOMPARE(form.HenkaScroll->focusPolicy(), Qt::StrongFocus);

        // The tab order: names, height, weight, the abilities, Save, Cancel.
        QList<QWidget*> expected{form.Shikona, form.RealName, form.m_heightBar, form.m_weightBar,
                                 form.strengthScroll, form.agilityScroll, form.TachiaiScroll, form.JumpScroll,
                                 form.ReceiveScroll, form.DefenseScroll, form.OshiScroll, form.YotsuScroll,
                                 form.TsuppariScroll, form.TenageScroll, form.HenkaScroll, form.StaminaScroll,
                                 form.SaveRikishi, form.Cancel};
        QWidget* w = form.Shikona;
        for (int i = 1; i < expected.size(); ++i) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            QCOMPARE(w, expected[i]);
        }
    }

    void namesTakeLatin1OnlyAndKeysStartNothing()
    {
        CreationScreen form(m_game);
        form.show();
        form.Shikona->clear();
        type(form.Shikona, QStringLiteral("R\u00e9\u20ac\u4e00i"));
        QCOMPARE(form.Shikona->text(), QStringLiteral("R\u00e9i"));
        type(form.Shikona, QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(form.Shikona->text().size(), 13);

        QTest::keyClick(form.Shikona, Qt::Key_Return);
        QTest::keyClick(form.RealName, Qt::Key_Enter);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
    }

    // Each block is a fresh program: the bars' memory decides how a key is taken.
    void heightAndWeightBarsShareOnePool()
    {
        {
            CreationScreen form(m_game);
            form.show();
            press(form.m_heightBar, Qt::Key_PageDown);
            QCOMPARE(body(form), QStringLiteral("180 130 0"));
            QCOMPARE(form.m_heightBar->value(), 180);
            // The refused proposal was 190; letting go of the key ends the
            // gesture with one more scroll event where the bar rests.
            QCOMPARE(m_game.bodyScroll.lastHeightPos, 180);
            press(form.m_weightBar, Qt::Key_PageUp);
            QCOMPARE(body(form), QStringLiteral("180 120 10"));
            press(form.m_heightBar, Qt::Key_PageDown);
            QCOMPARE(body(form), QStringLiteral("190 120 0"));
            press(form.m_heightBar, Qt::Key_Down);
            QCOMPARE(form.m_heightBar->value(), 190);
        }
        {   // A weight bar scrolled before: a height rise lowers the weight.
            m_game.bodyScroll = BodyScrollMemory();
            CreationScreen form(m_game);
            form.show();
            press(form.m_weightBar, Qt::Key_PageUp);
            press(form.m_weightBar, Qt::Key_PageDown);
            QCOMPARE(m_game.bodyScroll.lastWeightPos, 130);
            press(form.m_heightBar, Qt::Key_Up, 5);
            QCOMPARE(body(form), QStringLiteral("175 130 5"));
            press(form.m_heightBar, Qt::Key_PageDown);
            QCOMPARE(body(form), QStringLiteral("185 125 0"));
            QCOMPARE(form.m_weightBar->value(), 125);
        }
        {   // Never scrolled: the page step overdraws the pool.
            m_game.bodyScroll = BodyScrollMemory();
            CreationScreen form(m_game);
            form.show();
            press(form.m_heightBar, Qt::Key_Up, 5);
            press(form.m_heightBar, Qt::Key_PageDown);
            QCOMPARE(body(form), QStringLiteral("185 130 -5"));
            QCOMPARE(form.m_heightBar->value(), 185);
        }
    }

    void abilityBarsStepByOneFromKeysAndWheel()
    {
        CreationScreen form(m_game);
        form.show();
        press(form.strengthScroll, Qt::Key_PageDown);
        QCOMPARE(form.strengthLabel->text(), QStringLiteral("2"));
        wheelNotch(form.strengthScroll, -120);
        QCOMPARE(form.strengthScroll->value(), 3);
        wheelNotch(form.strengthScroll, 120);
        QCOMPARE(form.strengthScroll->value(), 2);
        QCOMPARE(form.RemainingStatPointsLabel->text(), QStringLiteral("24"));

        // Spend down to 1 point, then a jump to the top overdraws the pool.
        for (ScrollEventBar* bar : {form.agilityScroll, form.TachiaiScroll, form.JumpScroll, form.ReceiveScroll})
            press(bar, Qt::Key_End);
        press(form.OshiScroll, Qt::Key_Down, 3);
        QCOMPARE(form.RemainingStatPointsLabel->text(), QStringLiteral("1"));
        press(form.StaminaScroll, Qt::Key_End);
        QCOMPARE(form.StaminaLabel->text(), QStringLiteral("6"));
        QCOMPARE(form.RemainingStatPointsLabel->text(), QStringLiteral("-4"));
        press(form.HenkaScroll, Qt::Key_Down);
        QCOMPARE(form.HenkaScroll->value(), 1);
        press(form.StaminaScroll, Qt::Key_Down);
        QCOMPARE(form.StaminaScroll->value(), 6);  // already at the top
        press(form.StaminaScroll, Qt::Key_Up);
        QCOMPARE(form.RemainingStatPointsLabel->text(), QStringLiteral("-3"));
    }

    void eachScreenStartsAfresh()
    {
        CreationScreen first(m_game);
        press(first.strengthScroll, Qt::Key_End);
        press(first.m_weightBar, Qt::Key_PageUp);
        CreationScreen second(m_game);
        QCOMPARE(second.strengthScroll->value(), 1);
        QCOMPARE(second.RemainingStatPointsLabel->text(), QStringLiteral("25"));
        QCOMPARE(body(second), QStringLiteral("180 130 0"));
        QCOMPARE(first.strengthScroll->value(), 6);
        QCOMPARE(m_game.bodyScroll.lastWeightPos, 120);  // the bars' memory is the program's
    }

    void saveWritesTheCareerAndCloses()
    {
        CreationScreen form(m_game);
        form.show();
        form.Shikona->setText(QStringLiteral("Kirin\u00f6"));
        press(form.m_weightBar, Qt::Key_PageUp);
        press(form.m_heightBar, Qt::Key_PageDown);
        press(form.YotsuScroll, Qt::Key_End);
        QTest::mouseClick(form.SaveRikishi, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());

        Game saved;
        QCOMPARE(saved.load(), LoadResult::Loaded);
        const Rikishi& p = saved.roster[39];
        QCOMPARE(p.isPlayer, std::uint8_t(1));
        QCOMPARE(shikonaOf(p), std::string("Kirin\xF6"));
        QCOMPARE(realNameOf(p), fromQt(form.RealName->text()));
        QCOMPARE(p.height * 1000 + p.weight, 190120);
        QCOMPARE(p.yotsu * 10 + p.baseStrength, 61);
        QCOMPARE(m_game.curDay, 1);
        QCOMPARE(m_game.lastResultsDay, 0);
    }

    void failedSaveIsReportedAndTheScreenStays()
    {
        m_game.savePath = "no-such-folder/rikishi.r";
        CreationScreen form(m_game);
        form.show();
        QString caption;
        closeNextModal(&caption);
        QTest::mouseClick(form.SaveRikishi, Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Kirimaki"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), 0);
        QVERIFY(!QFile::exists(QStringLiteral("no-such-folder/rikishi.r")));
    }

    void replacingACareerKeepsItAsTheBackupAndARetryWorks()
    {
        QFile::remove(QStringLiteral("rikishi.r.bak"));
        Game old;
        old.roster[0].day = 9;
        old.roster[7].isPlayer = 1;
        QVERIFY(old.save());
        QFile oldFile(QStringLiteral("rikishi.r"));
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        const QByteArray oldBytes = oldFile.readAll();
        oldFile.close();
        m_game.lastResultsDay = 9;

        // The backup cannot be written: nothing is replaced, the game keeps
        // what the file holds, and the screen stays for another try.
        QVERIFY(QDir().mkdir(QStringLiteral("rikishi.r.bak.saving")));
        CreationScreen form(m_game);
        form.show();
        QString caption;
        closeNextModal(&caption);
        QTest::mouseClick(form.SaveRikishi, Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Kirimaki"));
        QVERIFY(form.isVisible());
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), oldBytes);
        oldFile.close();
        QCOMPARE(m_game.lastResultsDay, 9);

        // Save again once the way is free: the old career is the backup.
        QVERIFY(QDir().rmdir(QStringLiteral("rikishi.r.bak.saving")));
        QTest::mouseClick(form.SaveRikishi, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QFile backup(QStringLiteral("rikishi.r.bak"));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), oldBytes);
        QCOMPARE(m_game.lastResultsDay, 0);
        Game saved;
        QCOMPARE(saved.load(), LoadResult::Loaded);
        QCOMPARE(saved.roster[39].isPlayer, std::uint8_t(1));
    }

    void cancelClosesAndWritesNothing()
    {
        CreationScreen form(m_game);
        form.show();
        QTest::mouseClick(form.Cancel, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(QStringLiteral("rikishi.r")));
    }

    // Not a check: leaves a picture of the screen for the documentation when
    // KIRIMAKI_SCREENSHOTS names a folder.
    void picture()
    {
        const QString folder = qEnvironmentVariable("KIRIMAKI_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("KIRIMAKI_SCREENSHOTS is not set");
        CreationScreen form(m_game);
        form.show();
        press(form.m_weightBar, Qt::Key_PageUp);
        press(form.m_heightBar, Qt::Key_Down, 6);
        press(form.strengthScroll, Qt::Key_Down, 3);
        press(form.OshiScroll, Qt::Key_Down, 4);
        QVERIFY(form.grab().save(folder + QStringLiteral("/create-rikishi.png")));
    }
};

QTEST_MAIN(CreateRikishiScreenTest)
#include "CreationScreenTest.moc"
