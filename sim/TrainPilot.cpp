// The autopilot's choice of ability on the bonus and chanko screens.
#include "sim/TrainPilot.h"

int nextTrainRow(const std::vector<int>& train, const std::function<bool(int row)>& enabled)
{
    for (int ability : train) {
        const int row = ability - 1;
        if (row >= 0 && row < 12 && enabled(row))
            return row;
    }
    return -1;
}
