#include "Dump.h"

#include <cstdio>

int main(int argc, char **argv)
{
    DumpOptions options;
    std::string error;
    if (!ParseDumpArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "kestro-dump: %s\n%s\n", error.c_str(), kDumpUsage);
        return 2;
    }
    if (options.Help) {
        std::printf("%s\n", kDumpUsage);
        return 0;
    }
    return RunDump(options, stdout, stderr);
}
