// Drawing the rank chart: a line over the banzuke places, basho by basho.
#include "sim/HistoryChart.h"

#include <sstream>

namespace {

constexpr int kLeft = 60;
constexpr int kTop = 40;
constexpr int kStepX = 24;
constexpr int kStepY = 10;
constexpr int kPlaces = 40;
constexpr const char* kRankNames[] = {"Maegashira", "Komusubi", "Sekiwake", "Ozeki", "Yokozuna"};

// Text in the picture, escaped; names are Latin-1 bytes, written as
// character references so that the file stays valid UTF-8.
std::string escaped(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c == '&' || c == '<' || c == '>' || c >= 0x80)
            out += "&#" + std::to_string(c) + ";";
        else
            out += static_cast<char>(c);
    }
    return out;
}

void drawRankBands(std::ostringstream& svg, const std::vector<BashoRow>& rows, int width)
{
    // Each rank word at the first place a row of that rank held.
    bool labelled[5] = {};
    for (const BashoRow& r : rows) {
        if (r.rank < 0 || r.rank > 4 || labelled[r.rank])
            continue;
        labelled[r.rank] = true;
        const int y = kTop + r.position * kStepY;
        svg << "<line x1=\"" << kLeft << "\" y1=\"" << y << "\" x2=\"" << kLeft + width << "\" y2=\"" << y
            << "\" stroke=\"#ccc\"/>\n<text x=\"4\" y=\"" << y + 4 << "\" font-size=\"10\">" << kRankNames[r.rank]
            << "</text>\n";
    }
}

} // namespace

std::string rankChartSvg(const std::string& shikona, const std::vector<BashoRow>& rows)
{
    const int width = static_cast<int>(rows.size() > 1 ? rows.size() - 1 : 1) * kStepX;
    const int height = kTop + kPlaces * kStepY + 30;
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kLeft + width + 20 << "\" height=\"" << height
        << "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n<text x=\"" << kLeft << "\" y=\"20\" "
        << "font-size=\"14\">" << escaped(shikona) << ": rank by basho (top: Yokozuna)</text>\n";
    drawRankBands(svg, rows, width);
    svg << "<polyline fill=\"none\" stroke=\"#1f4e9c\" stroke-width=\"2\" points=\"";
    for (std::size_t i = 0; i < rows.size(); ++i)
        svg << kLeft + static_cast<int>(i) * kStepX << "," << kTop + rows[i].position * kStepY << " ";
    svg << "\"/>\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int x = kLeft + static_cast<int>(i) * kStepX;
        const int y = kTop + rows[i].position * kStepY;
        svg << "<circle cx=\"" << x << "\" cy=\"" << y << "\" r=\"" << (rows[i].yusho ? 7 : 3) << "\" fill=\""
            << (rows[i].yusho ? "#d4a017" : "#1f4e9c") << "\"><title>" << escaped(rows[i].name) << ": "
            << escaped(rows[i].title) << " " << rows[i].wins << "-" << rows[i].losses
            << (rows[i].yusho ? ", yusho" : "") << "</title></circle>\n";
        svg << "<text x=\"" << x - 4 << "\" y=\"" << height - 10 << "\" font-size=\"9\">" << rows[i].basho
            << "</text>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}
