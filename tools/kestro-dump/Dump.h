// kestro-dump: what the window shows after loading each file, as text or JSON lines.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct DumpOptions
{
    int Track = 0; // 1..8: only that track's lines; 0: everything
    bool Json = false;
    bool Bytes = false; // each listing line with its event's offset and bytes
    bool Help = false;
    std::vector<std::string> Files;
};

inline constexpr const char *kDumpUsage
    = "usage: kestro-dump [--track N] [--json] [--bytes] FILE...";

// Reads the command line; returns false with a reason on a usage error.
bool ParseDumpArguments(
    int argc, const char *const *argv, DumpOptions &options, std::string &error);

// Loads every file as the window does and writes its dump to `out`, and a line per file that could
// not be read to `err`; a file that could not be read has nothing on `out`. Returns the exit
// status: 0 when every file was read, else 1.
int RunDump(const DumpOptions &options, std::FILE *out, std::FILE *err);
