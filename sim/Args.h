// Command-line options of kirimaki-sim: long options, each value the next argument.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A usage error: one line on standard error, exit status 2, nothing touched.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A file that cannot be read or written: one line, exit status 1.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name; // "--seed"
    bool takesValue; // false for a flag such as "--write"
};

// Parses "--name VALUE" and "--flag" arguments against the options a
// subcommand accepts. An option given twice: the last one counts.
class Args {
public:
    Args(const std::vector<std::string>& args, const std::vector<OptionSpec>& accepted);

    bool has(const std::string& name) const { return m_values.count(name) != 0; }
    std::string text(const std::string& name, const std::string& fallback) const;
    // A whole decimal number within [lo, hi]; a usage error otherwise.
    std::int64_t number(const std::string& name, std::int64_t lo, std::int64_t hi, std::int64_t fallback) const;
    std::int64_t requiredNumber(const std::string& name, std::int64_t lo, std::int64_t hi) const;
    // Comma-separated whole numbers, each within [lo, hi]; at least one.
    std::vector<int> list(const std::string& name, int lo, int hi, const std::vector<int>& fallback) const;

private:
    std::map<std::string, std::string> m_values;
};

// Parses a whole decimal number within [lo, hi]; throws UsageError naming the option.
std::int64_t parseNumber(const std::string& option, const std::string& value, std::int64_t lo, std::int64_t hi);
