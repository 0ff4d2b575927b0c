// Transcript output of the headless front-end.
#include "sim/Transcript.h"

#include "sim/Args.h"

Transcript::~Transcript()
{
    if (m_out && m_ownsFile)
        std::fclose(m_out);
}

void Transcript::open(const std::string& path)
{
    m_path = path;
    if (path.empty())
        return;
    if (path == "-") {
        m_out = stdout;
        return;
    }
    m_out = std::fopen(path.c_str(), "wb");
    if (!m_out)
        throw FileError("cannot write the transcript " + path);
    m_ownsFile = true;
}

void Transcript::line(std::initializer_list<std::string> fields)
{
    if (!m_out)
        return;
    bool first = true;
    for (const std::string& f : fields) {
        if (!first)
            std::fputc('\t', m_out);
        std::fwrite(f.data(), 1, f.size(), m_out);
        first = false;
    }
    std::fputc('\n', m_out);
}

void Transcript::close()
{
    if (!m_out)
        return;
    const bool bad = std::fflush(m_out) != 0 || std::ferror(m_out);
    if (m_ownsFile)
        std::fclose(m_out);
    m_out = nullptr;
    if (bad)
        throw FileError("cannot write the transcript " + m_path);
}

std::string num(long long n)
{
    return std::to_string(n);
}

void writeSetup(Transcript& t, long long playerGenki, long long opponentGenki)
{
    t.line({"setup", num(playerGenki), num(opponentGenki)});
}

void writePlay(Transcript& t, const char* event, const PlayCaptions& captions, long long playerGenki,
               long long opponentGenki)
{
    t.line({event, captions.timeElapsed, num(playerGenki), num(opponentGenki)});
    t.line({"user", captions.user});
    t.line({"comp", captions.comp});
    t.line({"userpts", captions.userPoints});
    t.line({"comppts", captions.compPoints});
    t.line({"outcome", captions.outcome});
}

void writeRecord(Transcript& t, bool won, bool tournamentDay, const std::string& visibleLabels)
{
    t.line({"record", won ? "win" : "lose"});
    if (tournamentDay)
        t.line({"labels", visibleLabels});
}

void writeResultLine(Transcript& t, int k, const std::string& first, const std::string& middle,
                     const std::string& second)
{
    t.line({"line", num(k), first, middle, second});
}

void writeLeaderboard(Transcript& t, const std::string& title, const std::string& leaders,
                      const std::string& chasers)
{
    t.line({"leaderboard", title});
    t.line({"leaders", leaders});
    t.line({"chasers", chasers});
}

const char* trainingButtonWord(std::size_t button)
{
    static const char* const words[] = {
        "StrengthButton",
        "AgilityButton",
        "TachiaiButton",
        "JumpButton",
        "ReceiveButton",
        "DefenseButton",
        "OshiButton",
        "YotsuButton",
        "TsuppariButton",
        "TenageButton",
        "HatakikomiButton",
        "StaminaButton",
        "HeightButton",
        "WeightIncreaseButton",
        "WeightDecreaseButton",
    };
    return button < sizeof words / sizeof words[0] ? words[button] : "";
}
