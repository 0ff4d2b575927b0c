// The creation screen, driven by keys and the wheel as a player drives it;
// its pools' arithmetic is the rules' own test.
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "rules/core/Game.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QMessageBox>
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

    void namesTakeLatin1Only()
    {
        CreationScreen form(m_game);
        form.show();
        form.Shikona->clear();
        type(form.Shikona, QStringLiteral("R\u00e9\u20ac\u4e00i"));
        QCOMPARE(form.Shikona->text(), QStringLiteral("R\u00e9i"));
        type(form.Shikona, QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(form.Shikona->text().size(), 13);
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
    }

    void saveWritesTheCareerAndCloses()
    {
        CreationScreen form(m_game);
        form.show();
        form.Shikona->setText(QStringLiteral("Kirin\u00f6"));
        press(form.m_heightBar, Qt::Key_PageDown);
        QCOMPARE(form.m_heightBar->value(), 180);
        // The refused proposal was 190; letting go of the key ends the
        // gesture with one more scroll event where the bar rests.
        QCOMPARE(m_game.bodyScroll.lastHeightPos, 180);
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
        int boxes = 0;
        ModalDriver driver;   // OK on the box that reports it
        driver.anyOpening = [&boxes](QWidget* w) { boxes += qobject_cast<QMessageBox*>(w) != nullptr; };
        QTest::mouseClick(form.SaveRikishi, Qt::LeftButton);
        QCOMPARE(boxes, 1);
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
};

QTEST_MAIN(CreateRikishiScreenTest)
#include "CreationScreenTest.moc"
