// Building the roster of a new career.
#include "rules/career/NewCareer.h"

#include "rules/core/StatRows.h"
#include "rules/career/BuiltInField.h"
#include "rules/core/BodyRatings.h"
#include "rules/core/Game.h"
#include "rules/core/CurrentDay.h"

static_assert(kAbilityCount == kStatRowCount, "the creation screen trains the same twelve abilities");

namespace {

constexpr std::size_t kPlayerIndex = 39;
constexpr std::size_t kFirstMaegashira = 12;

void fillFromRow(Rikishi& r, const FieldRow& row)
{
    setShikona(r, row.shikona);
    setRealName(r, row.realName);
    r.rank = row.rank;
    r.age = static_cast<float>(row.age);
    r.height = row.height;
    r.weight = row.weight;
    r.baseStrength = row.baseStrength;
    r.baseAgility = row.baseAgility;
    r.tachiai = row.tachiai;
    r.oshi = row.oshi;
    r.yotsu = row.yotsu;
    r.tenage = row.tenage;
    r.tsuppari = row.tsuppari;
    r.jump = row.jump;
    r.receive = row.receive;
    r.hatakikomi = row.hatakikomi;
    r.defense = row.defense;
    r.stamina = row.stamina;
    r.intangibles = row.intangibles;
    r.potential = row.potential;
    r.tachiaiStrategy1 = row.tachiaiStrategy1;
    r.tachiaiStrategy2 = row.tachiaiStrategy2;
    r.boutStrategy1 = row.boutStrategy1;
    r.boutStrategy2 = row.boutStrategy2;
    r.boutStrategy3 = row.boutStrategy3;
    r.rlw = row.rlw;
    r.rll = row.rll;
    r.lbw = row.lbw;
    r.tbaw = row.tbaw;
}

} // namespace

void buildNewCareer(Game& game, const CreationValues& values)
{
    Roster& roster = game.roster;
    const auto& field = builtInField();
    for (std::size_t i = 0; i < field.size(); ++i)
        fillFromRow(roster[i], field[i]);
    fillFromRow(roster[kPlayerIndex], playerTemplate());

    for (std::size_t i = 0; i < roster.size(); ++i) {
        Rikishi& r = roster[i];
        r.skill = 0;
        r.power = 0;
        r.gmw = 0;
        r.cbw = 0;
        r.gml = 0;
        r.cbl = 0;
        r.yusho = 0;
        r.junyusho = 0;
        r.isPlayer = 0;
        r.slot = static_cast<std::int32_t>(i);
    }
    for (std::size_t i = kFirstMaegashira; i < roster.size(); ++i)
        roster[i].rank = kMaegashira;

    Rikishi& player = roster[kPlayerIndex];
    player.isPlayer = 1;
    setShikona(player, values.shikona);
    setRealName(player, values.realName);
    player.height = values.height;
    player.weight = values.weight;
    // The creation screen lists the abilities in the training screens' order.
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        player.*statRows()[i].field = values.abilities[i];
    player.age = 21.0f;

    computeBodyRatings(roster);

    beginFirstDay(game);
}

SaveResult startNewCareer(Game& game, const CreationValues& values)
{
    const Roster roster = game.roster;
    const std::int32_t curDay = game.curDay;
    const std::int32_t lastResultsDay = game.lastResultsDay;
    buildNewCareer(game, values);
    // A career this replaces is kept as the backup first.
    const SaveResult saved = game.saveNew();
    if (!saved) {
        game.roster = roster;
        game.curDay = curDay;
        game.lastResultsDay = lastResultsDay;
        return saved;
    }
    game.unsavedBout.reset();
    return saved;
}
