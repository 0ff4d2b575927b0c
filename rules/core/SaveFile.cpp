// The save file: one read to load, write-flush-rename-flush to save.
#include "rules/core/SaveFile.h"

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kRosterBytes = sizeof(Roster);

SaveFaultHook& faultHook()
{
    static SaveFaultHook hook;
    return hook;
}

// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    // Closes now and says whether the close reported an error.
    bool closeFailed()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) != 0;
    }

private:
    int m_fd;
};

std::uint64_t fnv1a(const void* data, std::size_t size)
{
    std::uint64_t h = 14695981039346656037ULL;
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        h ^= bytes[i];
        h *= 1099511628211ULL;
    }
    return h;
}

// Reads up to `size` bytes, going on after a short read; the count read.
std::size_t readUpTo(int fd, void* data, std::size_t size)
{
    std::size_t done = 0;
    auto* bytes = static_cast<char*>(data);
    while (done < size) {
        const ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool writeAll(int fd, const void* data, std::size_t size)
{
    std::size_t done = 0;
    const auto* bytes = static_cast<const char*>(data);
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The stamp of an open file whose first bytes (as many as were read) are given.
FileStamp stampOf(int fd, const void* firstBytes, std::size_t count)
{
    FileStamp stamp;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::int64_t>(st.st_size);
    stamp.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    stamp.hash = fnv1a(firstBytes, count);
    return stamp;
}

// After the rename, the folder's entry must reach the disk too, or a power
// cut could bring back the old file (or an empty one on some file systems).
// The new file is in place by then: a folder that cannot be flushed (some
// file systems refuse) is no reason to report the save as lost.
void flushFolderOf(const std::string& path)
{
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

// The permissions a new file gets: those of the file it replaces, so that a
// save never changes who may read the career, or what a newly created file
// would get under the process's umask.
mode_t permissionsFor(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file's data, flushed to the disk; the stamp it will have.
SaveFailure writeTemporary(Fd& fd, const void* data, std::size_t size, SaveFailure staged, FileStamp& written)
{
    // A staged short write writes half the bytes, as a disk that filled up would.
    const std::size_t wanted = staged == SaveFailure::Write ? size / 2 : size;
    if (!writeAll(fd.get(), data, wanted) || wanted != size)
        return SaveFailure::Write;
    // The rename must not reach the disk before the data it points to.
    if (::fsync(fd.get()) != 0 || staged == SaveFailure::Flush)
        return SaveFailure::Flush;
    written = stampOf(fd.get(), data, size < kRosterBytes ? size : kRosterBytes);
    if (fd.closeFailed())
        return SaveFailure::Flush;
    return SaveFailure::None;
}

// Writes size bytes safely to path: a temporary file of this save's own,
// flushed, renamed over. Only that temporary file is ever removed.
SaveFailure writeSafely(const void* data, std::size_t size, const std::string& path, SaveFailure staged,
                        FileStamp& written)
{
    std::string tmp = temporarySavePattern(path);
    Fd fd(staged == SaveFailure::CreateTemporary ? -1 : ::mkostemp(tmp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return SaveFailure::CreateTemporary;
    ::fchmod(fd.get(), permissionsFor(path));
    SaveFailure failure = writeTemporary(fd, data, size, staged, written);
    std::error_code ec;
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

// Whether the file at path is still the one `seen` stamps. A file that is
// gone holds nothing newer, so saving there loses nothing.
bool stillTheFileSeen(const std::string& path, const FileStamp& seen)
{
    const FileStamp now = stampOfFile(path);
    return !now.exists || now == seen;
}

// The roster written safely to path, whatever the file holds now; `seen`,
// when given, stamps the new file.
SaveResult writeRoster(const Roster& roster, const std::string& path, FileStamp* seen)
{
    FileStamp written;
    const SaveFailure failure = writeSafely(roster.data(), sizeof roster, path, stagedFailure(roster), written);
    if (failure == SaveFailure::None && seen)
        *seen = written;
    return {failure, path};
}

} // namespace

FileStamp stampOfFile(const std::string& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return {};
    char bytes[kRosterBytes];
    const std::size_t n = readUpTo(fd.get(), bytes, sizeof bytes);
    return stampOf(fd.get(), bytes, n);
}

LoadResult loadRoster(Roster& roster, const std::string& path, FileStamp* seen)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (seen)
            *seen = FileStamp{};
        return LoadResult::OpenFailed;
    }
    // Read into a copy first: a short file fills only what it holds.
    char bytes[kRosterBytes];
    const std::size_t n = readUpTo(fd.get(), bytes, sizeof bytes);
    std::memcpy(roster.data(), bytes, n);
    if (seen)
        *seen = stampOf(fd.get(), bytes, n);
    return LoadResult::Loaded;
}

std::string temporarySavePattern(const std::string& path)
{
    return path + ".XXXXXX";
}

std::string backupSavePath(const std::string& path)
{
    return path + ".bak";
}

SaveResult saveRoster(const Roster& roster, const std::string& path, FileStamp* seen)
{
    if (seen && !stillTheFileSeen(path, *seen))
        return {SaveFailure::FileChanged, path};
    return writeRoster(roster, path, seen);
}

SaveResult keepBackupOf(const std::string& path)
{
    const std::string backup = backupSavePath(path);
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return {};
    // The file is kept as it is, whatever its length.
    std::vector<char> bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {SaveFailure::Read, path};
        if (n == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    FileStamp written;
    return {writeSafely(bytes.data(), bytes.size(), backup, SaveFailure::None, written), backup};
}

SaveResult saveNewCareer(const Roster& roster, const std::string& path, FileStamp* seen)
{
    const SaveResult kept = keepBackupOf(path);
    if (!kept)
        return kept;
    return writeRoster(roster, path, seen);
}

std::string fullPathOf(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.string();
}

std::string saveFailureMessage(const SaveResult& result)
{
    const std::string full = fullPathOf(result.file);
    const char* what = "";
    switch (result.failure) {
    case SaveFailure::None: return {};
    case SaveFailure::CreateTemporary:
        what = "the folder does not let a new file be created (is it read-only?)";
        break;
    case SaveFailure::Write: what = "the file could not be written in full (is the disk full?)"; break;
    case SaveFailure::Flush: what = "the file could not be flushed to the disk"; break;
    case SaveFailure::Rename: what = "the new file could not replace the old one"; break;
    case SaveFailure::Read:
        return "The career in " + full +
               " could not be read to keep it as the backup, so it was not replaced. Nothing was lost.";
    case SaveFailure::FileChanged:
        return "The career could not be saved to " + full +
               ": another program has changed the file since it was last read here. The newer file was kept "
               "as it is, so the last step taken here is not in it.";
    }
    return "The career could not be saved to " + full + ": " + what +
           ". Nothing was lost: the file still holds the last step that was saved.";
}

void setSaveFaultHook(SaveFaultHook hook)
{
    faultHook() = std::move(hook);
}
