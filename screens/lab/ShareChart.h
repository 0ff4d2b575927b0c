// The build lab's chart: the share of careers at or above a rank on the
// banzuke after each basho, one line per build.
#pragma once

#include "sim/Study.h"

#include <vector>

class QChart;
class QPalette;

// rank: 1 Komusubi to 4 Yokozuna; numbers: the builds as the lab numbers them.
QChart* makeShareChart(const std::vector<BuildSummary>& rows, const std::vector<int>& numbers, int rank, int basho,
                       const QPalette& palette);
