// Drawing the study's chart as plain SVG text.
#include "sim/StudyChart.h"

#include "rules/core/Rikishi.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kMaxPanels = 10;
constexpr int kColumns = 2;
constexpr double kPanelWidth = 460;
constexpr double kPanelHeight = 190;
constexpr double kPlotLeft = 44; // room for the share labels
constexpr double kPlotTop = 34; // room for the panel's title
constexpr double kPlotWidth = 396;
constexpr double kPlotHeight = 124;
constexpr double kTop = 74; // room for the title and the legend

struct Band {
    int rank;
    const char* name;
    const char* colour;
};
// Lightest (most careers) first, so that the higher ranks are drawn over it.
const Band kBands[] = {
    {kKomusubi, "Komusubi", "#c6dbef"},
    {kSekiwake, "Sekiwake", "#6baed6"},
    {kOzeki, "Ozeki", "#2171b5"},
    {kYokozuna, "Yokozuna", "#08306b"},
};

std::string fmt(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

std::string percent(double share)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%", share * 100.0);
    return text;
}

std::string escaped(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string buildTitle(const BuildSummary& row, const Build& build)
{
    const CreationValues& v = build.values;
    std::string stats;
    for (std::int32_t a : v.abilities)
        stats += (stats.empty() ? "" : " ") + std::to_string(a);
    return "#" + std::to_string(row.build) + "  " + std::to_string(v.height) + " cm, " + std::to_string(v.weight) +
           " kg, abilities " + stats;
}

void panel(std::string& svg, const BuildSummary& row, const Build& build, int basho, double x0, double y0)
{
    const double left = x0 + kPlotLeft;
    const double top = y0 + kPlotTop;
    const double bottom = top + kPlotHeight;
    const auto xOf = [&](std::size_t j) { return left + kPlotWidth * static_cast<double>(j) / std::max(basho, 1); };
    const auto yOf = [&](double share) { return bottom - kPlotHeight * share; };

    svg += "<text x=\"" + fmt(x0 + 8) + "\" y=\"" + fmt(y0 + 14) + "\" class=\"head\">" +
           escaped(buildTitle(row, build)) + "</text>\n";
    svg += "<text x=\"" + fmt(x0 + 8) + "\" y=\"" + fmt(y0 + 28) + "\" class=\"sub\">reached Yokozuna " +
           percent(row.reached[kYokozuna]) + ", Ozeki " + percent(row.reached[kOzeki]) + ", Sekiwake " +
           percent(row.reached[kSekiwake]) + ", Komusubi " + percent(row.reached[kKomusubi]) + "</text>\n";
    svg += "<rect x=\"" + fmt(left) + "\" y=\"" + fmt(top) + "\" width=\"" + fmt(kPlotWidth) + "\" height=\"" +
           fmt(kPlotHeight) + "\" fill=\"#fafafa\" stroke=\"#999\"/>\n";
    for (const Band& band : kBands) {
        const std::vector<double>& shares = row.atOrAbove[static_cast<std::size_t>(band.rank)];
        // A step for each banzuke: the rank is held for the whole of the next basho.
        std::string points = fmt(xOf(0)) + "," + fmt(bottom);
        for (std::size_t j = 0; j < shares.size(); ++j) {
            const double y = yOf(shares[j]);
            points += " " + fmt(xOf(j)) + "," + fmt(y);
            if (j + 1 < shares.size())
                points += " " + fmt(xOf(j + 1)) + "," + fmt(y);
        }
        points += " " + fmt(xOf(shares.size() - 1)) + "," + fmt(bottom);
        svg += "<polygon points=\"" + points + "\" fill=\"" + band.colour + "\"/>\n";
    }
    for (int q = 0; q <= 4; ++q) {
        const double y = yOf(q / 4.0);
        svg += "<line x1=\"" + fmt(left) + "\" y1=\"" + fmt(y) + "\" x2=\"" + fmt(left + kPlotWidth) + "\" y2=\"" +
               fmt(y) + "\" class=\"grid\"/>\n";
        svg += "<text x=\"" + fmt(left - 4) + "\" y=\"" + fmt(y + 4) + "\" class=\"tick\" text-anchor=\"end\">" +
               std::to_string(q * 25) + "%</text>\n";
    }
    const int every = basho <= 10 ? 1 : basho <= 30 ? 5
                                    : basho <= 100  ? 10
                                                    : 50;
    for (int j = 0; j <= basho; j += every) {
        const double x = xOf(static_cast<std::size_t>(j));
        svg += "<text x=\"" + fmt(x) + "\" y=\"" + fmt(bottom + 13) + "\" class=\"tick\" text-anchor=\"middle\">" +
               std::to_string(j) + "</text>\n";
    }
}

} // namespace

std::string studyChartSvg(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds, int basho)
{
    const std::size_t panels = std::min(rows.size(), kMaxPanels);
    const int columns = panels < 2 ? 1 : kColumns;
    const std::size_t panelRows = (panels + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
    const double width = kPanelWidth * columns + 20;
    const double height = kTop + kPanelHeight * static_cast<double>(std::max<std::size_t>(panelRows, 1)) + 10;

    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + fmt(width) + "\" height=\"" +
                      fmt(height) + "\" viewBox=\"0 0 " + fmt(width) + " " + fmt(height) +
                      "\" font-family=\"sans-serif\">\n"
                      "<style>.head{font-size:13px;font-weight:bold;fill:#222}.sub{font-size:11px;fill:#444}"
                      ".tick{font-size:10px;fill:#555}.grid{stroke:#fff;stroke-opacity:0.7;stroke-width:1}</style>\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    const int careers = rows.empty() ? 0 : rows.front().careers;
    svg += "<text x=\"10\" y=\"22\" font-size=\"16\" font-weight=\"bold\" fill=\"#111\">Which build? Share of careers at "
           "or above each rank after each basho (" +
           std::to_string(careers) + " careers a build)</text>\n";
    double lx = 10;
    for (const Band& band : kBands) {
        svg += "<rect x=\"" + fmt(lx) + "\" y=\"36\" width=\"14\" height=\"14\" fill=\"" + band.colour + "\"/>\n";
        svg += "<text x=\"" + fmt(lx + 19) + "\" y=\"48\" font-size=\"12\" fill=\"#222\">" + band.name +
               (band.rank == kYokozuna ? "" : " or above") + "</text>\n";
        lx += 150;
    }
    svg += "<text x=\"10\" y=\"66\" class=\"sub\">x: basho played (0: the first banzuke); y: share of the build's "
           "careers</text>\n";
    for (std::size_t i = 0; i < panels; ++i) {
        const double x0 = 10 + kPanelWidth * static_cast<double>(i % static_cast<std::size_t>(columns));
        const double y0 = kTop + kPanelHeight * static_cast<double>(i / static_cast<std::size_t>(columns));
        panel(svg, rows[i], builds[static_cast<std::size_t>(rows[i].build - 1)], basho, x0, y0);
    }
    svg += "</svg>\n";
    return svg;
}
