// The save file: one read to load, write-then-rename to save.
#include "rules/core/SaveFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__)
#include <unistd.h>
#endif

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

bool saveRoster(const Roster& roster, const std::string& path)
{
    const std::string tmp = temporarySavePath(path);
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(roster.data(), 1, sizeof roster, f) == sizeof roster;
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__)
    // The rename must not reach the disk before the data it points to.
    ok = ::fsync(fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(tmp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}
