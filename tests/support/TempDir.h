// A fresh temporary directory for a test, removed afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <regex>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() / ("kirimaki-test-" + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The temporary files that saves left in `folder`: a file's name, a dot and
// six more characters (the save file's and the backup's alike).
inline std::vector<std::string> temporarySavesIn(const std::string& folder)
{
    static const std::regex pattern(R"(.*\.r(\.bak)?\.[A-Za-z0-9]{6})");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (std::regex_match(entry.path().filename().string(), pattern))
            left.push_back(entry.path().filename().string());
    return left;
}
