// The study's table and chart, written once the careers are summed up.
#include "sim/StudyTable.h"

#include "sim/Args.h"
#include "sim/StudyBuilds.h"
#include "sim/StudyChart.h"

#include <cstdio>
#include <fstream>

namespace {

std::string decimal(double v, int places)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*f", places, v);
    return text;
}

} // namespace

std::string studyTableText(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds)
{
    std::string text = "build\tnew options\tcareers\tkomusubi\tsekiwake\tozeki\tyokozuna\tmedian basho to ozeki\t"
                       "mean yusho\tkachi-koshi rate\n";
    for (const BuildSummary& r : rows) {
        text += std::to_string(r.build) + "\t" + buildLine(builds[static_cast<std::size_t>(r.build - 1)]) + "\t" +
                std::to_string(r.careers) + "\t" + decimal(r.reached[kKomusubi], 3) + "\t" +
                decimal(r.reached[kSekiwake], 3) + "\t" + decimal(r.reached[kOzeki], 3) + "\t" +
                decimal(r.reached[kYokozuna], 3) + "\t" +
                (r.medianBashoToOzeki ? decimal(*r.medianBashoToOzeki, 1) : std::string()) + "\t" +
                decimal(r.meanYusho, 2) + "\t" + decimal(r.kachiKoshiRate, 3) + "\n";
    }
    return text;
}

void writeStudyReport(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds, int basho,
                      const std::string& chartPath)
{
    const std::string table = studyTableText(rows, builds);
    std::fwrite(table.data(), 1, table.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw FileError("cannot write to standard output");
    if (chartPath.empty())
        return;
    std::ofstream chart(chartPath, std::ios::binary | std::ios::trunc);
    chart << studyChartSvg(rows, builds, basho);
    chart.close();
    if (!chart)
        throw FileError("cannot write the chart " + chartPath);
}
