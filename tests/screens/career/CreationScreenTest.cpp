// The creation screen, driven by keys and the wheel as a player drives it;
// its pools' arithmetic is the rules' own test.
#include "rules/core/Game.h"
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/TextConversion.h"
#include "tests/support/WholeGame.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWheelEvent>

class CreationScreenTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Game m_game; // the career these screens work on

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }
    void init()
    {
        m_game.bodyScroll = BodyScrollMemory(); // as if the program had just started
        QFile::remove(QStringLiteral("rikishi.r"));
    }

    void namesTakeLatin1AndTheWheelStepsByOne()
    {
        CreationScreen form(m_game);
        form.show();
        form.m_shikonaEdit->clear();
        // Typed character by character, as a keyboard layout delivers it.
        for (const QChar c : QStringLiteral("R\u00e9\u20ac\u4e00iabcdefghijklmnop"))
            for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(form.m_shikonaEdit, &e);
            }
        QCOMPARE(form.m_shikonaEdit->text(), QStringLiteral("R\u00e9iabcdefghij"));

        const QPointF at(form.m_strengthBar->width() / 2.0, form.m_strengthBar->height() / 2.0);
        for (int angle : {-120, -120, 120}) {
            QWheelEvent e(at, form.m_strengthBar->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(form.m_strengthBar, &e);
        }
        QCOMPARE(form.m_strengthBar->value(), 2);
    }

    void saveWritesTheCareerAndCloses()
    {
        CreationScreen form(m_game);
        form.show();
        form.m_shikonaEdit->setText(QStringLiteral("Kirin\u00f6"));
        QTest::keyClick(form.m_heightBar, Qt::Key_PageUp);
        QCOMPARE(form.m_heightBar->value(), 180);
        // The refused proposal was 190; letting go of the key ends the
        // gesture with one more scroll event where the bar rests.
        QCOMPARE(m_game.bodyScroll.lastHeightPos, 180);
        QTest::keyClick(form.m_weightBar, Qt::Key_PageDown);
        QTest::keyClick(form.m_heightBar, Qt::Key_PageUp);
        QTest::keyClick(form.m_yotsuBar, Qt::Key_End);
        QTest::mouseClick(form.m_saveButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());

        Game saved;
        QCOMPARE(saved.load(), LoadResult::Loaded);
        const Rikishi& p = saved.roster[39];
        QCOMPARE(p.isPlayer, std::uint8_t(1));
        QCOMPARE(shikonaOf(p), std::string("Kirin\xF6"));
        QCOMPARE(realNameOf(p), fromQt(form.m_realNameEdit->text()));
        QCOMPARE(p.height * 1000 + p.weight, 190120);
        QCOMPARE(p.yotsu * 10 + p.baseStrength, 61);
        QCOMPARE(m_game.curDay * 100 + m_game.lastResultsDay, 100);
    }

    void replacingACareerKeepsItAsTheBackupAndARetryWorks()
    {
        QFile::remove(QStringLiteral("rikishi.r.bak"));
        Game old;
        old.roster[0].day = 9;
        old.roster[7].isPlayer = 1;
        QVERIFY(old.save());
        const QByteArray oldBytes = fileBytes();
        m_game.lastResultsDay = 9;

        // The backup cannot be written: nothing is replaced, the game keeps
        // what the file holds, and the screen stays for another try.
        QVERIFY(QDir().mkdir(QStringLiteral("rikishi.r.bak"))); // a folder in the backup's place
        CreationScreen form(m_game);
        form.show();
        int boxes = 0;
        ModalDriver driver; // OK on the box that reports it
        driver.m_anyOpening = [&boxes](QWidget* w) { boxes += qobject_cast<QMessageBox*>(w) != nullptr; };
        QTest::mouseClick(form.m_saveButton, Qt::LeftButton);
        QCOMPARE(boxes, 1);
        QVERIFY(form.isVisible());
        QCOMPARE(fileBytes(), oldBytes);
        QCOMPARE(m_game.lastResultsDay, 9);

        // Save again once the way is free: the old career is the backup.
        QVERIFY(QDir().rmdir(QStringLiteral("rikishi.r.bak")));
        QTest::mouseClick(form.m_saveButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(fileBytes(QStringLiteral("rikishi.r.bak")), oldBytes);
        QCOMPARE(m_game.lastResultsDay, 0);
        Game saved;
        QCOMPARE(saved.load(), LoadResult::Loaded);
        QCOMPARE(saved.roster[39].isPlayer, std::uint8_t(1));
    }
};

QTEST_MAIN(CreationScreenTest)
#include "CreationScreenTest.moc"
