// The main menu, the about box and exception reporting.
#include "rules/core/Game.h"
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "tests/support/WholeGame.h"

#include <QLabel>
#include <QMessageBox>

#include <stdexcept>

namespace {

// The texts of every modal box that opens, the driver pressing its OK.
struct BoxWatcher : ModalDriver {
    QStringList texts;
    BoxWatcher()
    {
        anyOpening = [this](QWidget* w) {
            for (QLabel* l : w->findChildren<QLabel*>())
                texts << l->text();
            if (auto* box = qobject_cast<QMessageBox*>(w))
                texts << box->text();
        };
    }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    Game m_game;   // the career the main menu works on
private slots:
    void mainMenuButtonsCallTheirScreensWhenOffered();
    void aboutBoxShowsTheIcon();
    void exceptionInAHandlerIsReported();
};

void ShellTest::mainMenuButtonsCallTheirScreensWhenOffered()
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
    for (QPushButton* b : {menu.m_tournamentButton, menu.m_viewBanzukeButton, menu.m_aboutButton,
                           menu.m_createRikishiButton, menu.m_viewRikishiButton})
        QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(opened, QStringList({"tournament", "banzuke", "about", "create", "viewer"}));

    // A screen that is not there yet: its button does nothing.
    menu.openViewRikishi = nullptr;
    QTest::mouseClick(menu.m_viewRikishiButton, Qt::LeftButton);
    QCOMPARE(opened.size(), 5);

    // A late mnemonic on a button no longer offered does nothing.
    menu.m_tournamentButton->setEnabled(false);
    menu.startTournament();
    QCOMPARE(opened.size(), 5);

    QTest::mouseClick(menu.m_quitButton, Qt::LeftButton);
    QVERIFY(!menu.isVisible());
}

void ShellTest::aboutBoxShowsTheIcon()
{
    AboutBox box;
    QVERIFY(!box.m_iconLabel->pixmap().isNull());
    QCOMPARE(box.m_iconLabel->size(), box.m_iconLabel->pixmap().size());
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
    BoxWatcher watcher;
    QEvent event(QEvent::User);
    QApplication::sendEvent(&thrower, &event);
    QVERIFY(watcher.texts.contains(QStringLiteral("The ring is flooded.")));
}

KIRIMAKI_GAME_TEST_MAIN(ShellTest)

#include "ShellTest.moc"
