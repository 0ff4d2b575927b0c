// kirimaki-sim show: the save file as tab-separated text.
#include "rules/core/Rikishi.h"
#include "sim/Args.h"
#include "sim/Commands.h"
#include "sim/Session.h"
#include "sim/ShowLine.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The record's fields in file order, reserved bytes left out.
struct Field {
    const char* name;
    enum Kind {
        Byte,
        Int,
        Text,
        Float,
    };
    Kind kind;
    std::size_t offset;
    std::size_t width; // of a text field
};

// clang-format off
#define KIRIMAKI_FIELD(name, kind) {#name, Field::kind, offsetof(Rikishi, name), sizeof(Rikishi::name)}
// clang-format on
const Field kFields[] = {
    KIRIMAKI_FIELD(isPlayer, Byte),
    KIRIMAKI_FIELD(day, Int),
    KIRIMAKI_FIELD(shikona, Text),
    KIRIMAKI_FIELD(realName, Text),
    KIRIMAKI_FIELD(age, Float),
    KIRIMAKI_FIELD(height, Int),
    KIRIMAKI_FIELD(weight, Int),
    KIRIMAKI_FIELD(strength, Int),
    KIRIMAKI_FIELD(baseStrength, Int),
    KIRIMAKI_FIELD(agility, Int),
    KIRIMAKI_FIELD(baseAgility, Int),
    KIRIMAKI_FIELD(tachiai, Int),
    KIRIMAKI_FIELD(oshi, Int),
    KIRIMAKI_FIELD(yotsu, Int),
    KIRIMAKI_FIELD(tenage, Int),
    KIRIMAKI_FIELD(tsuppari, Int),
    KIRIMAKI_FIELD(jump, Int),
    KIRIMAKI_FIELD(receive, Int),
    KIRIMAKI_FIELD(hatakikomi, Int),
    KIRIMAKI_FIELD(defense, Int),
    KIRIMAKI_FIELD(stamina, Int),
    KIRIMAKI_FIELD(intangibles, Int),
    KIRIMAKI_FIELD(potential, Int),
    KIRIMAKI_FIELD(tachiaiStrategy1, Int),
    KIRIMAKI_FIELD(tachiaiStrategy2, Int),
    KIRIMAKI_FIELD(boutStrategy1, Int),
    KIRIMAKI_FIELD(boutStrategy2, Int),
    KIRIMAKI_FIELD(boutStrategy3, Int),
    KIRIMAKI_FIELD(rlw, Int),
    KIRIMAKI_FIELD(rll, Int),
    KIRIMAKI_FIELD(gmw, Int),
    KIRIMAKI_FIELD(gml, Int),
    KIRIMAKI_FIELD(cbw, Int),
    KIRIMAKI_FIELD(cbl, Int),
    KIRIMAKI_FIELD(lbw, Int),
    KIRIMAKI_FIELD(tbaw, Int),
    KIRIMAKI_FIELD(yusho, Int),
    KIRIMAKI_FIELD(junyusho, Int),
    KIRIMAKI_FIELD(skill, Int),
    KIRIMAKI_FIELD(power, Int),
    KIRIMAKI_FIELD(genki, Int),
    KIRIMAKI_FIELD(rank, Byte),
    KIRIMAKI_FIELD(slot, Int),
};
#undef KIRIMAKI_FIELD

std::string fieldValue(const Rikishi& r, const Field& f)
{
    const unsigned char* base = reinterpret_cast<const unsigned char*>(&r) + f.offset;
    switch (f.kind) {
    case Field::Byte:
        return std::to_string(*base);
    case Field::Int: {
        std::int32_t v;
        std::memcpy(&v, base, sizeof v);
        return std::to_string(v);
    }
    case Field::Text:
        return fieldText(reinterpret_cast<const char*>(base), f.width);
    case Field::Float: {
        float v;
        std::memcpy(&v, base, sizeof v);
        char text[40];
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
        return text;
    }
    }
    return std::string();
}

void writeLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

std::string showHeader()
{
    std::string header;
    for (const Field& f : kFields)
        header += (header.empty() ? "" : "\t") + std::string(f.name);
    return header;
}

std::string showLine(const Rikishi& r)
{
    std::string line;
    bool first = true;
    for (const Field& f : kFields) {
        if (!first)
            line += '\t';
        line += fieldValue(r, f);
        first = false;
    }
    return line;
}

int runShow(const std::vector<std::string>& arguments)
{
    const Args args(arguments, {{"--file", true}});
    Game game;
    useSaveFile(args, game);
    loadOrFail(game);

    writeLine(showHeader());
    for (const Rikishi& r : game.roster)
        writeLine(showLine(r));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw FileError("cannot write to standard output");
    return 0;
}
