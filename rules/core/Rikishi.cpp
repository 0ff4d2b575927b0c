// Text fields and simple queries on the wrestler record.
#include "rules/core/Rikishi.h"

#include <cstring>

std::string fieldText(const char* field, std::size_t width)
{
    const void* end = std::memchr(field, '\0', width);
    const std::size_t len = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : width;
    return std::string(field, len);
}

void setFieldText(char* field, std::size_t maxChars, const std::string& text)
{
    const std::size_t len = text.size() < maxChars ? text.size() : maxChars;
    std::memcpy(field, text.data(), len);
    field[len] = '\0';
}

int findPlayer(const Roster& roster)
{
    for (std::size_t i = 0; i < roster.size(); ++i)
        if (roster[i].isPlayer == 1)
            return static_cast<int>(i);
    return -1;
}

int countPlayers(const Roster& roster)
{
    int n = 0;
    for (const Rikishi& r : roster)
        if (r.isPlayer == 1)
            ++n;
    return n;
}
