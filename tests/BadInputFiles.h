// The table of damaged, odd and unreadable files, shared by the window's and kestro-dump's tests.
// Each row either loads, showing the file's first 64 KiB, or is refused with a reason and changes
// nothing.
#pragma once

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace BadInput {

inline const std::string kStart = "--------(TRACK START)--------";
inline const std::string kEnd = "---------(TRACK END)---------";
inline const std::string kMeasure = "-----------(MEAS)------------";

// What the dialog answers, and what the file holds when the load reads it.
struct Chosen
{
    std::string Path = {};
    Bytes Head = {}; // the file's first 64 KiB at the time of the read (rows that load)
    std::function<void()> AfterDialog = {}; // runs between the dialog and the read, if set
};

struct Case
{
    std::string Name = {};
    std::function<Chosen(const TempDir &dir)> Make = {};
    std::string Reason = {}; // refused for this reason; empty: the file loads
    std::string SeqType = {}; // what the identifier edit shows, 8-bit (rows that load)
    std::vector<std::string> Track1 = {}; // the listing of track 1; tracks 2..8 list nothing
    bool AsNobody = false; // the attempt runs without root's right to read everything
};

// Three tracks, so that a later load that has fewer must empty them.
inline Bytes GoodFile()
{
    return SongFile({0xF0, 0x00, 0x05, 0xF2, 0xF0, 0x01, 0x06, 0xF2, 0xF0, 0x02, 0x07, 0xF2, 0xF9});
}

// One track with a Short Time of 5.
inline Bytes ShortTimeFile()
{
    return SongFile({0xF0, 0x00, 0x05, 0xF2, 0xF9});
}
inline std::vector<std::string> ShortTimeListing()
{
    return {kStart, " Short Time: 005", kEnd};
}

// `size` bytes: the header, then one track of measure marks that runs past the 64 KiB that are
// read; from byte 65536 on the file holds track end marks, which a read past the image would show.
inline Bytes MeasureFile(std::size_t size)
{
    Bytes file = SongFile({0xF0, 0x00});
    file.resize(size, 0xF5);
    for (std::size_t i = kImageSize; i < size; ++i)
        file[i] = 0xF2;
    return file;
}
// TRACK START and the measure marks of a measure file of `size` bytes, without a TRACK END.
inline std::vector<std::string> MeasureListing(std::size_t size)
{
    std::vector<std::string> lines = {kStart};
    lines.resize(std::min<std::size_t>(size, kImageSize) - 36 + 1, kMeasure);
    return lines;
}

inline Bytes Head(const Bytes &file)
{
    return Bytes(file.begin(), file.begin() + long(std::min<std::size_t>(file.size(), kImageSize)));
}

inline Chosen Written(const TempDir &dir, const std::string &name, const Bytes &file)
{
    return {dir.Write(name, file), Head(file), nullptr};
}

inline Chosen Sized(const TempDir &dir, std::size_t size)
{
    return Written(dir, "size-" + std::to_string(size) + ".seq", MeasureFile(size));
}

inline Chosen Cut(const TempDir &dir, std::size_t size)
{
    Bytes file = ShortTimeFile();
    file.resize(size);
    return Written(dir, "cut.seq", file);
}

inline void Require(bool done, const std::string &what)
{
    if (!done)
        throw std::runtime_error("cannot make the test file: " + what);
}

inline std::vector<Case> Cases()
{
    const std::string kNoEntry = "No such file or directory";
    const std::string kNotRegular = "Not a regular file";
    std::vector<Case> cases;

    // Refused.
    cases.push_back({"MissingFile",
        [](const TempDir &dir) { return Chosen {(dir.Path() / "missing.seq").string()}; },
        kNoEntry});
    cases.push_back({"NoReadPermission",
        [](const TempDir &dir) {
            const std::string path = dir.Write("secret.seq", ShortTimeFile());
            Require(chmod(path.c_str(), 0) == 0, "chmod");
            // Others may enter the folder, so that only the file itself is refused.
            Require(chmod(dir.Path().c_str(), 0755) == 0, "chmod");
            return Chosen {path};
        },
        "Permission denied", {}, {}, true});
    cases.push_back({"Directory", [](const TempDir &dir) { return Chosen {dir.Path().string()}; },
        "Is a directory"});
    cases.push_back({"FifoWithoutWriter",
        [](const TempDir &dir) {
            const std::string path = (dir.Path() / "fifo").string();
            Require(mkfifo(path.c_str(), 0600) == 0, "mkfifo");
            return Chosen {path};
        },
        kNotRegular});
    cases.push_back({"DevZero", [](const TempDir &) { return Chosen {"/dev/zero"}; }, kNotRegular});
    cases.push_back({"DevNull", [](const TempDir &) { return Chosen {"/dev/null"}; }, kNotRegular});
    cases.push_back({"PathLongerThanTheSystemAllows",
        [](const TempDir &dir) {
            return Chosen {dir.Path().string() + "/" + std::string(kPathBufSize, 'x')};
        },
        "File name too long"});
    cases.push_back({"DanglingSymbolicLink",
        [](const TempDir &dir) {
            const std::string path = (dir.Path() / "dangling.seq").string();
            Require(symlink("nowhere.seq", path.c_str()) == 0, "symlink");
            return Chosen {path};
        },
        kNoEntry});
    cases.push_back({"RemovedBetweenDialogAndRead",
        [](const TempDir &dir) {
            Chosen chosen = Written(dir, "removed.seq", ShortTimeFile());
            chosen.AfterDialog = [path = chosen.Path] { std::remove(path.c_str()); };
            return chosen;
        },
        kNoEntry});

    // Loaded: the image is the file's first bytes, then 0xFF and zeros; a header cut short shows
    // the 0xFF and zeros; the end of the data ends the track list or cuts a track.
    cases.push_back({"EmptyFile", [](const TempDir &dir) { return Written(dir, "empty.seq", {}); },
        "", "\xFF", {}});
    cases.push_back({"OneByte", [](const TempDir &dir) { return Cut(dir, 1); }, "", "T\xFF", {}});
    cases.push_back({"HeaderWithoutItsLastByte", [](const TempDir &dir) { return Cut(dir, 33); },
        "", "TESTSONG", {}});
    cases.push_back(
        {"HeaderOnly", [](const TempDir &dir) { return Cut(dir, 34); }, "", "TESTSONG", {}});
    cases.push_back({"HeaderAndTrackStartMark", [](const TempDir &dir) { return Cut(dir, 35); }, "",
        "TESTSONG", {kStart}});
    for (const std::size_t size : {65535, 65536, 65537, 70000}) {
        cases.push_back(
            {"Size" + std::to_string(size), [size](const TempDir &dir) { return Sized(dir, size); },
                "", "TESTSONG", MeasureListing(size)});
    }
    cases.push_back({"SparseFileOfFourGiB",
        [](const TempDir &dir) {
            Chosen chosen = Sized(dir, kImageSize);
            Require(truncate(chosen.Path.c_str(), 4LL << 30) == 0, "truncate");
            return chosen;
        },
        "", "TESTSONG", MeasureListing(kImageSize)});
    cases.push_back({"PathOfOver1024Characters",
        [](const TempDir &dir) {
            std::filesystem::path folders;
            for (int depth = 0; depth < 6; ++depth)
                folders /= std::string(200, char('a' + depth));
            std::filesystem::create_directories(dir.Path() / folders);
            return Written(dir, (folders / "long.seq").string(), ShortTimeFile());
        },
        "", "TESTSONG", ShortTimeListing()});
    cases.push_back({"NameNotValidUtf8",
        [](const TempDir &dir) { return Written(dir, "name-\xFF\xFE\x80.seq", ShortTimeFile()); },
        "", "TESTSONG", ShortTimeListing()});
    cases.push_back({"SymbolicLink",
        [](const TempDir &dir) {
            const Chosen target = Written(dir, "target.seq", ShortTimeFile());
            const std::string path = (dir.Path() / "link.seq").string();
            Require(symlink("target.seq", path.c_str()) == 0, "symlink");
            return Chosen {path, target.Head};
        },
        "", "TESTSONG", ShortTimeListing()});
    cases.push_back({"ReplacedBetweenDialogAndRead",
        [](const TempDir &dir) {
            Chosen chosen = Written(dir, "replaced.seq", ShortTimeFile());
            const Bytes replacement = SongFile({0xF0, 0x00, 0xF5, 0xF2, 0xF9});
            chosen.Head = replacement;
            chosen.AfterDialog = [&dir, path = chosen.Path, replacement] {
                const std::string other = dir.Write("replacement.seq", replacement);
                std::rename(other.c_str(), path.c_str());
            };
            return chosen;
        },
        "", "TESTSONG", {kStart, kMeasure, kEnd}});
    cases.push_back({"TruncatedBetweenDialogAndRead",
        [](const TempDir &dir) {
            Chosen chosen = Written(dir, "truncated.seq", ShortTimeFile());
            chosen.Head.resize(kHeaderSize);
            chosen.AfterDialog = [path = chosen.Path] {
                Require(truncate(path.c_str(), kHeaderSize) == 0, "truncate");
            };
            return chosen;
        },
        "", "TESTSONG", {}});
    return cases;
}

// Ends the test program when a load hangs, such as on a FIFO that never gets a writer, instead of
// leaving the test run waiting.
class HangGuard
{
public:
    HangGuard() { alarm(120); }
    ~HangGuard() { alarm(0); }
    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;
};

// Changes to the unprivileged user "nobody", so that file permissions hold; false when not allowed.
inline bool BecomeNobody()
{
    constexpr int kNobody = 65534;
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

inline void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.Name;
}

inline std::string CaseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.Name;
}

} // namespace BadInput
