// The load command: the dialog, the header, the split and the track it lists, and failed loads.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kStart = "--------(TRACK START)--------";
const std::string kEnd = "---------(TRACK END)---------";

// Header with the given time-signature index; track k holds one short time of value k.
Bytes FileWithTimeSig(std::uint8_t timeSig)
{
    Bytes header = DefaultHeader();
    header[9] = timeSig;
    Bytes area;
    for (int k = 0; k < kTrackCount; ++k) {
        area.insert(area.end(), {0xF0, std::uint8_t(k), std::uint8_t(k), 0xF2});
    }
    area.push_back(0xF9);
    return SongFile(area, header);
}

std::vector<std::string> TrackLines(int k)
{
    return {kStart, " Short Time: 00" + std::to_string(k), kEnd};
}

int CheckedCount(TForm1 &form)
{
    int count = 0;
    for (int n = 0; n < 28; ++n)
        count += form.TimeSigButton(n)->Checked();
    for (int k = 0; k < kTrackCount; ++k)
        count += form.TrackButton(k)->Checked();
    return count;
}

class LoadCommand : public ::testing::Test
{
protected:
    TempDir Dir;
    TestWindow Window;
    TForm1 &F = Window.Form();
};

TEST_F(LoadCommand, FirstLoadShowsTheFileAndListsTrackOne)
{
    const std::string path = Dir.Write("song.seq", FileWithTimeSig(9));
    Window.Load(path);
    EXPECT_EQ(F.FilePath->Text(), path);
    EXPECT_STREQ(F.PathBuf, path.c_str());
    EXPECT_EQ(F.SeqType->Text(), "TESTSONG");
    EXPECT_EQ(F.TimeSIG->Text(), "09");
    EXPECT_TRUE(F.Trk1Sel->Checked());
    EXPECT_TRUE(F.TimeSIG9->Enabled());
    EXPECT_FALSE(F.TimeSIG9->Checked());
    EXPECT_EQ(CheckedCount(F), 1);
    EXPECT_EQ(Window.Lines(), TrackLines(0));
}

TEST_F(LoadCommand, TrackChoiceAfterTheLoad)
{
    const struct
    {
        const char *name;
        int checkedBefore; // track button checked before the load, -1 for none
        std::uint8_t timeSig;
        int listed; // the track button checked and listed afterwards
    } rows[] = {
        {"index 0..27 always ends on track 1", 2, 5, 0},
        {"index above 27 keeps the chosen track", 2, 0x40, 2},
        {"index above 27 with no track chosen", -1, 0x40, 0},
        {"index above 27 after track 8", 7, 28, 7},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        window.Load(Dir.Write("first.seq", FileWithTimeSig(0x40)));
        if (row.checkedBefore >= 0)
            window->TrackButton(row.checkedBefore)->SetChecked(true);
        else
            window->Trk1Sel->SetChecked(false);
        window.Load(Dir.Write("second.seq", FileWithTimeSig(row.timeSig)));
        EXPECT_TRUE(window->TrackButton(row.listed)->Checked());
        EXPECT_EQ(CheckedCount(window.Form()), 1);
        EXPECT_EQ(window.Lines(), TrackLines(row.listed));
        if (row.timeSig <= 27) {
            EXPECT_TRUE(window->TimeSigButton(row.timeSig)->Enabled());
            EXPECT_FALSE(window->TimeSigButton(row.timeSig)->Checked());
        }
    }
}

// Track 1's handler and the load itself both list track 1: the list holds it once, and a screen
// redraws it once.
TEST_F(LoadCommand, TrackOneIsListedOnceAfterTheLoad)
{
    int listings = 0;
    F.TrackList->SetObserver(
        [&](TControl &, TChange change) { listings += change == TChange::Items; });
    Window.Load(Dir.Write("song.seq", FileWithTimeSig(3)));
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(Window.Lines(), TrackLines(0));
}

// The list is rebuilt when the lines it holds are no longer the track's: after another load, or
// after someone else changed the list.
TEST_F(LoadCommand, SameTrackIsListedAgainAfterAReloadOrAChangedList)
{
    const std::string path = Dir.Write("song.seq", FileWithTimeSig(3));
    Window.Load(path);
    F.TrackList->Items()->Add("not a line of the track");
    F.ListTrack(0);
    EXPECT_EQ(Window.Lines(), TrackLines(0));
    Bytes other = FileWithTimeSig(3);
    other[34 + 2] = 0x07; // track 1 now holds a short time of 7
    Dir.Write("song.seq", other);
    Window.Load(path);
    EXPECT_EQ(Window.Lines(), (std::vector<std::string> {kStart, " Short Time: 007", kEnd}));
}

TEST_F(LoadCommand, FirstCancelChangesNothing)
{
    Window.Cancel();
    F.FileOpen->Click();
    EXPECT_EQ(F.FilePath->Text(), "");
    EXPECT_EQ(F.SeqType->Text(), "");
    EXPECT_EQ(F.PathBuf[0], '\0');
    EXPECT_EQ(CheckedCount(F), 0);
    EXPECT_EQ(F.TrackList->Items()->Count(), 0);
    for (std::uint8_t byte : F.FileImage)
        ASSERT_EQ(byte, 0);
}

TEST_F(LoadCommand, CancelAfterALoadReadsTheSameFileAgain)
{
    const std::string path = Dir.Write("song.seq", FileWithTimeSig(0x40));
    Window.Load(path);
    F.Trk4Sel->SetChecked(true);
    // the file changes on the disk; a cancelled dialog reloads it afresh
    Dir.Write("song.seq", FileWithTimeSig(2));
    Window.Cancel();
    F.FileOpen->Click();
    EXPECT_EQ(F.FilePath->Text(), path);
    EXPECT_EQ(F.TimeSIG->Text(), "02");
    EXPECT_TRUE(F.Trk1Sel->Checked());
    EXPECT_EQ(Window.Lines(), TrackLines(0));
}

TEST_F(LoadCommand, UnreadableFileRaisesAndChangesNothing)
{
    const std::string good = Dir.Write("good.seq", FileWithTimeSig(0x40));
    Window.Load(good);
    F.Trk3Sel->SetChecked(true);
    const auto linesBefore = Window.Lines();
    const std::string missing = (Dir.Path() / "missing.seq").string();
    try {
        Window.Load(missing);
        FAIL() << "no error for a missing file";
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.FileName(), missing);
        EXPECT_EQ(error.Reason(), "No such file or directory");
        EXPECT_EQ(
            error.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_STREQ(F.PathBuf, good.c_str());
    EXPECT_EQ(F.FilePath->Text(), good);
    EXPECT_EQ(F.SeqType->Text(), "TESTSONG");
    EXPECT_TRUE(F.Trk3Sel->Checked());
    EXPECT_EQ(Window.Lines(), linesBefore);
    EXPECT_EQ(F.ImageLength, int(FileWithTimeSig(0x40).size()));
}

TEST_F(LoadCommand, DirectoryIsRefused)
{
    EXPECT_THROW(Window.Load(Dir.Path().string()), EFOpenError);
    EXPECT_EQ(F.FilePath->Text(), "");
}

TEST_F(LoadCommand, LongAndNonAsciiPathsOpen)
{
    std::filesystem::path deep = Dir.Path();
    while (deep.string().size() < 1100)
        deep /= std::string(100, 'd');
    std::filesystem::create_directories(deep);
    const std::string names[] = {
        (deep / "long.seq").string(),
        Dir.Write("\xE6\x9B\xB2.seq", FileWithTimeSig(1)), // a UTF-8 name
        Dir.Write("\x8B\xC8.seq", FileWithTimeSig(1)), // a Shift-JIS name, not UTF-8
    };
    std::filesystem::copy_file(Dir.Path() / "\xE6\x9B\xB2.seq", names[0]);
    for (const std::string &name : names) {
        SCOPED_TRACE(name.size());
        TestWindow window;
        window.Load(name);
        EXPECT_EQ(window->FilePath->Text(), name);
        EXPECT_EQ(window->TimeSIG->Text(), "01");
    }
}

TEST_F(LoadCommand, PathLongerThanTheSystemAllowsIsRefused)
{
    const std::string tooLong = "/" + std::string(kPathBufSize + 10, 'x');
    try {
        Window.Load(tooLong);
        FAIL() << "no error";
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.Reason(), "File name too long");
    }
    EXPECT_EQ(F.PathBuf[0], '\0');
}

} // namespace

namespace {

// A file opened by name (command line, drop) ends in the same state as one chosen in the dialog,
// and becomes the dialog's file name.
TEST(OpenFile, SameAsTheDialog)
{
    TempDir dir;
    const std::string path = dir.Write("song.seq", FileWithTimeSig(9));
    TestWindow chosen;
    chosen.Load(path);
    TestWindow opened;
    opened->Trk5Sel->SetChecked(true);
    opened->OpenFile(path);
    EXPECT_EQ(opened->OpenDialog->FileName(), path);
    EXPECT_EQ(opened->FilePath->Text(), chosen->FilePath->Text());
    EXPECT_EQ(opened->TimeSIG->Text(), chosen->TimeSIG->Text());
    EXPECT_TRUE(opened->Trk1Sel->Checked());
    EXPECT_EQ(opened.Lines(), chosen.Lines());
    // a cancelled dialog afterwards loads it again
    opened.Cancel();
    opened->FileOpen->Click();
    EXPECT_EQ(opened->FilePath->Text(), path);
}

TEST(OpenFile, BadNameRaisesAndLeavesTheWindowEmpty)
{
    TestWindow window;
    EXPECT_THROW(window->OpenFile("/nonexistent/song.seq"), EFOpenError);
    EXPECT_EQ(window->FilePath->Text(), "");
    EXPECT_EQ(window->TrackList->Items()->Count(), 0);
    EXPECT_FALSE(window->Trk1Sel->Checked());
}

} // namespace
