// The history's tables, their version and the migrations between versions.
#pragma once

class Database;

// The version this program writes (PRAGMA user_version).
constexpr int kHistorySchemaVersion = 1;

// Sets the journal (WAL, synchronous=FULL) and brings the schema to the
// current version: creates it in an empty database, migrates an older one
// forward. Throws HistoryError for a database that is not a history (tables
// of another program, a newer version, a damaged file).
void prepareSchema(Database& db);

// Throws HistoryError unless the database holds a history this program can read.
void checkSchema(Database& db);
