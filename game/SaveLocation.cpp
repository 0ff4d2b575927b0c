// The save file's folder: the current directory, or the player's data folder.
#include "game/SaveLocation.h"

#include "game/GameState.h"
#include "rules/career/CreationValues.h"
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

QString useUserDataFolder(bool& created)
{
    // The generic location is $XDG_DATA_HOME itself; the application location
    // would add the organisation's and the display name's folders.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kirimaki");
    created = QDir().mkpath(folder);
    gameState().savePath = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(kSaveFileName)).toStdString();
    return folder;
}

bool makeSampleCareerIfMissing()
{
    Game& game = gameState();
    if (QFile::exists(QFile::decodeName(game.savePath.c_str())))
        return true;
    buildNewCareer(game, CreationValues{});
    return game.save();
}
