// The schema of the history, version by version.
#include "history/Schema.h"

#include "history/Sqlite.h"

#include <string>

namespace {

// Version 1. Every row carries the step (one save of the career) that wrote
// it, so that the rows of a step the save file never received can be dropped.
constexpr const char* kVersion1 = R"(
CREATE TABLE careers(career INTEGER PRIMARY KEY, shikona TEXT NOT NULL, real_name TEXT NOT NULL,
  height INTEGER NOT NULL, weight INTEGER NOT NULL, started TEXT NOT NULL, from_start INTEGER NOT NULL,
  first_day INTEGER NOT NULL);
CREATE TABLE steps(career INTEGER NOT NULL, step INTEGER NOT NULL, basho INTEGER NOT NULL,
  day INTEGER NOT NULL, roster BLOB NOT NULL, PRIMARY KEY(career, step));
CREATE TABLE wrestlers(career INTEGER NOT NULL, wrestler INTEGER NOT NULL, shikona TEXT NOT NULL,
  real_name TEXT NOT NULL, player INTEGER NOT NULL, step INTEGER NOT NULL, PRIMARY KEY(career, wrestler));
CREATE TABLE basho(career INTEGER NOT NULL, basho INTEGER NOT NULL, name TEXT NOT NULL,
  step INTEGER NOT NULL, PRIMARY KEY(career, basho));
CREATE TABLE banzuke(career INTEGER NOT NULL, basho INTEGER NOT NULL, wrestler INTEGER NOT NULL,
  position INTEGER NOT NULL, rank INTEGER NOT NULL, number INTEGER NOT NULL, east INTEGER NOT NULL,
  title TEXT NOT NULL, step INTEGER NOT NULL, PRIMARY KEY(career, basho, wrestler));
CREATE TABLE outcomes(career INTEGER NOT NULL, basho INTEGER NOT NULL, wrestler INTEGER NOT NULL,
  wins INTEGER NOT NULL, losses INTEGER NOT NULL, yusho INTEGER NOT NULL, junyusho INTEGER NOT NULL,
  new_title TEXT NOT NULL, change TEXT NOT NULL, step INTEGER NOT NULL, PRIMARY KEY(career, basho, wrestler));
CREATE TABLE bouts(career INTEGER NOT NULL, basho INTEGER NOT NULL, day INTEGER NOT NULL, seq INTEGER NOT NULL,
  east INTEGER NOT NULL, west INTEGER NOT NULL, winner INTEGER NOT NULL, player INTEGER NOT NULL,
  tachiai TEXT NOT NULL, strategies TEXT NOT NULL, monoii INTEGER NOT NULL, tori_naoshi INTEGER NOT NULL,
  step INTEGER NOT NULL, PRIMARY KEY(career, basho, day, seq));
CREATE TABLE abilities(career INTEGER NOT NULL, basho INTEGER NOT NULL, height INTEGER NOT NULL,
  weight INTEGER NOT NULL, strength INTEGER NOT NULL, agility INTEGER NOT NULL, tachiai INTEGER NOT NULL,
  jump INTEGER NOT NULL, receive INTEGER NOT NULL, defense INTEGER NOT NULL, oshi INTEGER NOT NULL,
  yotsu INTEGER NOT NULL, tsuppari INTEGER NOT NULL, tenage INTEGER NOT NULL, henka INTEGER NOT NULL,
  stamina INTEGER NOT NULL, step INTEGER NOT NULL, PRIMARY KEY(career, basho));
CREATE INDEX bouts_by_step ON bouts(career, step);
)";

// The migrations in order: entry v brings version v to v + 1.
const char* const kMigrations[] = {kVersion1};

int userVersion(Database& db)
{
    Statement q(db, "PRAGMA user_version");
    q.step();
    return static_cast<int>(q.integer(0));
}

int tableCount(Database& db)
{
    Statement q(db, "SELECT count(*) FROM sqlite_master");
    q.step();
    return static_cast<int>(q.integer(0));
}

} // namespace

void checkSchema(Database& db)
{
    const int version = userVersion(db);
    if (version < 1 || version > kHistorySchemaVersion)
        throw DamagedHistoryError("not a history of this version (schema " + std::to_string(version) + ")");
    // Reads every page of the tables: a damaged file shows here, not later.
    Statement q(db, "PRAGMA quick_check");
    if (!q.step() || q.text(0) != "ok")
        throw DamagedHistoryError("the database is damaged");
    // A table missing or of another shape fails to prepare here.
    try {
        Statement shape(db, "SELECT career, step, basho, day, roster FROM steps JOIN careers USING(career) WHERE 0 UNION ALL SELECT wrestler, basho, position, rank, title FROM banzuke WHERE 0 UNION ALL SELECT wrestler, basho, wins, losses, change FROM outcomes WHERE 0 UNION ALL SELECT east, west, winner, seq, player FROM bouts WHERE 0 UNION ALL SELECT tachiai, strategies, monoii, tori_naoshi, step FROM bouts WHERE 0 UNION ALL SELECT basho, name, step, 0, 0 FROM basho WHERE 0 UNION ALL SELECT shikona, real_name, wrestler, player, 0 FROM wrestlers WHERE 0 UNION ALL SELECT strength, henka, stamina, height, weight FROM abilities WHERE 0");
        shape.step();
    } catch (const HistoryError& e) {
        throw DamagedHistoryError(std::string("not the history's tables: ") + e.what());
    }
}

void prepareSchema(Database& db)
{
    db.exec("PRAGMA journal_mode=WAL");
    db.exec("PRAGMA synchronous=FULL");
    int version = userVersion(db);
    if (version == 0 && tableCount(db) != 0)
        throw DamagedHistoryError("the file holds another program's tables");
    if (version > kHistorySchemaVersion)
        throw NewerHistoryError("it was written by a newer version of the game (schema " + std::to_string(version) +
                                ")");
    for (; version < kHistorySchemaVersion; ++version) {
        Transaction t(db);
        db.exec(kMigrations[version]);
        db.exec("PRAGMA user_version=" + std::to_string(version + 1));
        t.commit();
    }
    checkSchema(db);
}
