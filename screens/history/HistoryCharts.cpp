// Rank and ability charts of a career.
#include "screens/history/HistoryCharts.h"

#include "rules/career/CreationValues.h"
#include "rules/core/Rikishi.h"
#include "screens/DataViews.h"
#include "screens/TextConversion.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPalette>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

int rankLevel(const BashoRow& row)
{
    switch (row.rank) {
    case kYokozuna: return 0;
    case kOzeki: return 1;
    case kSekiwake: return 2;
    case kKomusubi: return 3;
    default: return 3 + std::max(1, row.number);
    }
}

QChart* makeRankChart(const std::vector<BashoRow>& rows, const QPalette& palette)
{
    QChart* chart = newChart(QStringLiteral("Rank, basho by basho"), palette);
    auto* rank = new QLineSeries;
    rank->setName(QStringLiteral("Rank"));
    auto* yusho = new QScatterSeries;
    yusho->setName(QStringLiteral("Yusho"));
    yusho->setMarkerSize(12);
    int lowest = 4;
    for (const BashoRow& r : rows) {
        rank->append(r.basho, rankLevel(r));
        if (r.yusho)
            yusho->append(r.basho, rankLevel(r));
        lowest = std::max(lowest, rankLevel(r));
    }
    chart->addSeries(rank);
    chart->addSeries(yusho);
    QValueAxis* x = bashoAxis(1, rows.empty() ? 1 : rows.back().basho);
    auto* y = new QCategoryAxis;
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const char* const top[] = {"Yokozuna", "Ozeki", "Sekiwake", "Komusubi"};
    for (int level = 0; level < 4; ++level)
        y->append(QString::fromLatin1(top[level]), level);
    for (int m = 1; 3 + m <= lowest; m += (lowest > 12 ? 4 : 2))
        y->append(QStringLiteral("M") + QString::number(m), 3 + m);
    y->setRange(-0.5, lowest + 0.5);
    y->setReverse(true); // Yokozuna at the top
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(rank), static_cast<QAbstractSeries*>(yusho)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    return chart;
}

QChart* makeAbilityChart(const std::vector<AbilityRow>& rows, const QPalette& palette)
{
    QChart* chart = newChart(QStringLiteral("Abilities at the start of each basho"), palette);
    QValueAxis* x = bashoAxis(1, rows.empty() ? 1 : rows.back().basho);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Points"));
    y->setLabelFormat(QStringLiteral("%d"));
    int highest = 1;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (std::size_t a = 0; a < 12; ++a) {
        auto* line = new QLineSeries;
        line->setName(QString::fromLatin1(kAbilityNames[a]));
        for (const AbilityRow& r : rows) {
            line->append(r.basho, r.abilities[a]);
            highest = std::max(highest, r.abilities[a]);
        }
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
    y->setRange(0, highest + 1);
    return chart;
}

QString rankChartSummary(const std::vector<BashoRow>& rows)
{
    if (rows.empty())
        return QStringLiteral("No basho yet");
    const auto best = std::min_element(rows.begin(), rows.end(),
                                       [](const BashoRow& a, const BashoRow& b) { return rankLevel(a) < rankLevel(b); });
    const long yusho = std::count_if(rows.begin(), rows.end(), [](const BashoRow& r) { return r.yusho; });
    return QStringLiteral("%1 basho, from %2 to %3; highest %4, first in %5; %6 yusho")
        .arg(rows.size())
        .arg(toQt(rows.front().title), toQt(rows.back().title), toQt(best->title), toQt(best->name))
        .arg(yusho);
}
