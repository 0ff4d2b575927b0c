// One line per build, told apart by its dashes as well as its colour.
#include "screens/lab/ShareChart.h"

#include "screens/DataViews.h"
#include "sim/StudyWords.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

QChart* makeShareChart(const std::vector<BuildSummary>& rows, const std::vector<int>& numbers, int rank, int basho,
                       const QPalette& palette)
{
    QChart* chart = newChart(QStringLiteral("Careers at or above %1, basho by basho").arg(QString::fromLatin1(kRankWords[rank])),
                             palette);
    QValueAxis* x = bashoAxis(0, basho);
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d %"));
    y->setTickCount(6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Build %1").arg(r < numbers.size() ? numbers[r] : rows[r].build));
        const std::vector<double>& shares = rows[r].atOrAbove[static_cast<std::size_t>(rank)];
        for (std::size_t j = 0; j < shares.size(); ++j)
            line->append(static_cast<double>(j), shares[j] * 100);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        QPen pen = line->pen();
        pen.setWidthF(3);
        pen.setStyle(dashes[r % 3]);
        line->setPen(pen);
    }
    return chart;
}
