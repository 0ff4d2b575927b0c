#include "rules/core/StatRows.h"

int statRowByButton(const std::string& buttonName)
{
    const auto& rows = statRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (buttonName == rows[i].buttonName)
            return static_cast<int>(i);
    }
    return -1;
}
