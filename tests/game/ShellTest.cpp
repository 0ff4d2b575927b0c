// The main menu, the about box and exception reporting.
#include "game/CareerLockCheck.h"
#include "rules/core/Game.h"
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "tests/support/WholeGame.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <stdexcept>

namespace {

// A handler that fails as a bug in the game would.
class Thrower : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("The ring is flooded");
        return QObject::event(e);
    }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    Game m_game; // the career the main menu works on

private slots:
    void aHistoryThatCannotBeReadIsKeptAsideAndThePlayerToldOnce()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(saveRoster(makeRoster(1)));
        QFile damaged(QStringLiteral("rikishi.history"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        QStringList told;
        QTimer boxes;
        connect(&boxes, &QTimer::timeout, [&told] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << box->text();
                box->accept();
            }
        });
        boxes.start(10);
        gameState() = Game{};
        {
            Screens game(gameState());
            QTest::qWait(300);
            QVERIFY(gameState().witness);
        }
        QVERIFY(!gameState().witness);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QStringLiteral("kept as")), qPrintable(told[0]));
        QCOMPARE(QDir().entryList({QStringLiteral("rikishi.history.damaged-*")}).size(), 1);
        QDir::setCurrent(before);
    }

    void aCareerOpenInAnotherProgramIsRefusedWithABoxNamingIt()
    {
        QTemporaryDir dir;
        const std::string career = (dir.path() + QStringLiteral("/rikishi.r")).toStdString();
        const CareerLock other(career); // another game on the same career
        QString told;
        QTimer::singleShot(0, [&told] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        QVERIFY(!lockCareerOrSay(career, false));
        QCOMPARE(told, QString::fromStdString("This career is open in another program: " + career));
        // Another career in the same folder is free to take.
        QVERIFY(lockCareerOrSay(dir.path().toStdString() + "/other.r", false));
    }

    void mainMenuButtonsCallTheirScreensWhenOffered()
    {
        MainMenu menu(m_game);
        QStringList opened;
        connect(&menu, &MainMenu::tournamentWanted, this, [&] { opened << "tournament"; });
        connect(&menu, &MainMenu::banzukeWanted, this, [&] { opened << "banzuke"; });
        connect(&menu, &MainMenu::aboutWanted, this, [&] { opened << "about"; });
        connect(&menu, &MainMenu::creationWanted, this, [&] { opened << "create"; });
        connect(&menu, &MainMenu::viewerWanted, this, [&] { opened << "viewer"; });
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (QPushButton* b : {menu.m_tournamentButton, menu.m_viewBanzukeButton, menu.m_aboutButton,
                               menu.m_createRikishiButton, menu.m_viewRikishiButton})
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(opened, QStringList({"tournament", "banzuke", "about", "create", "viewer"}));

        // A late mnemonic on a button no longer offered does nothing.
        menu.m_tournamentButton->setEnabled(false);
        menu.startTournament();
        QCOMPARE(opened.size(), 5);

        QTest::mouseClick(menu.m_quitButton, Qt::LeftButton);
        QVERIFY(!menu.isVisible());
    }

    void aboutBoxShowsTheIcon()
    {
        AboutBox box;
        QVERIFY(!box.m_iconLabel->pixmap().isNull());
        QCOMPARE(box.m_iconLabel->size(), box.m_iconLabel->pixmap().size());
    }

    void exceptionInAHandlerIsReported()
    {
        ModalDriver driver; // presses the OK of the box that reports it
        QStringList told;
        driver.m_anyOpening = [&told](QWidget* w) {
            for (QLabel* l : w->findChildren<QLabel*>())
                told << l->text();
            if (auto* box = qobject_cast<QMessageBox*>(w))
                told << box->text();
        };
        Thrower thrower;
        QEvent event(QEvent::User);
        QApplication::sendEvent(&thrower, &event);
        QVERIFY(told.contains(QStringLiteral("The ring is flooded.")));
    }
};

KIRIMAKI_GAME_TEST_MAIN(ShellTest)

#include "ShellTest.moc"
