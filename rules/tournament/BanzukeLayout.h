// Where the banzuke view puts each name, record and rank word.
#pragma once

#include "rules/core/Rikishi.h"

#include <string>
#include <vector>

struct BanzukeItem {
    enum Kind {
        Name,
        Wins,
        Dash,
        Losses,
        RankWord,
        RowNumber,
    };
    Kind kind;
    int x; // left edge in pixels
    int y; // top edge in pixels
    std::string text;
    int slot; // the wrestler's roster index; -1 for rank words and row numbers
    // A name's whole entry read as one, for a screen reader:
    // "Maegashira 3 East, Tabiji, 4 wins 1 loss". Empty for other items.
    std::string spoken;
};

struct BanzukeLayout {
    std::string title; // "The Banzuke through day N of the basho"
    std::vector<BanzukeItem> items; // in the order they are placed
    int bottom; // the lowest row's y + one row
};

constexpr int kBanzukeNameWidth = 100;
constexpr int kBanzukeWestNameX = 300; // the East names stand at 0
constexpr int kBanzukeRowHeight = 24;
constexpr int kBanzukeFirstRowY = 60;

// The banzuke of the roster: East/West rows grouped by rank from Yokozuna
// down, each group in slot order; the group's first row carries its rank
// word and each further Maegashira row its number (2, 3, ...). Yokozuna stand
// East or West by their slot's parity, so slot 0 opens the list at the first
// row; every other group opens a new row. A record whose rank is no rank
// code is left out. Names are Latin-1 text as stored.
BanzukeLayout banzukeLayout(const Roster& roster);
