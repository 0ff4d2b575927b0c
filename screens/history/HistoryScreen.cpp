// The history screen: reads the career's history and shows it in tabs.
#include "screens/history/HistoryScreen.h"

#include "history/HistoryFile.h"
#include "history/HistoryQueries.h"
#include "history/Sqlite.h"
#include "rules/core/Game.h"
#include "screens/Accessibility.h"
#include "screens/Controls.h"
#include "screens/DataViews.h"
#include "screens/TextConversion.h"
#include "screens/WindowPlacement.h"
#include "screens/history/HistoryCharts.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString record(std::int64_t wins, std::int64_t losses)
{
    return QString::number(wins) + QLatin1Char('-') + QString::number(losses);
}

QString honour(const BashoRow& r)
{
    return r.yusho ? QStringLiteral("Yusho") : r.junyusho ? QStringLiteral("Jun-yusho")
                                                          : QString();
}

} // namespace

HistoryScreen::HistoryScreen(Game& game, QWidget* parent) : ScreenDialog(game, parent)
{
    setObjectName(QStringLiteral("historyScreen"));
    setWindowTitle(QStringLiteral("Career History"));
    setModal(false);
    setTitleBoxes(this, TitleBoxes::Sizeable);
    buildControls();
    resize(820, 560);
}

void HistoryScreen::buildControls()
{
    m_titleLabel = makeLabel(this, "historyTitleLabel");
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_titleLabel->setFont(bold);
    m_knownFromLabel = makeLabel(this, "knownFromLabel");

    m_careerTable = makeTable(this, "careerTable", QStringLiteral("Career table"),
                              {"Basho", "Name", "Rank", "Record", "Honour", "Then", "Change"});
    m_totalsLabel = makeLabel(this, "totalsLabel");
    m_totalsLabel->setWordWrap(true);
    auto* careerPage = new QWidget;
    auto* careerLayout = new QVBoxLayout(careerPage);
    careerLayout->addWidget(m_careerTable, 1);
    careerLayout->addWidget(m_totalsLabel);

    m_rankChart = new QChartView;
    m_rankChart->setObjectName(QStringLiteral("rankChart"));
    m_rankChart->setRenderHint(QPainter::Antialiasing);
    m_abilityChart = new QChartView;
    m_abilityChart->setObjectName(QStringLiteral("abilityChart"));
    m_abilityChart->setRenderHint(QPainter::Antialiasing);
    nameControl(m_rankChart, QStringLiteral("Rank chart"));
    nameControl(m_abilityChart, QStringLiteral("Abilities chart"));
    m_headToHeadTable = makeTable(this, "headToHeadTable", QStringLiteral("Head-to-head"), {"Opponent", "Wins", "Losses"});
    m_championsTable = makeTable(this, "championsTable", QStringLiteral("Champions"), {"Basho", "Name", "Yusho", "Runner-up", "Playoff"});
    m_pastCareersTable = makeTable(this, "pastCareersTable", QStringLiteral("Past careers"),
                                   {"Career", "Shikona", "Started", "Basho", "Highest rank", "Yusho"});
    m_pastCareersTable->setAccessibleDescription(QStringLiteral("Enter or a double click opens that career's history"));
    connect(m_pastCareersTable, &QTableWidget::cellActivated, this, [this](int row, int) { openPastCareer(row); });

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("historyTabs"));
    m_tabs->addTab(careerPage, QStringLiteral("&Career"));
    m_tabs->addTab(m_rankChart, QStringLiteral("&Rank chart"));
    m_tabs->addTab(m_abilityChart, QStringLiteral("A&bilities"));
    m_tabs->addTab(m_headToHeadTable, QStringLiteral("&Head-to-head"));
    m_tabs->addTab(m_championsTable, QStringLiteral("Cha&mpions"));
    m_tabs->addTab(m_pastCareersTable, QStringLiteral("&Past careers"));

    m_copyButton = makeButton(this, "copyButton", QStringLiteral("C&opy Table"));
    m_closeButton = makeButton(this, "closeButton", QStringLiteral("Close"));
    giveKey(m_closeButton, QKeySequence(Qt::ALT | Qt::Key_C), QStringLiteral("Close the history"));
    connect(m_copyButton, &QPushButton::clicked, this, &HistoryScreen::copyTable);
    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        if (isOffered(m_closeButton))
            close();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_knownFromLabel);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

void HistoryScreen::showFor(const std::string& shikona)
{
    m_wanted = shikona;
    m_career = 0;
    if (isVisible())
        fill();
    bringUp(this);
}

void HistoryScreen::onShown()
{
    fill();
    m_tabs->setCurrentIndex(0);
    m_careerTable->setFocus(Qt::OtherFocusReason);
}

void HistoryScreen::fill()
{
    try {
        HistoryReader reader(historyPathFor(m_game->savePath));
        fillCareer(reader);
        fillOthers(reader);
    } catch (const HistoryError&) {
        showNoHistory(QStringLiteral("No history has been kept for this career yet: it begins with the next day played."));
    }
}

void HistoryScreen::fillCareer(HistoryReader& reader)
{
    const std::vector<CareerSummary> careers = reader.careers();
    if (careers.empty())
        return showNoHistory(QStringLiteral("The history holds no career yet."));
    const CareerSummary* shown = &careers.back();
    for (const CareerSummary& c : careers)
        if (c.career == m_career)
            shown = &c;
    m_career = shown->career;
    const std::optional<int> named = m_wanted.empty() ? std::nullopt : reader.wrestlerNamed(m_career, m_wanted);
    const int wrestler = named ? *named : reader.player(m_career);
    const std::vector<BashoRow> rows = reader.bashoRows(m_career, wrestler);
    const QString who = rows.empty() ? toQt(shown->shikona) : toQt(rows.back().shikona);
    m_titleLabel->setText(QStringLiteral("The career of ") + who);
    m_knownFromLabel->setText(shown->fromStart ? QStringLiteral("Known from the first day of the career.")
                                               : QStringLiteral("Known from %1, day %2: the career began before its history.")
                                                     .arg(toQt(shown->knownFrom))
                                                     .arg(shown->knownFromDay));
    std::vector<QVariantList> lines;
    for (const BashoRow& r : rows)
        lines.push_back({r.basho, toQt(r.name), toQt(r.title), record(r.wins, r.losses) + (r.finished ? QString() : QStringLiteral(" (now)")),
                         honour(r), toQt(r.newTitle), toQt(r.change)});
    fillRows(m_careerTable, lines);
    const CareerTotals t = totalsOf(rows);
    m_totalsLabel->setText(QStringLiteral("%1 basho, %2 wins, %3 losses (%4 %), %5 yusho, %6 jun-yusho; highest rank %7, first reached in %8.")
                               .arg(t.basho)
                               .arg(t.wins)
                               .arg(t.losses)
                               .arg(t.percentage, 0, 'f', 1)
                               .arg(t.yusho)
                               .arg(t.junyusho)
                               .arg(toQt(t.highest), toQt(t.highestFirstName)));
    m_rankChart->setChart(makeRankChart(rows, palette()));
    m_rankChart->setAccessibleDescription(rankChartSummary(rows));
    std::vector<QVariantList> opponents;
    for (const HeadToHeadRow& h : reader.headToHead(m_career, wrestler))
        opponents.push_back({toQt(h.opponent), h.wins, h.losses});
    fillRows(m_headToHeadTable, opponents);
}

void HistoryScreen::fillOthers(HistoryReader& reader)
{
    m_abilityChart->setChart(makeAbilityChart(reader.abilities(m_career), palette()));
    std::vector<QVariantList> champions;
    for (const ChampionRow& c : reader.champions(m_career)) {
        QStringList runnersUp;
        for (const std::string& j : c.junyusho)
            runnersUp << toQt(j);
        champions.push_back({c.basho, toQt(c.name), toQt(c.yusho), runnersUp.join(QStringLiteral(", ")),
                             c.playoff ? QStringLiteral("Playoff") : QString()});
    }
    fillRows(m_championsTable, champions);
    std::vector<QVariantList> past;
    for (const CareerSummary& c : reader.careers())
        past.push_back({static_cast<qlonglong>(c.career), toQt(c.shikona), toQt(c.started), c.basho, toQt(c.highest), c.yusho});
    fillRows(m_pastCareersTable, past);
}

void HistoryScreen::showNoHistory(const QString& why)
{
    m_titleLabel->setText(QStringLiteral("Career History"));
    m_knownFromLabel->setText(why);
    for (QTableWidget* t : {m_careerTable, m_headToHeadTable, m_championsTable, m_pastCareersTable})
        t->setRowCount(0);
    m_totalsLabel->clear();
}

void HistoryScreen::openPastCareer(int row)
{
    const QTableWidgetItem* id = m_pastCareersTable->item(row, 0);
    if (!id)
        return;
    m_career = id->data(Qt::DisplayRole).toLongLong();
    m_wanted.clear();
    fill();
    m_tabs->setCurrentIndex(0);
    m_careerTable->setFocus(Qt::OtherFocusReason);
}

QTableWidget* HistoryScreen::shownTable() const
{
    QWidget* page = m_tabs->currentWidget();
    if (auto* t = qobject_cast<QTableWidget*>(page))
        return t;
    return page && page->isAncestorOf(m_careerTable) ? m_careerTable : nullptr;
}

void HistoryScreen::copyTable()
{
    const QTableWidget* t = shownTable();
    if (!t)
        return;
    QApplication::clipboard()->setText(tableText(t));
}

void HistoryScreen::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Copy)) {
        copyTable();
        e->accept();
        return;
    }
    ScreenDialog::keyPressEvent(e);
}
