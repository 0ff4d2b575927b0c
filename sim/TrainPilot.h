// How the autopilot picks the next "+" button on a training screen.
#pragma once

#include <functional>
#include <vector>

// The row (0..11, in display order) of the first ability of the --train
// list (numbers 1..12) whose button is enabled, or -1 when none is.
int nextTrainRow(const std::vector<int>& train, const std::function<bool(int row)>& enabled);
