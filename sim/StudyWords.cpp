// The words of a study for a window.
#include "sim/StudyWords.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const char* const kTachiaiWords[4] = {"Jump", "Receive", "Tsuppari", "Henka"};
const char* const kMoveWords[6] = {"Oshi", "Yotsu", "Tsuppari", "Tenage", "Hatakikomi", "Defense"};
const char* const kRankWords[5] = {"Maegashira", "Komusubi", "Sekiwake", "Ozeki", "Yokozuna"};

namespace {

// "Receive", "Receive, then Jump, in turn"
std::string inTurn(const std::vector<int>& codes, const char* const* words, int count)
{
    std::string text;
    for (int code : codes)
        if (code >= 1 && code <= count)
            text += (text.empty() ? "" : ", then ") + std::string(words[code - 1]);
    return codes.size() > 1 ? text + ", in turn" : text;
}

} // namespace

std::string styleWords(const std::vector<int>& tachiai, const std::vector<int>& moves)
{
    return "Meets every tachiai with " + inTurn(tachiai, kTachiaiWords, 4) + "; fights the exchanges with " +
           inTurn(moves, kMoveWords, 6) + ".";
}

std::string progressWords(long done, long total, double seconds)
{
    std::string text = std::to_string(done) + " of " + std::to_string(total) + " careers played";
    if (done > 0 && done < total && seconds > 0) {
        const double left = (total - done) * seconds / static_cast<double>(done);
        text += ", about " + std::to_string(static_cast<long>(std::ceil(left))) + " s left";
    }
    return text;
}

std::string percentWords(double share)
{
    return std::to_string(static_cast<long>(std::lround(share * 100))) + " %";
}

std::string medianWords(const std::optional<double>& median)
{
    if (!median)
        return "never";
    char text[32];
    std::snprintf(text, sizeof text, *median == std::floor(*median) ? "%.0f" : "%.1f", *median);
    return text;
}

std::string shareWords(const std::vector<BuildSummary>& rows, const std::vector<int>& numbers, int rank)
{
    if (rows.empty() || rank < 0 || rank > 4)
        return "No study yet";
    std::string text = std::string("Share of careers at or above ") + kRankWords[rank] + ": ";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<double>& shares = rows[r].atOrAbove[static_cast<std::size_t>(rank)];
        const int last = static_cast<int>(shares.size()) - 1;
        text += (r ? "; build " : "build ") + std::to_string(r < numbers.size() ? numbers[r] : rows[r].build);
        // A third, two thirds and all of the basho; fewer for a short study.
        std::vector<int> at{last / 3, 2 * last / 3, last};
        at.erase(std::unique(at.begin(), at.end()), at.end());
        const char* between = ": ";
        for (const int j : at)
            if (j > 0) {
                text += between + percentWords(shares[static_cast<std::size_t>(j)]) + " after basho " + std::to_string(j);
                between = ", ";
            }
    }
    return text + ".";
}
