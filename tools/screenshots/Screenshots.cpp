// Takes the README's pictures of every screen, on the offscreen platform: a
// new career made on the creation screen, then a basho played through the
// game's own screens on a fixed seed, as a player pressing what is offered.
//   QT_QPA_PLATFORM=offscreen kirimaki-screenshots DIR
// KIRIMAKI_SHOTS_DARK=1 takes them in a dark palette, KIRIMAKI_SHOTS_POINTS=13
// with a 13-point font; QT_SCALE_FACTOR=2 scales them as a large screen does.
#include "game/Application.h"
#include "game/GameState.h"
#include "game/Screens.h"
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "screens/AboutBox.h"
#include "screens/MainMenu.h"
#include "screens/ScreenDialog.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/NewBanzukeScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bout/BoutScreen.h"
#include "screens/career/CreationScreen.h"
#include "screens/career/ScrollEventBar.h"
#include "screens/lab/BuildEditor.h"
#include "screens/lab/BuildLab.h"
#include "screens/tournament/BanzukeScreen.h"
#include "screens/tournament/DayResultsScreen.h"
#include "screens/tournament/LeaderboardScreen.h"
#include "screens/tournament/RikishiViewer.h"
#include "screens/Controls.h"
#include "screens/WindowPlacement.h"

#include <QDir>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// The game's screens, made in main as the game makes them.
std::unique_ptr<Screens>& runningScreens()
{
    static std::unique_ptr<Screens> running;
    return running;
}
Screens& screens() { return *runningScreens(); }

QString g_out;
QStringList g_taken;

void shoot(QWidget* screen, const char* name)
{
    QCoreApplication::processEvents(); // the layouts follow the last texts
    if (g_taken.contains(QLatin1String(name)) || !screen->grab().save(g_out + '/' + name))
        return;
    g_taken << QLatin1String(name);
}

void press(QWidget* w, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, key, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        }
}

// The lab over the form: its build against a lighter one with a stronger
// tachiai and a small, quick one, 200 careers of 30 basho each.
void shootLab(CreationScreen* form)
{
    form->m_tryBuildButton->click();
    BuildLab* lab = screens().buildLab();
    BuildEditor* lighter = lab->m_buildEditors[1];
    lighter->m_heading->click();
    lighter->m_weightBox->setValue(110);
    lighter->m_abilityBoxes[2]->setValue(4);
    CreationValues quick;
    quick.height = 175;
    quick.weight = 95;
    quick.abilities = {3, 3, 4, 2, 3, 3, 1, 3, 2, 6, 4, 3};
    lab->m_buildEditors[2]->m_heading->click();
    lab->m_buildEditors[2]->setValues(quick);
    lab->m_startButton->click();
    while (lab->studying())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    lab->m_resultsTable->setCurrentCell(2, 0);
    shoot(lab, "build-lab.png");
    lab->m_closeButton->click();
}

// Plays every modal screen but the day results: looks at it once per
// opening, then presses what it offers, one button per turn of the loop.
class Player : public QObject {
public:
    Player()
    {
        qApp->installEventFilter(this);
        connect(&m_timer, &QTimer::timeout, this, [this] { turn(); });
        m_timer.start(0);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !e->spontaneous() && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow())
            m_fresh.insert(static_cast<QWidget*>(o));
        return false;
    }

private:
    void turn()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || m_pending || w == screens().dayResultsScreen() || w == screens().buildLab())
            return;
        m_pending = true; // acts from a timer of its own, so nested screens are played too
        QTimer::singleShot(0, this, [this, w = QPointer<QWidget>(w)] {
            m_pending = false;
            if (w && m_fresh.remove(w))
                opened(w);
            else if (w)
                step(w);
        });
    }

    void opened(QWidget* w)
    {
        if (auto* form = qobject_cast<CreationScreen*>(w)) {
            press(form->m_weightBar, Qt::Key_PageDown);
            press(form->m_heightBar, Qt::Key_Up, 6);
            press(form->m_strengthBar, Qt::Key_Up, 3);
            press(form->m_oshiBar, Qt::Key_Up, 4);
            shoot(form, "create-rikishi.png");
            shootLab(form);
            form->m_saveButton->click();
        } else if (w == screens().leaderboardScreen()) {
            shoot(w, "leaderboard.png");
        } else if (w == screens().chankoScreen()) {
            shoot(w, "chanko.png");
        } else if (w == screens().newBanzukeScreen()) {
            shoot(w, "new-banzuke.png");
        } else if (w == screens().boutScreen()) {
            m_clicks = 0;
            m_midway = QPixmap();
        }
    }

    void step(QWidget* w)
    {
        if (w == screens().yushoScreen() && isOffered(screens().yushoScreen()->m_okButton))
            shoot(w, "yusho.png");
        QPushButton* next = nullptr;
        if (w == screens().boutScreen()) // a steady wrestler: receive, then the belt
            for (QPushButton* b : {screens().boutScreen()->m_receiveButton, screens().boutScreen()->m_yotsuButton})
                if (isOffered(b) && !next)
                    next = b;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (isOffered(b) && !next)
                next = b;
        if (!next)
            return;
        next->click();
        if (w != screens().boutScreen())
            return;
        // The bout under way after its tachiai, kept with its result when
        // the player wins it.
        if (++m_clicks == 1 && isOffered(screens().boutScreen()->m_yotsuButton))
            m_midway = screens().boutScreen()->grab();
        if (next == screens().boutScreen()->m_winButton && !m_midway.isNull() && !g_taken.contains("bout-result.png")) {
            if (m_midway.save(g_out + "/bout-midway.png"))
                g_taken << "bout-midway.png";
            shoot(screens().boutScreen(), "bout-result.png");
        }
    }

    QTimer m_timer;
    QSet<QWidget*> m_fresh;
    bool m_pending = false;
    int m_clicks = 0;
    QPixmap m_midway;
};

// The palette and font a player may have chosen for his desktop.
void lookAsAsked(QApplication& app)
{
    if (qEnvironmentVariableIsSet("KIRIMAKI_SHOTS_DARK")) {
        app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(QPalette::Mid, QColor(0x80, 0x80, 0x80));
        app.setPalette(dark);
    }
    const int points = qEnvironmentVariableIntValue("KIRIMAKI_SHOTS_POINTS");
    if (points > 0) {
        QFont font = app.font();
        font.setPointSize(points);
        app.setFont(font);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kirimaki-screenshots DIR\n");
        return 2;
    }
    qputenv("KIRIMAKI_SEED", "9"); // the same pictures on every run
    KirimakiApplication app(argc, argv);
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    lookAsAsked(app);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    { // a career on file, so that the start-up has one to show
        Game first;
        buildNewCareer(first, CreationValues());
        first.save();
    }
    runningScreens() = std::make_unique<Screens>(gameState());
    Player player;
    screens().mainMenu()->show();
    shoot(screens().mainMenu(), "main-menu.png");
    screens().aboutBox()->show();
    shoot(screens().aboutBox(), "about.png");
    screens().aboutBox()->hide();

    screens().mainMenu()->m_createRikishiButton->click(); // the player's own wrestler
    screens().mainMenu()->m_tournamentButton->click();
    DayResultsScreen* day = screens().dayResultsScreen();
    for (int presses = 0; day->isVisible() && presses < 100; ++presses) {
        if (day->m_dayLabel->text() == QLatin1String("8") && isOffered(day->m_fightButton)) {
            shoot(day, "kekka.png");
            bringUp(screens().banzukeScreen());
            shoot(screens().banzukeScreen(), "banzuke.png");
            screens().banzukeScreen()->hide();
            screens().rikishiViewer()->showRikishi(1);
            shoot(screens().rikishiViewer(), "view-rikishi.png");
            screens().rikishiViewer()->hide();
        }
        for (QPushButton* b : {day->m_fightButton, day->m_nextDayButton, day->m_finishBashoButton})
            if (isOffered(b)) {
                b->click();
                break;
            }
    }
    const QStringList wanted{"main-menu.png", "about.png", "create-rikishi.png", "kekka.png", "banzuke.png",
                             "view-rikishi.png", "build-lab.png", "bout-midway.png", "bout-result.png", "leaderboard.png",
                             "yusho.png", "chanko.png", "new-banzuke.png"};
    int missing = 0;
    for (const QString& name : wanted)
        if (!g_taken.contains(name)) {
            std::fprintf(stderr, "kirimaki-screenshots: no picture %s\n", qPrintable(name));
            ++missing;
        }
    runningScreens().reset(); // before the application goes
    return missing ? 1 : 0;
}
