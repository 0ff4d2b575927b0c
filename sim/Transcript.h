// The transcript: one line per event, fields joined by one tab.
#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>

// Writes nothing when no path was given. Captions are written byte for byte
// (Latin-1, as the save file holds them), empty ones as empty fields.
class Transcript {
public:
    Transcript() = default;
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // "-" is standard output; an empty path writes nothing. Throws FileError.
    void open(const std::string& path);
    bool enabled() const { return m_out != nullptr; }

    void line(std::initializer_list<std::string> fields);
    // Flushes and reports a write error as FileError.
    void close();

private:
    std::FILE* m_out = nullptr;
    bool m_ownsFile = false;
    std::string m_path;
};

// Decimal text of an integer, as every caption writes numbers.
std::string num(long long n);

// The lines both front-ends write for a bout and a day, from the captions
// that the screens show (the headless one takes them from the same views the
// screens are filled from).

// What the bout screen shows after a tachiai or an exchange.
struct PlayCaptions {
    std::string timeElapsed; // TimeElapsedLabel
    std::string user; // UserStrategyLabel
    std::string comp; // CompStrategyLabel
    std::string userPoints; // UserPoints
    std::string compPoints; // CompPoints
    std::string outcome; // Outcome
};

// "setup" after each bout set-up (the bout's opening and each tori-naoshi).
void writeSetup(Transcript& t, long long playerGenki, long long opponentGenki);
// "tachiai" or "exchange" with the time and both genki, then the five captions.
void writePlay(Transcript& t, const char* event, const PlayCaptions& captions, long long playerGenki,
               long long opponentGenki);
// "record" win or lose; on a tournament day followed by "labels" with the
// names of the visible result labels.
void writeRecord(Transcript& t, bool won, bool tournamentDay, const std::string& visibleLabels);
// "line" k with the captions of the three result labels of line k.
void writeResultLine(Transcript& t, int k, const std::string& first, const std::string& middle,
                     const std::string& second);
// "leaderboard", "leaders" and "chasers": the leaderboard's three texts.
void writeLeaderboard(Transcript& t, const std::string& title, const std::string& leaders,
                      const std::string& chasers);

// The transcript's name for a click on a training screen: the twelve
// statistic rows in display order (StrengthButton ... StaminaButton), then the
// chanko screen's HeightButton, WeightIncreaseButton and WeightDecreaseButton.
const char* trainingButtonWord(std::size_t button);
