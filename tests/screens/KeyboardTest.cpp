// The game as a keyboard player and a screen reader meet it: every window
// that opens in a basho names its controls once each, gives bars a value,
// stands on the screen and has the focus on a control it shows; Enter and
// Tab do what they say; the genki bars follow the bout; and after the
// leaderboard the keys land on the day results, never on a hidden window.
#include "screens/bout/BoutScreen.h"
#include "screens/bout/GenkiMeter.h"
#include "screens/WindowPlacement.h"
#include "screens/career/CreationScreen.h"
#include "screens/history/HistoryScreen.h"
#include "screens/lab/BuildLab.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "tests/support/WholeGame.h"
#include "tests/support/Wrestler.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QProgressBar>
#include <QSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QAccessibleInterface* accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

bool isControl(QWidget* w)
{
    if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
        return false; // a spin box's own edit: the box itself is the control
    if (qobject_cast<QScrollBar*>(w)) {
        // A table's or a text's bars are read as part of it; a scrolled
        // page's are the player's only way about it, and named.
        QWidget* area = w->parentWidget();
        while (area && !qobject_cast<QAbstractScrollArea*>(area))
            area = area->parentWidget();
        return qobject_cast<QScrollArea*>(area);
    }
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<GenkiMeter*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QProgressBar*>(w);
}

// What a player who cannot see the window would stumble on in it.
QStringList accessFaults(QWidget* window)
{
    QStringList out;
    const QString where = window->objectName() + ": ";
    if (!window->screen()->availableGeometry().contains(window->frameGeometry().topLeft()))
        out << where + "placed off the screen";
    QWidget* focus = window->focusWidget();
    if (!focus || !focus->isVisible() || !window->isAncestorOf(focus))
        out << where + "no shown control has the focus";
    QSet<QString> names;
    QHash<QKeySequence, QString> mnemonics;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Two captions with one Alt key: the key only moves between them.
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString caption = button ? button->text() : label && label->buddy() ? label->text()
                                                                                  : QString();
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (w->isVisible() && !key.isEmpty()) {
            if (mnemonics.contains(key))
                out << where + mnemonics[key] + " and " + w->objectName() + " share " + key.toString();
            mnemonics.insert(key, w->objectName());
        }
        if (!w->isVisible() || !isControl(w))
            continue;
        // On Linux a combo box's spoken name is its current item and its
        // caption comes by a relation: what it is called is what we set.
        const QString name = qobject_cast<QComboBox*>(w) ? w->accessibleName() : accessible(w)->text(QAccessible::Name);
        if (name.isEmpty())
            out << where + w->objectName() + " (" + w->metaObject()->className() + ") has no name";
        else if (names.contains(name))
            out << where + "two controls are called " + name + " (" + w->objectName() + ")";
        names.insert(name);
        const bool valued = qobject_cast<QAbstractSlider*>(w) || qobject_cast<GenkiMeter*>(w) ||
                            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QProgressBar*>(w);
        if (valued && !accessible(w)->valueInterface())
            out << where + w->objectName() + " has no value";
    }
    return out;
}

// The controls Tab reaches from `first`, in order, by object name.
QStringList tabOrder(QWidget* first, int count)
{
    QStringList out;
    QWidget* w = first;
    while (out.size() < count) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            out << w->objectName();
        w = w->nextInFocusChain();
        if (w == first)
            break;
    }
    return out;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QCOMPARE(loadRoster(m_career, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
    }

    // Days 8 (the leaderboard) and 15 (the end of the basho), every window
    // checked as it opens; the browsing screens and the creation form too.
    void everyWindowSpeaksAndHoldsTheFocusAsItOpens()
    {
        QStringList faults;
        for (int day : {8, 15}) {
            const Roster career = careerAt(m_career, day, day - 1);
            startGame(&career);
            m_driver->m_anyOpening = [&faults](QWidget* w) {
                faults << accessFaults(w);
                if (auto* form = qobject_cast<CreationScreen*>(w))
                    form->m_cancelButton->click();
            };
            faults << accessFaults(screens().mainMenu());
            screens().mainMenu()->m_createRikishiButton->click();
            for (QWidget* browse : std::initializer_list<QWidget*>{screens().banzukeScreen(), screens().rikishiViewer(), screens().historyScreen(), screens().buildLab()}) {
                bringUp(browse);
                faults << accessFaults(browse);
                browse->hide();
            }
            screens().mainMenu()->m_tournamentButton->click();
            faults << accessFaults(screens().dayResultsScreen());
            QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
            QTRY_VERIFY(!screens().boutScreen()->isVisible());
        }
        QCOMPARE(m_driver->openings(screens().yushoScreen()), 1);
        QCOMPARE(faults.join(QLatin1Char('\n')), QString());
    }

    // Tab reads the main menu row by row; Enter presses the focused button
    // there and on a screen, and only that one.
    void tabReadsInOrderAndEnterPressesTheFocusedButton()
    {
        startGame(&m_career);
        MainMenu* menu = screens().mainMenu();
        QCOMPARE(tabOrder(menu->m_tournamentButton, 6),
                 QStringList({"tournamentButton", "viewBanzukeButton", "createRikishiButton", "viewRikishiButton", "aboutButton", "quitButton"}));
        menu->m_viewBanzukeButton->setFocus();
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(screens().banzukeScreen()->isVisible());
        BanzukeScreen* banzuke = screens().banzukeScreen();
        QVERIFY(banzuke->testAttribute(Qt::WA_KeyboardFocusChange)); // the ring shows before any Tab
        banzuke->m_closeButton->setFocus();
        QTest::keyClick(banzuke, Qt::Key_Enter);
        QVERIFY(!banzuke->isVisible());

        CreationScreen form(gameState());
        form.show();
        QCOMPARE(tabOrder(form.m_shikonaEdit, 4), QStringList({"Shikona", "RealName", "heightBar", "weightBar"}));
        QCOMPARE(accessible(form.m_heightBar)->text(QAccessible::Name), QStringLiteral("Height"));
        // Up raises a bar's value.
        const int before = form.m_strengthBar->value();
        QTest::keyClick(form.m_strengthBar, Qt::Key_Up);
        QCOMPARE(form.m_strengthBar->value(), before + 1);
    }

    // Each genki bar tells its number and hears each change; its colour
    // stands out from a light and a dark window alike.
    void genkiBarsFollowTheBoutInAnyPalette()
    {
        Game& game = gameState();
        game.playerCopy = wrestler("Tabiji", 39, 20);
        game.opponentCopy = wrestler("Comp38", 38, 20);
        BoutScreen bout(game);
        bout.show();
        QTest::keyClick(&bout, Qt::Key_R);
        QTest::keyClick(&bout, Qt::Key_O);
        for (const auto& [meter, genki] : {std::pair{bout.m_userGenkiBar, game.playerCopy.genki}, std::pair{bout.m_compGenkiBar, game.opponentCopy.genki}}) {
            QAccessibleValueInterface* value = accessible(meter)->valueInterface();
            QCOMPARE(value->currentValue().toInt(), std::clamp(genki, 0, kGenkiMeterMax));
            QCOMPARE(accessible(meter)->role(), QAccessible::ProgressBar);
        }
        for (const QColor& window : {QColor(0xef, 0xef, 0xef), QColor(0x35, 0x35, 0x35)}) {
            QPalette palette = bout.m_userGenkiBar->palette();
            palette.setColor(QPalette::Window, window);
            bout.m_userGenkiBar->setPalette(palette);
            for (BarColour colour : {BarColour::Blue, BarColour::Red}) {
                bout.m_userGenkiBar->show(GenkiBar{40, colour, 20});
                QVERIFY(contrastRatio(bout.m_userGenkiBar->fillColour(), window) >= 3.0);
            }
        }
        bout.hide();
    }

    // After the leaderboard's OK the keys go to the day results, whose Next
    // Day is focused, not to the main menu hidden behind it.
    void afterTheLeaderboardTheKeysGoToTheDay()
    {
        const Roster career = careerAt(m_career, 8, 7);
        startGame(&career);
        screens().mainMenu()->m_tournamentButton->click();
        QTest::mouseClick(screens().dayResultsScreen()->m_fightButton, Qt::LeftButton);
        QTRY_COMPARE(m_driver->openings(screens().leaderboardScreen()), 1);
        QTRY_VERIFY(!screens().leaderboardScreen()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), screens().dayResultsScreen());
        QCOMPARE(QApplication::focusWidget(), screens().dayResultsScreen()->m_nextDayButton);
    }

private:
    void startGame(const Roster* career) { ::startGame(career, m_driver); }

    Roster m_career{};
    QTemporaryDir m_dir;
    std::unique_ptr<ModalDriver> m_driver;
};

KIRIMAKI_GAME_TEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
