// Transcript output of the headless front-end.
#include "sim/Transcript.h"

#include "sim/Args.h"

Transcript::~Transcript()
{
    if (m_out && m_ownsFile)
        std::fclose(m_out);
}

void Transcript::open(const std::string& path)
{
    m_path = path;
    if (path.empty())
        return;
    if (path == "-") {
        m_out = stdout;
        return;
    }
    m_out = std::fopen(path.c_str(), "wb");
    if (!m_out)
        throw FileError("cannot write the transcript " + path);
    m_ownsFile = true;
}

void Transcript::line(std::initializer_list<std::string> fields)
{
    if (!m_out)
        return;
    bool first = true;
    for (const std::string& f : fields) {
        if (!first)
            std::fputc('\t', m_out);
        std::fwrite(f.data(), 1, f.size(), m_out);
        first = false;
    }
    std::fputc('\n', m_out);
}

void Transcript::close()
{
    if (!m_out)
        return;
    const bool bad = std::fflush(m_out) != 0 || std::ferror(m_out);
    if (m_ownsFile)
        std::fclose(m_out);
    m_out = nullptr;
    if (bad)
        throw FileError("cannot write the transcript " + m_path);
}

std::string num(long long n)
{
    return std::to_string(n);
}
