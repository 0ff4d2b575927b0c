// The wrestler record: its memory image is the 200-byte record of the save file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

// Rank codes held in Rikishi::rank.
enum RankCode : std::uint8_t {
    kMaegashira = 0,
    kKomusubi = 1,
    kSekiwake = 2,
    kOzeki = 3,
    kYokozuna = 4,
};

struct Rikishi {
    std::uint8_t isPlayer; // 1 for the player's wrestler, else 0 (a byte, never a bool)
    std::uint8_t reserved1[3]; // zero; never read
    std::int32_t day; // tournament day: 1..15 in a basho, 16 during its end
    char shikona[15]; // ring name, at most 13 characters and a terminator
    char realName[21]; // real name, at most 20 characters and a terminator
    float age; // years, single precision
    std::int32_t height; // centimetres
    std::int32_t weight; // kilograms
    std::int32_t strength; // derived: baseStrength plus body modifiers
    std::int32_t baseStrength;
    std::int32_t agility; // derived: baseAgility plus body modifiers
    std::int32_t baseAgility;
    std::int32_t tachiai;
    std::int32_t oshi;
    std::int32_t yotsu;
    std::int32_t tenage;
    std::int32_t tsuppari;
    std::int32_t jump;
    std::int32_t receive;
    std::int32_t hatakikomi; // shown as Henka on the creation screen
    std::int32_t defense;
    std::int32_t stamina;
    std::int32_t intangibles;
    std::int32_t potential;
    std::int32_t tachiaiStrategy1;
    std::int32_t tachiaiStrategy2;
    std::int32_t boutStrategy1;
    std::int32_t boutStrategy2;
    std::int32_t boutStrategy3;
    std::int32_t rlw; // career wins before the game began
    std::int32_t rll; // career losses before the game began
    std::int32_t gmw; // career wins within the game
    std::int32_t gml; // career losses within the game
    std::int32_t cbw; // wins in the current basho
    std::int32_t cbl; // losses in the current basho
    std::int32_t lbw; // wins in the last basho
    std::int32_t tbaw; // wins two basho ago
    std::int32_t yusho;
    std::int32_t junyusho;
    std::int32_t skill; // derived
    std::int32_t power; // derived; the strength figure of every bout
    std::int32_t genki; // bout energy, meaningful in the two bout copies only
    std::uint8_t rank; // RankCode
    std::uint8_t reserved2[3]; // zero; never read
    std::int32_t slot; // the record's own roster index
};

constexpr std::size_t kRikishiSize = 200;
constexpr std::size_t kRosterSize = 40;
constexpr std::size_t kShikonaMax = 13; // characters the game ever stores
constexpr std::size_t kRealNameMax = 20;

static_assert(sizeof(Rikishi) == kRikishiSize, "save-file record layout");
static_assert(std::is_standard_layout<Rikishi>::value, "record is a plain memory image");
static_assert(std::is_trivially_copyable<Rikishi>::value, "record is copied as bytes");
static_assert(sizeof(float) == 4, "age is an IEEE single");
static_assert(offsetof(Rikishi, isPlayer) == 0, "layout");
static_assert(offsetof(Rikishi, day) == 4, "layout");
static_assert(offsetof(Rikishi, shikona) == 8, "layout");
static_assert(offsetof(Rikishi, realName) == 23, "layout");
static_assert(offsetof(Rikishi, age) == 44, "layout");
static_assert(offsetof(Rikishi, height) == 48, "layout");
static_assert(offsetof(Rikishi, weight) == 52, "layout");
static_assert(offsetof(Rikishi, strength) == 56, "layout");
static_assert(offsetof(Rikishi, baseStrength) == 60, "layout");
static_assert(offsetof(Rikishi, agility) == 64, "layout");
static_assert(offsetof(Rikishi, baseAgility) == 68, "layout");
static_assert(offsetof(Rikishi, tachiai) == 72, "layout");
static_assert(offsetof(Rikishi, oshi) == 76, "layout");
static_assert(offsetof(Rikishi, yotsu) == 80, "layout");
static_assert(offsetof(Rikishi, tenage) == 84, "layout");
static_assert(offsetof(Rikishi, tsuppari) == 88, "layout");
static_assert(offsetof(Rikishi, jump) == 92, "layout");
static_assert(offsetof(Rikishi, receive) == 96, "layout");
static_assert(offsetof(Rikishi, hatakikomi) == 100, "layout");
static_assert(offsetof(Rikishi, defense) == 104, "layout");
static_assert(offsetof(Rikishi, stamina) == 108, "layout");
static_assert(offsetof(Rikishi, intangibles) == 112, "layout");
static_assert(offsetof(Rikishi, potential) == 116, "layout");
static_assert(offsetof(Rikishi, tachiaiStrategy1) == 120, "layout");
static_assert(offsetof(Rikishi, tachiaiStrategy2) == 124, "layout");
static_assert(offsetof(Rikishi, boutStrategy1) == 128, "layout");
static_assert(offsetof(Rikishi, boutStrategy2) == 132, "layout");
static_assert(offsetof(Rikishi, boutStrategy3) == 136, "layout");
static_assert(offsetof(Rikishi, rlw) == 140, "layout");
static_assert(offsetof(Rikishi, rll) == 144, "layout");
static_assert(offsetof(Rikishi, gmw) == 148, "layout");
static_assert(offsetof(Rikishi, gml) == 152, "layout");
static_assert(offsetof(Rikishi, cbw) == 156, "layout");
static_assert(offsetof(Rikishi, cbl) == 160, "layout");
static_assert(offsetof(Rikishi, lbw) == 164, "layout");
static_assert(offsetof(Rikishi, tbaw) == 168, "layout");
static_assert(offsetof(Rikishi, yusho) == 172, "layout");
static_assert(offsetof(Rikishi, junyusho) == 176, "layout");
static_assert(offsetof(Rikishi, skill) == 180, "layout");
static_assert(offsetof(Rikishi, power) == 184, "layout");
static_assert(offsetof(Rikishi, genki) == 188, "layout");
static_assert(offsetof(Rikishi, rank) == 192, "layout");
static_assert(offsetof(Rikishi, slot) == 196, "layout");

// The 40 records in banzuke order, index 0 highest: exactly the save file.
using Roster = std::array<Rikishi, kRosterSize>;
static_assert(sizeof(Roster) == kRikishiSize * kRosterSize, "roster is the file image");

// The text of a field, read up to its terminator and never past its width.
std::string fieldText(const char* field, std::size_t width);
inline std::string shikonaOf(const Rikishi& r) { return fieldText(r.shikona, sizeof r.shikona); }
inline std::string realNameOf(const Rikishi& r) { return fieldText(r.realName, sizeof r.realName); }

// Stores at most maxChars characters and a terminator; the bytes after the
// terminator keep what they held, as the game's writers always have.
void setFieldText(char* field, std::size_t maxChars, const std::string& text);
inline void setShikona(Rikishi& r, const std::string& s) { setFieldText(r.shikona, kShikonaMax, s); }
inline void setRealName(Rikishi& r, const std::string& s) { setFieldText(r.realName, kRealNameMax, s); }

// Index of the one record with isPlayer == 1, or -1 when there is none.
int findPlayer(const Roster& roster);
// Number of records with isPlayer == 1 (a sound career has exactly one).
int countPlayers(const Roster& roster);
