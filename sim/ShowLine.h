// The text of `show`: a header of field names and one line per record.
#pragma once

#include "rules/core/Rikishi.h"

#include <string>

std::string showHeader();
// One record, tab-separated, without the newline.
std::string showLine(const Rikishi& r);
