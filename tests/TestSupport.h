// Helpers shared by the test binaries: temporary files, a loaded window, and its listing.
#pragma once

#include "app/Unit1.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A folder of its own for one test, removed afterwards.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &Path() const { return FPath; }
    // Writes a file into the folder and returns its path.
    std::string Write(const std::string &name, const Bytes &bytes) const;

private:
    std::filesystem::path FPath;
};

// A 34-byte header followed by the given track area.
Bytes SongFile(const Bytes &trackArea, const Bytes &header = {});
// The default header of SongFile: identifier "TESTSONG", time signature index 0x40 (none).
Bytes DefaultHeader();

// A window without a screen whose dialog answers with the names given to Choose (or cancels).
class TestWindow
{
public:
    TestWindow();
    ~TestWindow();

    TForm1 &Form() { return *FForm; }
    const TForm1 &Form() const { return *FForm; }
    TForm1 *operator->() { return FForm.get(); }

    // The next Execute of the dialog confirms `name`; Cancel makes it cancel.
    void Choose(const std::string &name);
    void Cancel();
    // Chooses `name` and clicks the file-open button.
    void Load(const std::string &name);

    std::vector<std::string> Lines() const;
    std::vector<std::string> Listing(int track); // ListTrack(track), then the lines

private:
    std::unique_ptr<TForm1> FForm;
    std::optional<std::string> FNext;
};
