// The main menu, the about box, the file-error box and exception reporting.
#include "screens/AboutBox.h"
#include "rules/core/Game.h"
#include "game/Application.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "screens/ScreenDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// Closes the next modal box that opens and remembers its title and texts.
struct ModalWatcher {
    QString title;
    QStringList texts;
    void arm()
    {
        QTimer::singleShot(0, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            title = w->windowTitle();
            for (QLabel* l : w->findChildren<QLabel*>())
                if (!l->text().isEmpty())
                    texts << l->text();
            if (auto* box = qobject_cast<QMessageBox*>(w))
                texts << box->text();
            w->close();
        });
    }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career the main menu works on
private slots:
    void mainMenuCaptionsTabOrderAndFocus();
    void mainMenuButtonsCallTheirScreens();
    void mnemonicOnAHiddenButtonDoesNothing();
    void aboutBox();
    void errorBoxAndFailedLoad();
    void exceptionInAHandlerIsReported();
};

void ShellTest::mainMenuCaptionsTabOrderAndFocus()
{
    MainMenu menu(m_game);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(menu.windowTitle(), QStringLiteral("Kirimaki"));
    QCOMPARE(menu.m_titleLabel->text(), QStringLiteral("K i r i m a k i"));
    QCOMPARE(menu.m_buttonPanel->frameShadow(), QFrame::Sunken);

    const QList<QPushButton*> order = {menu.m_tournamentButton, menu.m_viewBanzukeButton, menu.m_aboutButton,
                                       menu.m_quitButton, menu.m_createRikishiButton, menu.m_viewRikishiButton};
    const QStringList captions = {"&Tournament", "View &Banzuke", "&About", "&Quit",
                                  "&Create Rikishi", "View &Rikishi"};
    for (int i = 0; i < order.size(); ++i) {
        QCOMPARE(order[i]->text(), captions[i]);
        QCOMPARE(order[i]->parentWidget(), menu.m_buttonPanel);
    }
    QCOMPARE(QApplication::focusWidget(), menu.m_tournamentButton);
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[i]);
    }
}

void ShellTest::mainMenuButtonsCallTheirScreens()
{
    MainMenu menu(m_game);
    QStringList opened;
    menu.openTournament = [&] { opened << "tournament"; };
    menu.openBanzuke = [&] { opened << "banzuke"; };
    menu.openAbout = [&] { opened << "about"; };
    menu.openCreateRikishi = [&] { opened << "create"; };
    menu.openViewRikishi = [&] { opened << "viewer"; };
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    for (QPushButton* b : {menu.m_tournamentButton, menu.m_viewBanzukeButton, menu.m_aboutButton, menu.m_createRikishiButton, menu.m_viewRikishiButton})
        QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(opened, QStringList({"tournament", "banzuke", "about", "create", "viewer"}));

    // A screen that is not there yet: its button does nothing.
    menu.openViewRikishi = nullptr;
    QTest::mouseClick(menu.m_viewRikishiButton, Qt::LeftButton);
    QCOMPARE(opened.size(), 5);

    // Quit closes the main window.
    QTest::mouseClick(menu.m_quitButton, Qt::LeftButton);
    QVERIFY(!menu.isVisible());
}

void ShellTest::mnemonicOnAHiddenButtonDoesNothing()
{
    MainMenu menu(m_game);
    int count = 0;
    menu.openTournament = [&] { ++count; };
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.m_tournamentButton->setEnabled(false);
    menu.startTournament();  // as a late mnemonic click would
    QCOMPARE(count, 0);
    menu.m_tournamentButton->setEnabled(true);
    menu.startTournament();
    QCOMPARE(count, 1);
}

void ShellTest::aboutBox()
{
    AboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Kirimaki"));
    QVERIFY(!box.m_iconLabel->pixmap().isNull());
    QCOMPARE(box.m_iconLabel->size(), box.m_iconLabel->pixmap().size());
    for (QLabel* l : {box.m_gameNameLabel, box.m_taglineLabel, box.m_versionLabel, box.m_authorsLabel, box.m_feedbackLabel})
        QVERIFY(!l->text().isEmpty());
    QVERIFY(box.m_okButton->isDefault());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_Return);  // the OK button is the default
    QVERIFY(!box.isVisible());
}

void ShellTest::errorBoxAndFailedLoad()
{
    ErrorBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Error opening file..."));
    QCOMPARE(box.m_errorLabel->text(), QStringLiteral("Error opening rikishi.r file."));
    QCOMPARE(box.m_checkFileLabel->text(), QStringLiteral("Please check to see that this file exists"));
    QCOMPARE(box.m_whereLabel->text(), QStringLiteral("in the same directory as kirimaki.exe."));
    QVERIFY(box.m_okButton->isDefault());

    // A screen whose load fails shows the box, then closes itself.
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    errorBox = &box;
    QDialog screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    ModalWatcher watcher;
    watcher.arm();
    QVERIFY(!loadRosterOrReport(&screen, m_game));
    QCOMPARE(watcher.title, QStringLiteral("Error opening file..."));
    QTRY_VERIFY(!screen.isVisible());
    errorBox = nullptr;
    QVERIFY(!QFile::exists(dir.filePath("rikishi.r")));
}

class Thrower : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("The ring is flooded");
        return QObject::event(e);
    }
};

void ShellTest::exceptionInAHandlerIsReported()
{
    Thrower thrower;
    ModalWatcher watcher;
    watcher.arm();
    QEvent event(QEvent::User);
    QApplication::sendEvent(&thrower, &event);
    QCOMPARE(watcher.title, QStringLiteral("Kirimaki"));
    QVERIFY(watcher.texts.contains(QStringLiteral("The ring is flooded.")));
}

int main(int argc, char** argv)
{
    KirimakiApplication app(argc, argv);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShellTest.moc"
