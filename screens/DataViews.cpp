// Tables and charts shared by the screens.
#include "screens/DataViews.h"

#include "screens/Accessibility.h"

#include <QChart>
#include <QHeaderView>
#include <QLegend>
#include <QPalette>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

QTableWidget* makeTable(QWidget* parent, const char* name, const QString& spoken, const QStringList& headings)
{
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder); // first to last until a heading is clicked
    t->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
    nameControl(t, spoken, QStringLiteral("Click a heading to sort; Ctrl+C copies the table"));
    return t;
}

void fillRows(QTableWidget* table, const std::vector<QVariantList>& rows)
{
    table->setSortingEnabled(false); // rows land where they are put
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::DisplayRole, rows[static_cast<std::size_t>(r)][c]);
            table->setItem(r, c, item);
        }
    // Sorting shows the headings' arrows: the columns are sized with them.
    table->setSortingEnabled(true);
    table->resizeColumnsToContents();
}

QString tableText(const QTableWidget* t)
{
    QStringList lines;
    QStringList heading;
    for (int c = 0; c < t->columnCount(); ++c)
        heading << t->horizontalHeaderItem(c)->text();
    lines << heading.join(QLatin1Char('\t'));
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QChart* newChart(const QString& title, const QPalette& palette)
{
    auto* chart = new QChart;
    chart->setTheme(palette.color(QPalette::Window).lightness() < 128 ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QValueAxis* bashoAxis(int first, int last)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("Basho"));
    last = std::max(first + 1, last);
    axis->setRange(first, last);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickCount(std::min(last - first + 1, 11));
    return axis;
}
