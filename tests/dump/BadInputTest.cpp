// kestro-dump, run as a process, on the bad-input table: a file that cannot be read gives exit
// status 1 and one line "kestro-dump: FILE: reason" on stderr, prints nothing on stdout, and the
// files around it are dumped as without it; every other file is dumped as it loads.
#include "BadInputFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

using BadInput::Case;
using BadInput::Chosen;
using testing::EndsWith;
using testing::StartsWith;

struct DumpRun
{
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string ReadAll(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs kestro-dump with the arguments, its output into files of `dir`; as "nobody" when asked.
DumpRun Dump(const TempDir &dir, const std::vector<std::string> &arguments, bool asNobody = false)
{
    const std::filesystem::path outPath = dir.Path() / "stdout";
    const std::filesystem::path errPath = dir.Path() / "stderr";
    std::vector<char *> argv {const_cast<char *>(KESTRO_DUMP)};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    BadInput::HangGuard guard;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(126);
        if (asNobody && !BadInput::BecomeNobody())
            _exit(77);
        execv(argv[0], argv.data());
        _exit(127);
    }
    DumpRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.Status = WEXITSTATUS(status);
    run.Out = ReadAll(outPath);
    run.Err = ReadAll(errPath);
    return run;
}

// The identifier as the dump prints it: 0xFF decodes to nothing, so U+FFFD stands for it.
std::string Utf8(const std::string &seqType)
{
    std::string text;
    for (const char c : seqType)
        text += c == '\xFF' ? std::string("\xEF\xBF\xBD") : std::string(1, c);
    return text;
}

// A dump has no moment between taking a file from the command line and reading it, so the rows
// that act in between belong to the window's table only.
std::vector<Case> DumpCases()
{
    std::vector<Case> cases;
    for (const Case &row : BadInput::Cases()) {
        if (row.Name.find("BetweenDialogAndRead") == std::string::npos)
            cases.push_back(row);
    }
    return cases;
}

class DumpBadInput : public testing::TestWithParam<Case>
{
};

TEST_P(DumpBadInput, DumpsOrReportsTheFileAndGoesOn)
{
    const Case &row = GetParam();
    TempDir dir;
    const std::string good = dir.Write("good.seq", BadInput::GoodFile());
    const Chosen chosen = row.Make(dir);

    if (!row.Reason.empty()) {
        if (row.AsNobody && geteuid() != 0 && access(chosen.Path.c_str(), R_OK) == 0)
            GTEST_SKIP() << "this user can read a file without read permission";
        const DumpRun alone = Dump(dir, {good, good}, row.AsNobody);
        const DumpRun run = Dump(dir, {good, chosen.Path, good}, row.AsNobody);
        if (run.Status == 77)
            GTEST_SKIP() << "cannot drop root's privileges";
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "kestro-dump: " + chosen.Path + ": " + row.Reason + "\n");
        EXPECT_EQ(alone.Status, 0);
        EXPECT_EQ(run.Out, alone.Out);
        EXPECT_THAT(run.Out, StartsWith("File: " + good + "\n"));
        return;
    }

    const DumpRun run = Dump(dir, {chosen.Path});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_THAT(
        run.Out, StartsWith("File: " + chosen.Path + "\nSeqType: " + Utf8(row.SeqType) + "\n"));
    std::string tracks = "Track 1:\n";
    for (const std::string &line : row.Track1)
        tracks += line + "\n";
    for (int track = 2; track <= kTrackCount; ++track)
        tracks += "Track " + std::to_string(track) + ":\n";
    EXPECT_TRUE(run.Out.ends_with(tracks))
        << "the dump ends:\n"
        << run.Out.substr(run.Out.size() - std::min<std::size_t>(run.Out.size(), 400));
}

// An empty FILE names no file: it is reported, not dumped as the file before it (as a cancelled
// dialog would load that file again).
TEST(DumpEmptyFileName, IsReportedAndNothingIsDumpedForIt)
{
    TempDir dir;
    const std::string good = dir.Write("good.seq", BadInput::GoodFile());
    const DumpRun alone = Dump(dir, {good});
    const DumpRun run = Dump(dir, {good, ""});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "kestro-dump: : No such file or directory\n");
    EXPECT_EQ(run.Out, alone.Out);
}

INSTANTIATE_TEST_SUITE_P(, DumpBadInput, testing::ValuesIn(DumpCases()), BadInput::CaseName);

} // namespace
