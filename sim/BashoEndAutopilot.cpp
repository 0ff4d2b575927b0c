// The end-of-basho screens as the autopilot clicks through them.
#include "sim/BashoEndAutopilot.h"

#include "rules/bashoend/Ageing.h"
#include "rules/bashoend/BanzukeRevision.h"
#include "rules/bashoend/Chanko.h"
#include "rules/bashoend/Potential.h"
#include "rules/bashoend/YushoDecision.h"
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/CareerStore.h"
#include "sim/TrainPilot.h"
#include "sim/Transcript.h"

namespace {

// The playoff without windows: each three-way result the screen would show
// during its pause goes to the transcript, and the pauses are not waited for.
class TranscriptPlayoff : public PlayoffHost {
public:
    explicit TranscriptPlayoff(Transcript& transcript) : m_transcript(transcript) {}
    void announce(const std::string& announcement) override { m_transcript.line({"yusho", announcement}); }
    void pause(int) override {}

private:
    Transcript& m_transcript;
};

} // namespace

AutopilotBashoEnd::AutopilotBashoEnd(Autopilot& pilot, Transcript& transcript, PlayerBout& playoffBout,
                                     CareerStore& store)
    : m_pilot(pilot), m_transcript(transcript), m_playoffBout(playoffBout), m_store(store)
{
}

void AutopilotBashoEnd::yusho(Game& game)
{
    YushoDecision decision;
    decision.setUp(game);
    m_transcript.line({"yusho", decision.view().announcement});
    if (decision.state() == YushoDecision::State::Tie) {
        // Begin Kettei-Sen is the one button offered.
        TranscriptPlayoff host(m_transcript);
        decision.runPlayoff(game, m_playoffBout, host);
        m_transcript.line({"junyusho", decision.view().junYusho});
        m_transcript.line({"yusho", decision.view().announcement});
    } else {
        m_transcript.line({"junyusho", decision.view().junYusho});
    }
    m_store.save(game);
}

void AutopilotBashoEnd::chanko(Game& game)
{
    ChankoVisit visit;
    visit.open(game);
    m_transcript.line({"chanko", visit.view().message});
    // The first listed ability whose "+" is enabled, again and again; never
    // height or weight.
    for (long clicks = 0; clicks < kAutopilotPatience; ++clicks) {
        const int row = nextTrainRow(m_pilot.train(), [&visit](int r) {
            return visit.view().enabled[static_cast<std::size_t>(r)];
        });
        if (row < 0 || !visit.click(game, static_cast<std::size_t>(row)))
            break;
        m_transcript.line({"buy", trainingButtonWord(static_cast<std::size_t>(row))});
    }
}

void AutopilotBashoEnd::potential(Game& game)
{
    const std::string list = fulfilPotential(game.roster, game.rng);
    m_transcript.line({"potential", list});
    m_store.save(game);
}

void AutopilotBashoEnd::age(Game& game)
{
    const std::string list = ageWrestlers(game);
    m_transcript.line({"age", list});
    m_store.save(game);
}

void AutopilotBashoEnd::newBanzuke(Game& game)
{
    const std::string text = reviseBanzuke(game);
    m_transcript.line({"banzuke", text});
    m_store.save(game);
}
