// Where the screens stand and how big they are: centred when shown, sized
// before centring, wide enough for every name, with the title boxes their
// size allows.
#include "screens/AboutBox.h"
#include "screens/ErrorBox.h"
#include "screens/MainMenu.h"
#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/StatIncreaseScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "screens/Controls.h"
#include "screens/TextConversion.h"

#include "rules/core/Game.h"
#include "rules/career/NewCareer.h"
#include "tests/support/RosterFixture.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

Game s_game; // the career every screen of this test is made for

bool centred(const QWidget* window)
{
    const QPoint off = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1;
}

// Every visible label and button of `screen` shows its whole text.
QStringList clipped(QWidget* screen)
{
    QStringList out;
    for (QLabel* l : screen->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty())
            continue;
        const bool fits = l->wordWrap() ? l->height() >= l->heightForWidth(l->width())
                                        : l->width() >= l->fontMetrics().horizontalAdvance(l->text());
        if (!fits)
            out << l->objectName() + ": " + l->text();
    }
    for (QPushButton* b : screen->findChildren<QPushButton*>())
        if (b->isVisible() && b->fontMetrics().horizontalAdvance(b->text().remove('&')) > b->contentsRect().width())
            out << b->objectName() + ": " + b->text();
    return out;
}

// Visible labels, lines and buttons of one parent that cover each other,
// but for `onTop` over the one label it is meant to cover.
QStringList overlapping(QWidget* parent, const QWidget* onTop = nullptr, const QWidget* covered = nullptr)
{
    QList<QWidget*> items;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible() && (qobject_cast<QLabel*>(w) || qobject_cast<QFrame*>(w) || qobject_cast<QPushButton*>(w)))
            items << w;
    QStringList out;
    for (int i = 0; i < items.size(); ++i)
        for (int j = i + 1; j < items.size(); ++j) {
            const bool meant = (items[i] == onTop && items[j] == covered) || (items[j] == onTop && items[i] == covered);
            if (!meant && items[i]->geometry().intersects(items[j]->geometry()))
                out << items[i]->objectName() + "/" + items[j]->objectName();
        }
    return out;
}

void expectNone(const QStringList& faults)
{
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
}

// Forty wrestlers of a new career named with the widest letters there are,
// written as another program would write them behind the screens.
void saveCareerOfWideNames(const QString& widest)
{
    Game game;
    buildNewCareer(game, CreationValues());
    for (std::size_t i = 0; i < game.roster.size(); ++i)
        setShikona(game.roster[i], i % 2 ? "MMMMWWWWMMMMW" : fromQt(widest));
    QVERIFY(saveRoster(game.roster));
}

// Shows `screen` with the game `game` in memory, checks it, and hides it again.
void showWith(QDialog* screen, const Game& game, const char* name)
{
    const FileStamp saved = s_game.fileSeen; // the screens before saved the career this one saves over
    s_game = game;
    s_game.fileSeen = saved;
    screen->show();
    QVERIFY2(centred(screen), name);
    expectNone(clipped(screen));
    screen->hide();
}

void longThenShort(QDialog* screen, const Game& longText, const Game& shortText)
{
    showWith(screen, longText, "long");
    const int tall = screen->height();
    showWith(screen, shortText, "short");
    QVERIFY(screen->height() < tall);
}

Game oldWrestlers(float age, const std::string& prefix)
{
    Game game = makeGame();
    for (std::size_t i = 0; i < game.roster.size(); ++i) {
        game.roster[i].age = age;
        setShikona(game.roster[i], prefix + std::to_string(10 + i));
    }
    return game;
}

Game yushoWithRunnersUp(std::size_t count)
{
    Game game = makeGame();
    setRecord(game.roster[0], 15);
    for (std::size_t i = 1; i <= count; ++i) {
        setRecord(game.roster[i], 14);
        setShikona(game.roster[i], "Longshikona" + std::to_string(10 + i));
    }
    return game;
}

Game chankoVisit(std::int32_t potential)
{
    Game game = makeGame();
    setRecord(game.roster[39], 10);
    game.roster[39].potential = potential;
    game.playerCopy = game.roster[39];
    game.pointPool = 5;
    return game;
}

} // namespace

class ScreenGeometryTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    void boxesCentredOverAnyParent()
    {
        QWidget notYetShown; // the main menu, before the event loop runs
        ErrorBox error(&notYetShown);
        error.show();
        QVERIFY(centred(&error));
        QWidget mainMenu;
        mainMenu.move(0, 0);
        mainMenu.show();
        AboutBox about(&mainMenu);
        about.show();
        QVERIFY(centred(&about));
    }

    // Screens that grow for a long text: sized before centring, and smaller again for a short one.
    void growingScreensSizedCentredAndBack()
    {
        AgeingScreen ageing(s_game);
        longThenShort(&ageing, oldWrestlers(150.0f, "Longshikona"), oldWrestlers(20.0f, "R"));
        YushoScreen yusho(s_game);
        longThenShort(&yusho, yushoWithRunnersUp(39), yushoWithRunnersUp(1));
        ChankoScreen chanko(s_game);
        longThenShort(&chanko, chankoVisit(1), chankoVisit(0));
    }

    void leaderboardSizedAndCentredNotFixedInWidth()
    {
        Game game = makeGame();
        for (Rikishi& r : game.roster)
            r.day = 11;
        game.curDay = 11;
        LeaderboardScreen screen(s_game);
        showWith(&screen, game, "leaderboard");
        QVERIFY(screen.minimumWidth() < screen.maximumWidth());
    }

    void creationKeepsItsPlaceAsThePointsLoseADigit()
    {
        CreationScreen form(s_game);
        form.show();
        QVERIFY(centred(&form));
        const auto places = [&form] {
            QList<QRect> out{form.geometry()};
            for (QWidget* w : form.findChildren<QWidget*>())
                out << w->geometry();
            return out;
        };
        const QList<QRect> before = places();
        // Each ability bar sent to its top takes five points: 25, 20 ... 0.
        for (ScrollEventBar* bar : {form.m_strengthBar, form.m_agilityBar, form.m_tachiaiBar,
                                    form.m_jumpBar, form.m_receiveBar}) {
            QTest::keyClick(bar, Qt::Key_End);
            QCoreApplication::processEvents(); // the layouts follow the new texts
            QCOMPARE(places(), before);
        }
        QCOMPARE(form.m_abilityPointsLeftLabel->text(), QStringLiteral("0"));
    }

    void dayResultsFitTheWidestName()
    {
        const QString widest = widestName(QWidget().fontMetrics(), 13);
        saveCareerOfWideNames(widest); // read as the screen is made
        DayResultsScreen screen(s_game);
        screen.openFromMainMenu();
        QCoreApplication::processEvents(); // the title row lays itself out
        QVERIFY(centred(&screen));
        QVERIFY(screen.m_resultLabels[0]->text() == widest || screen.m_resultLabels[2]->text() == widest);
        expectNone(clipped(&screen));
        // Fight stands over the player's "VS." and nothing else.
        QLabel* vs = nullptr;
        for (QLabel* l : screen.m_resultLabels)
            if (l->pos() == screen.m_fightButton->pos() + QPoint(0, 2))
                vs = l;
        QVERIFY(vs && vs->text() == QStringLiteral("VS."));
        expectNone(overlapping(&screen, screen.m_fightButton, vs));
    }

    void banzukeButtonsFitTheWidestName()
    {
        saveCareerOfWideNames(widestName(QWidget().fontMetrics(), 13));
        BanzukeScreen screen(s_game);
        screen.show();
        QVERIFY(centred(&screen));
        QCOMPARE(screen.m_nameButtons.size(), std::size_t{40});
        for (QPushButton* b : screen.m_nameButtons)
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        expectNone(clipped(&screen));
        expectNone(overlapping(screen.m_listWidget));
    }

    void titleBoxesAsTheSizeAllows()
    {
        // Built, not shown: a fixed-size layout fixes the size when activated.
        saveCareerOfWideNames(QStringLiteral("R"));
        Game& g = s_game;
        std::vector<std::unique_ptr<QWidget>> screens;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 new MainMenu(g), new CreationScreen(g), new RikishiViewer(g), new BanzukeScreen(g),
                 new DayResultsScreen(g), new BoutScreen(g), new StatIncreaseScreen(g), new ChankoScreen(g),
                 new PotentialScreen(g), new AgeingScreen(g), new YushoScreen(g), new NewBanzukeScreen(g),
                 new LeaderboardScreen(g), new AboutBox, new ErrorBox})
            screens.emplace_back(w);
        int sizeable = 0;
        for (const auto& s : screens) {
            if (s->layout())
                s->layout()->activate();
            const bool fixed = s->minimumSize() == s->maximumSize();
            const bool box = qobject_cast<AboutBox*>(s.get()) || qobject_cast<ErrorBox*>(s.get());
            const Qt::WindowFlags f = s->windowFlags();
            const QByteArray name = s->objectName().toLatin1();
            QVERIFY2(f.testFlag(Qt::CustomizeWindowHint), name);
            QVERIFY2(f.testFlag(Qt::WindowMaximizeButtonHint) == !fixed, name);
            QVERIFY2(f.testFlag(Qt::WindowMinimizeButtonHint) == !box, name);
            sizeable += fixed ? 0 : 1;
        }
        // The banzuke view, the leaderboard, the yusho screen and the three
        // screens of one text (potential, age, new banzuke).
        QCOMPARE(sizeable, 6);
    }
};

QTEST_MAIN(ScreenGeometryTest)
#include "ScreenGeometryTest.moc"
