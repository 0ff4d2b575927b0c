// Option parsing for the headless front-end.
#include "sim/Args.h"

#include <sstream>

Args::Args(const std::vector<std::string>& args, const std::vector<OptionSpec>& accepted)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const OptionSpec* known = nullptr;
        for (const OptionSpec& s : accepted)
            if (s.name == a)
                known = &s;
        if (!known)
            throw UsageError("unknown option '" + a + "'");
        if (!known->takesValue) {
            m_values[a] = "";
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError("option " + a + " needs a value");
        m_values[a] = args[++i];
    }
}

std::string Args::text(const std::string& name, const std::string& fallback) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? fallback : it->second;
}

std::int64_t parseNumber(const std::string& option, const std::string& value, std::int64_t lo, std::int64_t hi)
{
    bool ok = !value.empty() && value.size() <= 12;
    std::int64_t n = 0;
    std::size_t i = 0;
    bool negative = false;
    if (ok && value[0] == '-') {
        negative = true;
        i = 1;
        ok = value.size() > 1;
    }
    for (; ok && i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9')
            ok = false;
        else
            n = n * 10 + (value[i] - '0');
    }
    if (negative)
        n = -n;
    if (!ok || n < lo || n > hi) {
        std::ostringstream msg;
        msg << "option " << option << " takes a whole number from " << lo << " to " << hi
            << ", not '" << value << "'";
        throw UsageError(msg.str());
    }
    return n;
}

std::int64_t Args::number(const std::string& name, std::int64_t lo, std::int64_t hi, std::int64_t fallback) const
{
    return has(name) ? parseNumber(name, text(name, ""), lo, hi) : fallback;
}

std::int64_t Args::requiredNumber(const std::string& name, std::int64_t lo, std::int64_t hi) const
{
    if (!has(name))
        throw UsageError("option " + name + " is required");
    return number(name, lo, hi, 0);
}

std::vector<int> Args::list(const std::string& name, int lo, int hi, const std::vector<int>& fallback) const
{
    if (!has(name))
        return fallback;
    const std::string value = text(name, "");
    std::vector<int> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        const std::string item = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        out.push_back(static_cast<int>(parseNumber(name, item, lo, hi)));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return out;
}
