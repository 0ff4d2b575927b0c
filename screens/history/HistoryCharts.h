// The history screen's two charts, drawn with Qt Charts.
#pragma once

#include "history/HistoryQueries.h"

#include <QString>

#include <vector>

class QChart;
class QPalette;

// Rank over the basho, Yokozuna at the top, the yusho marked.
QChart* makeRankChart(const std::vector<BashoRow>& rows, const QPalette& palette);

// The player's twelve abilities basho by basho.
QChart* makeAbilityChart(const std::vector<AbilityRow>& rows, const QPalette& palette);

// How high a title stands, 0 for Yokozuna, then one step a row down to the
// last Maegashira: the rank chart's scale.
int rankLevel(const BashoRow& row);

// The rank chart in words, for a screen reader.
QString rankChartSummary(const std::vector<BashoRow>& rows);
