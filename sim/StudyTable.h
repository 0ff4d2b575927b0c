// The study's report: the table on standard output and the chart.
#pragma once

#include "sim/Study.h"

#include <string>
#include <vector>

// The table, a header line and one line per row, tab-separated.
std::string studyTableText(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds);

// Writes the table to standard output and, when chartPath is not empty, the
// chart to that file; FileError when either cannot be written.
void writeStudyReport(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds, int basho,
                      const std::string& chartPath);
