// The autopilot's bout: every button clicked as soon as it is offered, the
// strategies taken from the --tachiai and --moves lists.
#include "sim/BoutAutopilot.h"

#include "rules/bashoend/StatIncrease.h"
#include "rules/bout/BoutEngine.h"
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/CareerStore.h"
#include "sim/Session.h"
#include "sim/Transcript.h"
#include "sim/TrainPilot.h"

#include <stdexcept>
#include <string>

namespace {

// Each writer returns at once when no transcript is written: a study plays
// thousands of careers whose captions nobody reads.
void writePlay(Transcript& t, const char* event, const BoutEngine& engine, const Game& game)
{
    if (!t.enabled())
        return;
    const BoutView& v = engine.view();
    const PlayCaptions captions{v.timeElapsed, v.userStrategy, v.compStrategy, v.userPoints, v.compPoints, v.outcome};
    writePlay(t, event, captions, game.playerCopy.genki, game.opponentCopy.genki);
}

void writeSetup(Transcript& t, const Game& game)
{
    if (!t.enabled())
        return;
    writeSetup(t, game.playerCopy.genki, game.opponentCopy.genki);
}

void writeRecord(Transcript& t, bool won, const BoutEngine& engine, const Game& game)
{
    if (!t.enabled())
        return;
    writeRecord(t, won, !isPlayoffDay(game.curDay), engine.view().visibleResultLabels());
}

} // namespace

AutopilotBout::AutopilotBout(Autopilot& pilot, Transcript& transcript, CareerStore* saveOnClose)
    : m_pilot(pilot), m_transcript(transcript), m_saveOnClose(saveOnClose), m_engine(std::make_unique<BoutEngine>())
{
}

AutopilotBout::~AutopilotBout() = default;

void AutopilotBout::spendBonus(Game& game)
{
    StatIncreaseVisit visit;
    visit.fill(game.playerCopy, game.pointPool);
    const auto enabled = [&visit](int row) { return visit.view().enabled[static_cast<std::size_t>(row)]; };
    long clicks = 0;
    for (int row = nextTrainRow(m_pilot.train(), enabled); row >= 0 && clicks++ < kAutopilotPatience;
         row = nextTrainRow(m_pilot.train(), enabled)) {
        visit.click(game.playerCopy, game.pointPool, row);
        if (m_transcript.enabled())
            m_transcript.line({"bonus", trainingButtonWord(static_cast<std::size_t>(row))});
    }
}

void AutopilotBout::fight(Game& game)
{
    BoutEngine& engine = *m_engine;
    Transcript& t = m_transcript;
    engine.setUp(game);
    writeSetup(t, game);
    for (long clicks = 0;; ++clicks) {
        if (clicks > kAutopilotPatience)
            throw std::runtime_error("the bout has not ended after " + std::to_string(kAutopilotPatience) +
                                     " clicks: the save file holds values that no bout can use up");
        const BoutView& v = engine.view();
        if (v.tachiaiButtons) {
            engine.tachiai(game, m_pilot.nextTachiai());
            writePlay(t, "tachiai", engine, game);
        } else if (v.exchangeButtons) {
            engine.exchange(game, m_pilot.nextMove());
            writePlay(t, "exchange", engine, game);
            if (v.endLabel && t.enabled())
                t.line({"end", v.endText});
        } else if (v.monoiiClose) {
            engine.callMonoii();
            if (t.enabled())
                t.line({"end", v.endText});
        } else if (v.monoiiStart) {
            const MonoiiDecision decision = engine.judgesDecide(game);
            if (t.enabled())
                t.line({"end", v.endText});
            if (engine.resultRecorded())
                writeRecord(t, decision == MonoiiDecision::PlayerWins, engine, game);
        } else if (v.monoiiFight) {
            engine.toriNaoshi(game);
            writeSetup(t, game);
        } else if (v.win) {
            engine.recordWin(game);
            writeRecord(t, true, engine, game);
        } else if (v.lose) {
            engine.recordLoss(game);
            writeRecord(t, false, engine, game);
        } else if (v.bonus) {
            spendBonus(game);
            engine.bonusSpent();
        } else if (v.close) {
            engine.close();
            if (m_saveOnClose)
                m_saveOnClose->save(game);
            return;
        } else {
            throw std::logic_error("the bout offers no button");
        }
    }
}
