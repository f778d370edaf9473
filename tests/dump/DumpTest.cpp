// kestro-dump as its users run it: the exact text and JSON, several files, errors and usage.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

struct DumpRun
{
    std::string out;
    std::string err;
    int status = -1;
};

// Runs kestro-dump in the test data folder with the given arguments (already shell-quoted).
DumpRun Dump(const std::string &arguments)
{
    TempDir dir;
    const std::string errFile = (dir.Path() / "err").string();
    const std::string command
        = "cd '" KESTRO_TEST_DATA "' && '" KESTRO_DUMP "' " + arguments + " 2>'" + errFile + "'";
    DumpRun run;
    FILE *pipe = popen(command.c_str(), "r");
    std::array<char, 65536> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

std::string Golden(const std::string &name)
{
    std::ifstream in(std::string(KESTRO_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each output verbatim against the golden file written beside the input.
TEST(Dump, GoldenOutputs)
{
    const struct
    {
        const char *arguments;
        const char *golden;
    } rows[] = {
        {"small.seq", "small.txt"},
        {"--json small.seq", "small.json"},
        {"--bytes small.seq", "small-bytes.txt"},
        {"--json --bytes --track 2 small.seq", "small-bytes-track2.json"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.arguments);
        const DumpRun run = Dump(row.arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, Golden(row.golden));
        EXPECT_EQ(run.err, "");
    }
}

TEST(Dump, OneTrack)
{
    EXPECT_EQ(Dump("--track 2 small.seq").out, Golden("small-track2.txt"));
    EXPECT_EQ(Dump("small.seq --track=2").out, Golden("small-track2.txt"));
    EXPECT_EQ(Dump("--track 2 small.seq small.seq").out,
        Golden("small-track2.txt") + "\n" + Golden("small-track2.txt"));
    EXPECT_EQ(Dump("--track 4 small.seq").out, "");
}

TEST(Dump, OneTrackAsJsonKeepsFileAndHeader)
{
    const DumpRun run = Dump("--json --track 2 small.seq");
    const std::string full = Golden("small.json");
    const std::string header = full.substr(0, full.find(",\"tracks\""));
    EXPECT_EQ(run.out,
        header
            + ",\"tracks\":[[\"--------(TRACK START)--------\",\" Long Time: 16383\","
              "\" ControlChange(HEX): FE   Velocity(HEX):3FFF\","
              "\"---------(TRACK END)---------\"]]}\n");
}

TEST(Dump, SeveralFilesAreSeparatedByOneEmptyLine)
{
    const DumpRun text = Dump("small.seq small.seq");
    EXPECT_EQ(text.out, Golden("small.txt") + "\n" + Golden("small.txt"));
    const DumpRun json = Dump("--json small.seq small.seq");
    EXPECT_EQ(json.out, Golden("small.json") + Golden("small.json"));
}

TEST(Dump, UnreadableFileIsReportedAndTheOthersStillDumped)
{
    const DumpRun run = Dump("missing.seq small.seq . small.seq");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, Golden("small.txt") + "\n" + Golden("small.txt"));
    EXPECT_EQ(run.err,
        "kestro-dump: missing.seq: No such file or directory\n"
        "kestro-dump: .: Is a directory\n");
    EXPECT_EQ(Dump("missing.seq").out, "");
}

TEST(Dump, UsageErrors)
{
    const char *rows[] = {"", "--track small.seq", "--track 0 small.seq", "--track 9 small.seq",
        "--track x small.seq", "--track 2x small.seq", "--bogus small.seq", "--json"};
    for (const char *arguments : rows) {
        SCOPED_TRACE(arguments);
        const DumpRun run = Dump(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: kestro-dump [--track N] [--json] [--bytes] FILE..."),
            std::string::npos);
    }
}

TEST(Dump, HelpGoesToStandardOutput)
{
    const DumpRun run = Dump("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "usage: kestro-dump [--track N] [--json] [--bytes] FILE...\n");
}

TEST(Dump, TimeSignatureCaptionOfTheEnabledButton)
{
    TempDir dir;
    Bytes header = DefaultHeader();
    header[9] = 9;
    const std::string file = dir.Write("six-eight.seq", SongFile({0xF9}, header));
    const DumpRun run = Dump("'" + file + "'");
    EXPECT_NE(run.out.find("\nTimeSIG: 09\nTimeSignature: 6/8\nTempo: 0\n"), std::string::npos);
}

// What the window's list shows and what kestro-dump prints are the same lines.
TEST(Dump, SameLinesAsTheWindow)
{
    const std::string demo = KESTRO_EXAMPLES "/demo.seq";
    TestWindow window;
    window.Load(demo);
    for (int k = 1; k <= kTrackCount; ++k) {
        SCOPED_TRACE(k);
        window->TrackButton(k - 1)->SetChecked(true);
        std::string lines;
        for (const std::string &line : window.Lines())
            lines += line + "\n";
        EXPECT_EQ(Dump("--track " + std::to_string(k) + " '" + demo + "'").out, lines);
    }
}

TEST(DumpBytes, OneTrackAsText)
{
    EXPECT_EQ(Dump("--track 1 --bytes small.seq").out,
        "0000  F0 00        --------(TRACK START)--------\n"
        "0002  F5           -----------(MEAS)------------\n"
        "0003  F2           ---------(TRACK END)---------\n");
}

} // namespace
