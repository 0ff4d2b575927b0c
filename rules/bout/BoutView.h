// What the bout screen shows: finished captions, which controls are offered,
// where the focus goes and how the genki bars look. The bout rules keep it
// up to date; the screen and the headless front-end only read it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

enum class BarColour { Blue, Red };

// The widest a genki bar is drawn: a genki of 200 or more fills the space
// the screen keeps for it.
constexpr int kGenkiBarMaxWidth = 400;

// 2 pixels per point of genki; nothing for a genki at or below 0.
int genkiBarWidth(std::int32_t genki);

struct GenkiBar {
    int width = 0;                      // 2 pixels per point of genki, never negative
    BarColour colour = BarColour::Blue;
};

// The result labels with their fixed captions, in the order the transcript
// lists the visible ones.
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

const char* resultLabelName(ResultLabel label);      // "KachiKoshiLabel"
const char* resultLabelCaption(ResultLabel label);   // its fixed caption

// The control that has the keyboard focus.
enum class BoutFocus {
    None,
    Receive,       // receiveButton, at every set-up
    Yotsu,         // yotsuButton, after the tachiai
    MonoiiClose,
    MonoiiStart,
    MonoiiFight,
    Win,
    Lose,
    Close,
    Bonus,
};

struct BoutView {
    std::string userShikona;        // UserShikonaLabel
    std::string compShikona;        // CompShikonaLabel
    std::string timeElapsed;        // TimeElapsedLabel
    std::string userStrategy;       // UserStrategyLabel
    std::string compStrategy;       // CompStrategyLabel
    std::string userPoints;         // UserPoints
    std::string compPoints;         // CompPoints
    std::string outcome;            // Outcome
    std::string endText;            // EndLabel
    GenkiBar userBar;
    GenkiBar compBar;

    bool tachiaiButtons = false;    // jumpButton .. henkaButton
    bool exchangeButtons = false;   // oshiButton .. defenseButton
    bool monoiiClose = false;
    bool monoiiStart = false;
    bool monoiiFight = false;
    bool win = false;
    bool lose = false;
    bool close = false;
    bool bonus = false;
    bool boutLabels = false;        // the strategy, points and outcome labels
    bool endLabel = false;
    std::array<bool, kResultLabelCount> resultLabels{};
    BoutFocus focus = BoutFocus::None;

    // "KachiKoshiLabel,LastDayLabel": the visible result labels in order.
    std::string visibleResultLabels() const;
};
