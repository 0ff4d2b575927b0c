// The save file's folder: the current directory, or the player's data folder.
#include "game/SaveLocation.h"

#include "game/GameState.h"
#include "rules/career/CreationValues.h"
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <QString>

QString useUserDataFolder(bool& created)
{
    // A relative $XDG_DATA_HOME is to be ignored, or the career would move
    // with the current directory; an unset or empty one means the default.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = QDir::cleanPath(dataHome + QStringLiteral("/kirimaki"));
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
    return static_cast<bool>(game.save());
}
