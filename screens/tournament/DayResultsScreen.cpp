// The day results screen: lists the day, leads to the player's bout, closes the day.
#include "screens/tournament/DayResultsScreen.h"

#include "rules/core/Game.h"
#include "rules/bashoend/BashoEnd.h"
#include "rules/tournament/DayFlow.h"
#include "rules/core/CurrentDay.h"
#include "rules/tournament/DayResults.h"
#include "screens/tournament/ReturnWatcher.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/SaveReport.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The result lines: two columns of ten rows, each line a first name, a verb
// and a second name.
constexpr int kFirstRowY = 32;
constexpr int kRowHeight = 32;
constexpr int kLabelHeight = 20;
constexpr int kHeight = 410;

// Where the labels of a line stand. The designed widths (100, 76, 112, for a
// screen 640 wide) are a floor: the name labels grow to the widest ring name
// a record can hold in the screen's font, and the screen grows with them.
struct LineColumns {
    int x[2][3]; // left edges, left column and right column
    int width[3]; // first name, verb, second name
    int dividerX;
    int screenWidth;
};

LineColumns lineColumns(const QFontMetrics& metrics)
{
    constexpr int kMargin = 16;
    constexpr int kGap = 4; // between the labels of a line
    constexpr int kDividerGap = 12; // from the divider to the right column
    const int name = metrics.horizontalAdvance(widestName(metrics, static_cast<int>(kShikonaMax))) + kGap;
    LineColumns c{};
    c.width[0] = std::max(100, name);
    c.width[1] = 76;
    c.width[2] = std::max(112, name);
    int left = kMargin;
    for (int column = 0; column < 2; ++column) {
        c.x[column][0] = left;
        c.x[column][1] = c.x[column][0] + c.width[0] + kGap;
        c.x[column][2] = c.x[column][1] + c.width[1] + kGap;
        const int right = c.x[column][2] + c.width[2];
        if (column == 0) {
            c.dividerX = right + kGap;
            left = c.dividerX + kDividerGap;
        } else {
            c.screenWidth = right + kMargin;
        }
    }
    return c;
}

// Marks a handler of the screen as running for as long as it is in scope.
class Busy {
public:
    explicit Busy(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Busy() { m_flag = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& m_flag;
};

// The sixty labels of the result lines, named line1First ... line20Second.
void makeResultLines(QWidget* screen, const LineColumns& columns, std::array<QLabel*, 60>& labels)
{
    for (int i = 0; i < 60; ++i) {
        const int line = i / 3;
        const int part = i % 3;
        static const char* const kParts[3] = {"First", "Middle", "Second"};
        const QByteArray name = "line" + QByteArray::number(line + 1) + kParts[part];
        QLabel* label = makeLabel(screen, name.constData());
        label->setGeometry(columns.x[line / 10][part], kFirstRowY + (line % 10) * kRowHeight,
                           columns.width[part], kLabelHeight);
        labels[static_cast<std::size_t>(i)] = label;
    }
}

} // namespace

// The game's side of the day flow: the save file through the shared
// helpers (which report failures), the leaderboard and bout screens, and
// the screen's own hiding and showing around the bout.
class DayResultsScreen::Host : public DayHost {
public:
    explicit Host(DayResultsScreen* screen) : m_screen(screen) {}

    bool load(Game& game) override
    {
        if (loadRosterOrReport(m_screen, game))
            return true;
        m_screen->m_closePending = true;
        return false;
    }
    bool save(const Game& game) override { return saveRosterOrReport(m_screen, game, m_retry); }
    // The day's lines are on the screen before its save is tried.
    void dayProduced(const DaySheet& sheet) override
    {
        m_screen->showSheet(sheet);
        m_screen->repaint();
    }
    void leaderboard(Game& game) override
    {
        emit m_screen->leaderboardWanted(game);
        // Back to this screen, not to the main menu behind it.
        giveFocusBack(m_screen);
    }
    PlayerBout& playerBout() override { return *m_screen->m_playerBout; }
    BashoEndScreens& bashoEndScreens() override { return *m_screen->m_bashoEnd; }
    void boutStarting() override { m_screen->hide(); }
    void boutFinished() override
    {
        bringUp(m_screen);
        m_screen->showDayDone();
    }
    void bashoEnding() override
    {
        // The end-of-basho screens report their own saves, each with its OK.
        m_screen->m_oneReport.reset();
        m_screen->hide();
    }
    bool stopped() override { return m_screen->m_bashoEnd && m_screen->m_bashoEnd->stopped(); }

    // What the failure box names as the way to try again.
    QString m_retry;

private:
    DayResultsScreen* m_screen = nullptr;
};

DayResultsScreen::DayResultsScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent), m_host(std::make_unique<Host>(this))
{
    setObjectName(QStringLiteral("dayResultsScreen"));
    setWindowTitle(QStringLiteral(" Kekka"));
    const LineColumns columns = lineColumns(fontMetrics());
    const int width = columns.screenWidth;
    setFixedSize(width, kHeight);

    buildTitleRow(width);

    makeResultLines(this, columns, m_resultLabels);

    m_columnDivider = new QFrame(this);
    m_columnDivider->setObjectName(QStringLiteral("columnDivider"));
    m_columnDivider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    m_columnDivider->setGeometry(columns.dividerX, kFirstRowY - 6, 4, 10 * kRowHeight);

    m_fightButton = makeButton(this, "GoToFight", QStringLiteral("&Fight"));
    m_fightButton->setFixedSize(columns.width[1] - 4, kLabelHeight + 4);
    m_fightButton->hide();

    m_mainMenuButton = makeButton(this, "MainMenuButton", QStringLiteral("&Main Menu"));
    m_nextDayButton = makeButton(this, "NextDayButton", QStringLiteral("&Next Day"));
    m_showBanzukeButton = makeButton(this, "ShowBanzukeButton", QStringLiteral("&Banzuke"));
    const int buttonY = kFirstRowY + 10 * kRowHeight + 20;
    const int buttonsX = (width - 3 * 120 - 2 * 28) / 2;
    m_mainMenuButton->setGeometry(buttonsX, buttonY, 120, 30);
    m_nextDayButton->setGeometry(buttonsX + 148, buttonY, 120, 30);
    m_showBanzukeButton->setGeometry(buttonsX + 2 * 148, buttonY, 120, 30);

    m_messageLabel = makeLabel(this, "MessageLabel");
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignCenter);
    m_messageLabel->setGeometry(48, 64, width - 96, 200);
    m_messageLabel->hide();
    m_finishBashoButton = makeButton(this, "FinishBashoButton", QStringLiteral("&Finish Basho"));
    m_finishBashoButton->setGeometry((width - 140) / 2, 280, 140, 30);
    m_finishBashoButton->hide();

    connectButtons();
    scrollWhenLargerThanScreen(this, QStringLiteral("Scroll the results"));
    centreOnScreen(this);
}

void DayResultsScreen::buildTitleRow(int width)
{
    // The title row "Day 7 Results", centred above the columns.
    auto* title = new QWidget(this);
    title->setGeometry(0, 4, width, 24);
    auto* titleRow = new QHBoxLayout(title);
    titleRow->setContentsMargins(0, 0, 0, 0);
    m_dayCaptionLabel = makeLabel(title, "dayCaptionLabel", QStringLiteral("Day"));
    m_dayLabel = makeLabel(title, "DayLabel");
    m_resultsCaptionLabel = makeLabel(title, "resultsCaptionLabel", QStringLiteral("Results"));
    QFont bold = m_dayCaptionLabel->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    titleRow->addStretch();
    for (QLabel* l : {m_dayCaptionLabel, m_dayLabel, m_resultsCaptionLabel}) {
        l->setFont(bold);
        titleRow->addWidget(l);
    }
    titleRow->addStretch();
}

void DayResultsScreen::connectButtons()
{
    connect(m_fightButton, &QPushButton::clicked, this, &DayResultsScreen::fightPlayersBout);
    connect(m_mainMenuButton, &QPushButton::clicked, this, &DayResultsScreen::backToMainMenu);
    connect(m_nextDayButton, &QPushButton::clicked, this, &DayResultsScreen::nextDay);
    connect(m_showBanzukeButton, &QPushButton::clicked, this, &DayResultsScreen::viewBanzukeFromDay);
    connect(m_finishBashoButton, &QPushButton::clicked, this, &DayResultsScreen::finishBasho);
    // A real switch to this screen from another window of the game runs the
    // day step, as an activation does; the screen's own modal screens
    // closing do not.
    const auto busy = [this] { return m_busy; };
    const auto returned = [this] {
        if (!m_closePending && isVisible())
            runDay();
    };
    m_returns = new ReturnWatcher(this, busy, returned);
}

DayResultsScreen::~DayResultsScreen() = default;

void DayResultsScreen::setPlayerBout(PlayerBout* bout) { m_playerBout = bout; }

void DayResultsScreen::setBashoEndScreens(BashoEndScreens* screens) { m_bashoEnd = screens; }

void DayResultsScreen::beginBasho()
{
    Game& game = *m_game;
    // m_resultLabels were collected as the labels were made.
    if (!loadRosterOrReport(this, *m_game))
        return;
    beginDays(game);
}

void DayResultsScreen::openFromMainMenu()
{
    m_closePending = false;
    bringUp(this);
    runDay();
}

void DayResultsScreen::runDay()
{
    // The re-activations inside the bout, the leaderboard and the end of the
    // basho must produce nothing: the day is not advanced yet.
    if (m_busy)
        return;
    Busy busy(m_busy);
    runDayStep();
}

void DayResultsScreen::runDayStep()
{
    m_returns->reset();
    m_host->m_retry = QStringLiteral("Press Next Day to try again.");
    const DayStep step = dayStep(*m_game, *m_host);
    switch (step.outcome) {
    case StepOutcome::Produced:
        m_saved = step.sheet;
        showSheet(step.sheet);
        return;
    case StepOutcome::SaveFailed:
        // The file holds none of the day: show what it does hold, with Next
        // Day to produce the day again.
        showDayNotSaved(step.sheet.day);
        return;
    case StepOutcome::LoadFailed:
    case StepOutcome::NothingNew:
        return;
    }
}

void DayResultsScreen::showDayDone()
{
    m_fightButton->hide();
    uncoverVerb();
    m_mainMenuButton->setEnabled(true);
    m_nextDayButton->setEnabled(true);
    m_nextDayButton->setFocus();
    m_showBanzukeButton->setEnabled(true);
}

void DayResultsScreen::showDayNotSaved(std::int32_t day)
{
    // The day before, as it was left, when this screen showed it; otherwise
    // only a word on the day that is still to come.
    if (m_saved && m_saved->kind == DaySheetKind::Bouts && m_saved->day == day - 1) {
        showSheet(*m_saved);
    } else {
        DaySheet waiting;
        waiting.kind = DaySheetKind::NotPlayable;
        waiting.message = "The results of day " + std::to_string(day) +
                          " could not be saved, so they were not kept. Press Next Day to try again.";
        showSheet(waiting);
    }
    showDayDone();
}

void DayResultsScreen::uncoverVerb()
{
    if (m_coveredVerb)
        m_coveredVerb->show();
    m_coveredVerb = nullptr;
}

void DayResultsScreen::showSheet(const DaySheet& sheet)
{
    m_coveredVerb = nullptr; // every line is shown or hidden anew below
    const bool bouts = sheet.kind == DaySheetKind::Bouts;
    for (QLabel* l : {m_dayCaptionLabel, m_dayLabel, m_resultsCaptionLabel})
        l->setVisible(bouts);
    m_dayLabel->setText(toQt(sheet.dayText));
    for (int k = 0; k < kLinesPerDay; ++k) {
        const ResultLine& line = sheet.lines[static_cast<std::size_t>(k)];
        const QString captions[3] = {toQt(line.first), toQt(line.middle), toQt(line.second)};
        for (int part = 0; part < 3; ++part) {
            QLabel* label = m_resultLabels[3 * static_cast<std::size_t>(k) + static_cast<std::size_t>(part)];
            label->setText(captions[part]);
            label->setVisible(bouts);
        }
    }
    m_columnDivider->setVisible(bouts);
    m_messageLabel->setText(toQt(sheet.message));
    m_messageLabel->setVisible(!bouts);
    m_finishBashoButton->setVisible(sheet.kind == DaySheetKind::Unfinished);
    m_finishBashoButton->setEnabled(true);

    m_mainMenuButton->setEnabled(!bouts);
    m_nextDayButton->setEnabled(false);
    m_showBanzukeButton->setEnabled(false);
    if (bouts && sheet.playerLine >= 0) {
        QLabel* verb = m_resultLabels[3 * static_cast<std::size_t>(sheet.playerLine) + 1];
        m_fightButton->move(verb->x(), verb->y() - 2);
        verb->hide();
        m_coveredVerb = verb;
        m_fightButton->setEnabled(true);
        m_fightButton->show();
        m_fightButton->raise();
        m_fightButton->setFocus();
    } else {
        m_fightButton->hide();
        if (sheet.kind == DaySheetKind::Unfinished)
            m_finishBashoButton->setFocus();
        else
            m_mainMenuButton->setFocus();
    }
}

void DayResultsScreen::fightPlayersBout()
{
    if (!isOffered(m_fightButton) || m_busy || !m_playerBout || !m_bashoEnd)
        return;
    Busy busy(m_busy);
    // The bout's own save and the day's save after it fail alike in a folder
    // that became read-only: the player hears of it once.
    m_oneReport.emplace();
    m_host->m_retry = QStringLiteral("Press Fight to try again: the bout is kept and is not fought a second time.");
    const BoutOutcome outcome = fightDay(*m_game, *m_host);
    m_oneReport.reset();
    afterFlow(outcome);
}

void DayResultsScreen::finishBasho()
{
    if (!isOffered(m_finishBashoButton) || m_busy || !m_bashoEnd)
        return;
    Busy busy(m_busy);
    m_finishBashoButton->setEnabled(false);
    afterFlow(finishInterruptedBasho(*m_game, *m_host));
}

void DayResultsScreen::afterFlow(BoutOutcome outcome)
{
    switch (outcome) {
    case BoutOutcome::LoadFailed: // the failed load is closing the screen
    case BoutOutcome::DayDone: // the screen waits for Next Day
        return;
    case BoutOutcome::SaveFailed:
        // The file still holds the day with the bout to come: show it so,
        // with Fight to save the kept result.
        if (m_saved)
            showSheet(*m_saved);
        return;
    case BoutOutcome::Refused:
        // The file moved on since this screen was filled: show what it holds now.
        runDayStep();
        return;
    case BoutOutcome::BashoEnded:
    case BoutOutcome::Stopped:
        // As after any basho: back to the main menu, whose Tournament button
        // opens day 1 of the next one.
        close();
        return;
    }
}

void DayResultsScreen::backToMainMenu()
{
    handOver(m_mainMenuButton, &DayResultsScreen::mainMenuWanted);
}

void DayResultsScreen::nextDay()
{
    if (!isOffered(m_nextDayButton))
        return;
    runDay();
}

void DayResultsScreen::viewBanzukeFromDay()
{
    handOver(m_showBanzukeButton, &DayResultsScreen::banzukeWanted);
}

void DayResultsScreen::handOver(const QPushButton* button, void (DayResultsScreen::*wanted)())
{
    if (!isOffered(button))
        return;
    emit(this->*wanted)();
    close();
}
