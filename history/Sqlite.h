// A thin, exception-based layer over SQLite's C API: one connection, its
// prepared statements and transactions.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Any failure of the database: open, read, write or a schema it cannot use.
class HistoryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that is no history: damaged, or another program's database.
class DamagedHistoryError : public HistoryError {
public:
    using HistoryError::HistoryError;
};

// A history written by a newer version of the program: it is left as it is.
class NewerHistoryError : public HistoryError {
public:
    using HistoryError::HistoryError;
};

class Database {
public:
    // Opens (and with `create`, creates) the file; read-only otherwise.
    Database(const std::string& path, bool create);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql);
    std::int64_t lastInsertId() const;
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds the values from parameter 1 on, in order.
    Statement& bind(std::int64_t value);
    Statement& bind(const std::string& text);
    Statement& bindBlob(const void* data, std::size_t size);
    // Steps once: true while there is a row to read.
    bool step();
    // Runs to the end (an INSERT, UPDATE or DELETE).
    void run();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::vector<unsigned char> blob(int column) const;

private:
    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
    int m_next = 1;
};

// One transaction: committed by commit(), rolled back if left without it.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};
