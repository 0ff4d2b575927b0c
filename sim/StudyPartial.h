// A study split into shards, each played on its own (another machine, say)
// and written as a partial; the partials merged give the whole study.
//
// A partial is a small tab-separated text file:
//   kirimaki-sim study partial 1 <TAB> shard K/N <TAB> seed S <TAB> careers C
//     <TAB> basho B <TAB> tachiai L <TAB> moves L <TAB> train L <TAB> order O
//     <TAB> builds M                       (one header line; O: best first, as given)
//   build <TAB> b <TAB> options of new     (M lines, b = 1..M)
//   career <TAB> b <TAB> k <TAB> yusho <TAB> kachi-koshi basho <TAB> ranks
//                                          (one line per career of the shard;
//                                          ranks: one digit 0..4 per basho, the
//                                          rank code after it)
//   end <TAB> number of career lines
#pragma once

#include "sim/Study.h"

#include <string>
#include <vector>

// Shard K of N, 1 <= K <= N.
struct Shard {
    int k = 1;
    int n = 1;
};

// "K/N"; a usage error naming `option` otherwise.
Shard parseShard(const std::string& option, const std::string& text);

// The careers of shard K of N: those whose number leaves K - 1 when divided
// by N. A fixed partition that depends on nothing but the study's size.
std::vector<CareerNumber> shardCareers(const StudySettings& settings, Shard shard);

// The partial of a shard: its careers' outcomes, result j of career which[j].
std::string partialText(const StudySettings& settings, bool bestFirst, Shard shard,
                        const std::vector<CareerNumber>& which, const std::vector<CareerResult>& results);

struct MergedStudy {
    StudySettings settings; // the builds and options the partials share
    bool bestFirst = false;
    std::vector<BuildSummary> rows; // in the table's order
};

// Merges a whole set of partials (every shard once) into the study's rows.
// A file that cannot be read: FileError. A missing or repeated shard, a
// partial of another study, a damaged or cut-short one: UsageError naming
// the file.
MergedStudy mergePartials(const std::vector<std::string>& paths);
