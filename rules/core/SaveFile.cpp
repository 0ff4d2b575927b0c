// The save file: one read to load, write-flush-rename-flush to save.
#include "rules/core/SaveFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

SaveFaultHook& faultHook()
{
    static SaveFaultHook hook;
    return hook;
}

// After the rename, the folder's entry must reach the disk too, or a power
// cut could bring back the old file (or an empty one on some file systems).
// The new file is in place by then: a folder that cannot be flushed (some
// file systems refuse) is no reason to report the save as lost.
void flushFolderOf(const std::string& path)
{
#if defined(__unix__)
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)path;
#endif
}

// Writes size bytes safely to path: a temporary file, flushed, renamed over.
SaveFailure writeSafely(const void* data, std::size_t size, const std::string& path, SaveFailure staged)
{
    const std::string tmp = temporarySavePath(path);
    std::error_code ec;
    std::FILE* f = staged == SaveFailure::CreateTemporary ? nullptr : std::fopen(tmp.c_str(), "wb");
    if (!f)
        return SaveFailure::CreateTemporary;
    // A staged short write writes half the bytes, as a disk that filled up would.
    const std::size_t wanted = staged == SaveFailure::Write ? size / 2 : size;
    SaveFailure failure = std::fwrite(data, 1, wanted, f) == size ? SaveFailure::None : SaveFailure::Write;
    if (std::fflush(f) != 0 && failure == SaveFailure::None)
        failure = SaveFailure::Write;  // the buffered bytes did not fit
#if defined(__unix__)
    // The rename must not reach the disk before the data it points to.
    if (failure == SaveFailure::None && (::fsync(fileno(f)) != 0 || staged == SaveFailure::Flush))
        failure = SaveFailure::Flush;
#else
    if (failure == SaveFailure::None && staged == SaveFailure::Flush)
        failure = SaveFailure::Flush;
#endif
    if (std::fclose(f) != 0 && failure == SaveFailure::None)
        failure = SaveFailure::Flush;
    if (failure == SaveFailure::None) {
        if (staged == SaveFailure::Rename)
            ec = std::make_error_code(std::errc::permission_denied);
        else
            std::filesystem::rename(tmp, path, ec);
        if (ec)
            failure = SaveFailure::Rename;
    }
    if (failure != SaveFailure::None) {
        std::filesystem::remove(tmp, ec);
        return failure;
    }
    flushFolderOf(path);
    return SaveFailure::None;
}

SaveFailure stagedFailure(const Roster& roster)
{
    const SaveFaultHook& hook = faultHook();
    return hook ? hook(roster) : SaveFailure::None;
}

} // namespace

LoadResult loadRoster(Roster& roster, const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return LoadResult::OpenFailed;
    std::fread(roster.data(), 1, sizeof roster, f);
    std::fclose(f);
    return LoadResult::Loaded;
}

std::string temporarySavePath(const std::string& path)
{
    return path + ".saving";
}

std::string backupSavePath(const std::string& path)
{
    return path + ".bak";
}

SaveResult saveRoster(const Roster& roster, const std::string& path)
{
    return {writeSafely(roster.data(), sizeof roster, path, stagedFailure(roster)), path};
}

SaveResult keepBackupOf(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return {};
    // The file is kept as it is, whatever its length.
    std::vector<char> bytes;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    const bool readFailed = std::ferror(f) != 0;
    std::fclose(f);
    const std::string backup = backupSavePath(path);
    if (readFailed)
        return {SaveFailure::Write, backup};
    return {writeSafely(bytes.data(), bytes.size(), backup, SaveFailure::None), backup};
}

SaveResult saveNewCareer(const Roster& roster, const std::string& path)
{
    const SaveResult kept = keepBackupOf(path);
    if (!kept)
        return kept;
    return saveRoster(roster, path);
}

std::string saveFailureMessage(const SaveResult& result)
{
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(result.file, ec);
    if (ec)
        full = result.file;
    const char* what = "";
    switch (result.failure) {
    case SaveFailure::None: return {};
    case SaveFailure::CreateTemporary:
        what = "the folder does not let a new file be created (is it read-only?)";
        break;
    case SaveFailure::Write: what = "the file could not be written in full (is the disk full?)"; break;
    case SaveFailure::Flush: what = "the file could not be flushed to the disk"; break;
    case SaveFailure::Rename: what = "the new file could not replace the old one"; break;
    }
    return "The career could not be saved to " + full.string() + ": " + what +
           ". Nothing was lost: the file still holds the last step that was saved.";
}

void setSaveFaultHook(SaveFaultHook hook)
{
    faultHook() = std::move(hook);
}
