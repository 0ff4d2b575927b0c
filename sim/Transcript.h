// The transcript: one line per event, fields joined by one tab.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>

// Writes nothing when no path was given. Captions are written byte for byte
// (Latin-1, as the save file holds them), empty ones as empty fields.
class Transcript {
public:
    Transcript() = default;
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // "-" is standard output; an empty path writes nothing. Throws FileError.
    void open(const std::string& path);
    bool enabled() const { return m_out != nullptr; }

    void line(std::initializer_list<std::string> fields);
    // Flushes and reports a write error as FileError.
    void close();

private:
    std::FILE* m_out = nullptr;
    bool m_ownsFile = false;
    std::string m_path;
};

// Decimal text of an integer, as every caption writes numbers.
std::string num(long long n);
