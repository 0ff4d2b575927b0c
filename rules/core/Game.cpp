// The career's loads and saves, each told to the program's witness.
#include "rules/core/Game.h"

LoadResult Game::load()
{
    const LoadResult result = loadRoster(roster, savePath, &fileSeen);
    if (witness && result == LoadResult::Loaded)
        witness->loaded(roster);
    return result;
}

namespace {

template <typename Write>
SaveResult witnessedSave(const Game& game, Write write)
{
    if (game.witness)
        game.witness->saving(game.roster);
    const SaveResult result = write();
    if (game.witness)
        game.witness->saved(game.roster, static_cast<bool>(result));
    return result;
}

} // namespace

SaveResult Game::save() const
{
    return witnessedSave(*this, [this] { return saveRoster(roster, savePath, &fileSeen); });
}

SaveResult Game::saveNew() const
{
    return witnessedSave(*this, [this] { return saveNewCareer(roster, savePath, &fileSeen); });
}
