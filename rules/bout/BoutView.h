// What the bout screen shows: finished captions, which controls are offered,
// where the focus goes and how the genki bars look. The bout rules keep it
// up to date; the screen and the headless front-end only read it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

enum class BarColour {
    Blue,
    Red,
};

// The widest a genki bar is drawn: a genki of 200 or more fills the space
// the screen keeps for it.
constexpr int kGenkiBarMaxWidth = 400;

// 2 pixels per point of genki; nothing for a genki at or below 0.
int genkiBarWidth(std::int32_t genki);

struct GenkiBar {
    int width = 0; // 2 pixels per point of genki, never negative
    BarColour colour = BarColour::Blue;
    std::int32_t genki = 0; // the number the bar stands for, shown beside it
};

// The messages a recorded result may show, with their fixed captions, in the
// order the transcript lists the shown ones.
enum ResultLabel {
    kKachiKoshiLabel,
    kLastDayLabel,
    kMakeKoshiLabel,
    kDrainLabel,
    kPotentialLabel,
    kUpsetPotentialLabel,
    kYaochoLabel,
    kSappedLabel,
    kBonusLabel,
    kUpsetBonusLabel,
    kResultLabelCount
};

const char* resultLabelName(ResultLabel label); // the transcript's key, "KachiKoshiLabel"
const char* resultLabelCaption(ResultLabel label); // its fixed caption

// What the keyboard focus is on.
enum class BoutFocus {
    None,
    Receive, // the receive tachiai, at every set-up
    Yotsu, // the yotsu exchange, after the tachiai
    MonoiiClose,
    MonoiiStart,
    MonoiiFight,
    Win,
    Lose,
    Close,
    Bonus,
};

struct BoutView {
    std::string userShikona;
    std::string compShikona;
    std::string timeElapsed; // the bout clock
    std::string userStrategy; // "<name>'s strategy: ..." and what befell it
    std::string compStrategy;
    std::string userPoints;
    std::string compPoints;
    std::string outcome; // who won the exchange
    std::string endText; // how the bout ended
    GenkiBar userBar;
    GenkiBar compBar;

    bool tachiaiButtons = false; // the four tachiai choices are offered
    bool exchangeButtons = false; // the six exchange strategies are offered
    bool monoiiClose = false;
    bool monoiiStart = false;
    bool monoiiFight = false;
    bool win = false;
    bool lose = false;
    bool close = false;
    bool bonus = false;
    bool boutLabels = false; // the strategy, points and outcome labels
    bool endLabel = false;
    std::array<bool, kResultLabelCount> resultLabels{};
    BoutFocus focus = BoutFocus::None;

    // "KachiKoshiLabel,LastDayLabel": the keys of the shown messages in order.
    std::string visibleResultLabels() const;
};
