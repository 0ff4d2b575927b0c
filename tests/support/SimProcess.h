// Runs kirimaki-sim as a process, the way a player or a script runs it.
#pragma once

#include "tests/support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#ifndef KIRIMAKI_SIM
#error "KIRIMAKI_SIM names the kirimaki-sim executable under test"
#endif

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs kirimaki-sim with the arguments in `dir` as the current folder.
inline SimRun sim(const TempDir& dir, const std::vector<std::string>& args)
{
    std::string command = "cd " + quoted(dir.path().string()) + " && " + quoted(KIRIMAKI_SIM);
    for (const std::string& a : args)
        command += " " + quoted(a);
    command += " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    SimRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir.file("out.txt")), readFile(dir.file("err.txt"))};
    std::remove(dir.file("out.txt").c_str());
    std::remove(dir.file("err.txt").c_str());
    return run;
}

