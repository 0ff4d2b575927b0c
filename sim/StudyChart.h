// The study's chart: for each build, the share of careers at or above each
// rank, basho by basho, as an SVG picture.
#pragma once

#include "sim/Study.h"

#include <string>
#include <vector>

// One panel per row (at most the first ten), in the rows' order; each panel
// stacks the shares at or above Komusubi, Sekiwake, Ozeki and Yokozuna over
// basho 0 (the first banzuke) to `basho`.
std::string studyChartSvg(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds, int basho);
