// Dates of the history: when a career began, when a damaged file was set aside.
#include "history/Now.h"

#include <ctime>

std::string nowText(const char* format, TimeZone zone)
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (zone == TimeZone::Utc)
        gmtime_r(&now, &parts);
    else
        localtime_r(&now, &parts);
    char text[64];
    return std::strftime(text, sizeof text, format, &parts) ? text : "";
}
