// The present moment as text, for the history's dates.
#pragma once

#include <string>

enum class TimeZone { Local,
                      Utc };

// The time now, written by strftime's `format`.
std::string nowText(const char* format, TimeZone zone);
