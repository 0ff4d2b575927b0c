// The rank of one wrestler over the basho of his career, as an SVG picture.
#pragma once

#include "history/HistoryQueries.h"

#include <string>
#include <vector>

// The banzuke's places from the top (Yokozuna) down, one column per basho,
// a ring where he took the yusho.
std::string rankChartSvg(const std::string& shikona, const std::vector<BashoRow>& rows);
