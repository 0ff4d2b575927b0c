// Opening the history file, and keeping a damaged one aside.
#include "history/HistoryFile.h"

#include "history/Now.h"
#include "history/Schema.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// SQLite's companions of a database in WAL mode.
constexpr const char* kCompanions[] = {"", "-wal", "-shm"};

std::string dateSuffix()
{
    return nowText(".damaged-%Y%m%d-%H%M%S", TimeZone::Local);
}

// Renames the file and its companions to one new name; returns that name.
std::string setAside(const std::string& path)
{
    const std::string aside = path + dateSuffix();
    for (const char* companion : kCompanions) {
        std::error_code ec;
        if (fs::exists(path + companion, ec))
            fs::rename(path + companion, aside + companion, ec);
        if (ec)
            throw HistoryError("cannot rename " + path + companion + ": " + ec.message());
    }
    return aside;
}

std::unique_ptr<Database> openPrepared(const std::string& path)
{
    auto db = std::make_unique<Database>(path, true);
    prepareSchema(*db);
    return db;
}

std::string cannotWrite(const std::string& path, const std::string& why)
{
    return "The career's history " + path + " cannot be written (" + why +
           "). The career goes on and its save file is complete; the history misses what is played now.";
}

} // namespace

std::string historyPathFor(const std::string& savePath)
{
    fs::path p(savePath);
    p.replace_extension(".history");
    return p.string();
}

OpenedHistory openHistoryForWriting(const std::string& path)
{
    OpenedHistory opened;
    try {
        opened.db = openPrepared(path);
        return opened;
    } catch (const NewerHistoryError& e) {
        opened.notice = cannotWrite(path, e.what());
        return opened;
    } catch (const DamagedHistoryError&) {
        // Damaged or foreign: kept for whoever wants it, and a new one begun.
    } catch (const HistoryError& e) {
        // A folder or disk that refuses writing: the file may be sound.
        opened.notice = cannotWrite(path, e.what());
        return opened;
    }
    try {
        const std::string aside = setAside(path);
        opened.db = openPrepared(path);
        opened.notice = "The career's history " + path + " could not be read; it is kept as " + aside +
                        " and a new history begins with this basho.";
    } catch (const HistoryError& e) {
        opened.db.reset();
        opened.notice = cannotWrite(path, e.what());
    }
    return opened;
}

std::unique_ptr<Database> openHistoryForReading(const std::string& path)
{
    std::error_code ec;
    if (!fs::exists(path, ec))
        throw HistoryError("no history: " + path + " does not exist");
    auto db = std::make_unique<Database>(path, false);
    checkSchema(*db);
    return db;
}
