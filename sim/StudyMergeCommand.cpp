// kirimaki-sim study-merge: the partials of every shard of a study, merged
// into the table and chart the whole study on one machine gives.
#include "sim/Args.h"
#include "sim/Commands.h"
#include "sim/StudyPartial.h"
#include "sim/StudyTable.h"

int runStudyMerge(const std::vector<std::string>& args)
{
    // Options, then the partials; "--" ends the options, so that a file
    // whose name starts with "--" can still be given.
    std::string chartPath;
    std::vector<std::string> paths;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (options && args[i] == "--") {
            options = false;
        } else if (options && args[i] == "--chart") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError("option --chart needs a file name");
            chartPath = args[++i];
        } else if (options && args[i].compare(0, 2, "--") == 0) {
            throw UsageError("unknown option '" + args[i] + "' of study-merge");
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.empty())
        throw UsageError("study-merge takes the partials of a study: study-merge [--chart FILE.svg] FILE...");
    const MergedStudy merged = mergePartials(paths);
    writeStudyReport(merged.rows, merged.settings.builds, merged.settings.basho, chartPath);
    return 0;
}
