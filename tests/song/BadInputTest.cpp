// The window's load on the bad-input table: after a good file, each file either loads like any
// other, or is refused with an error that names it and says why, and the window stays as it was.
#include "BadInputFiles.h"
#include "ui/Forms.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/wait.h>

namespace {

using BadInput::Case;
using BadInput::Chosen;
using testing::EndsWith;
using testing::HasSubstr;

// Everything a refused file must leave as it was.
struct Shown
{
    std::string PathBuf;
    std::string FilePath;
    std::vector<std::string> Header;
    std::vector<std::string> Lines;
    std::vector<bool> TrackButtons;
    Bytes Record;
};

Shown Capture(TestWindow &window)
{
    TForm1 &form = window.Form();
    Shown shown;
    shown.PathBuf = form.PathBuf;
    shown.FilePath = form.FilePath->Text();
    for (const TEdit *edit : {form.SeqType, form.SetupFlag, form.TimeSIG, form.Tempo, form.SSONG,
             form.SynthMode, form.VoiceNumber, form.VoiceType, form.RhythmMode, form.RhythmNumber})
        shown.Header.push_back(edit->Text());
    for (int track = 0; track < kTrackCount; ++track) {
        shown.Header.push_back(form.TrackChannelEdit(track)->Text());
        shown.TrackButtons.push_back(form.TrackButton(track)->Checked());
    }
    shown.Lines = window.Lines();
    auto keep = [&shown](const void *bytes, std::size_t count) {
        const auto *begin = static_cast<const std::uint8_t *>(bytes);
        shown.Record.insert(shown.Record.end(), begin, begin + count);
    };
    keep(form.FileImage, sizeof form.FileImage);
    keep(form.TrackData, sizeof form.TrackData);
    keep(form.TrackLength, sizeof form.TrackLength);
    keep(&form.ImageLength, sizeof form.ImageLength);
    return shown;
}

void ExpectUnchanged(const Shown &before, const Shown &after)
{
    EXPECT_EQ(after.PathBuf, before.PathBuf);
    EXPECT_EQ(after.FilePath, before.FilePath);
    EXPECT_EQ(after.Header, before.Header);
    EXPECT_EQ(after.Lines, before.Lines);
    EXPECT_EQ(after.TrackButtons, before.TrackButtons);
    EXPECT_TRUE(after.Record == before.Record) << "the song record changed";
}

// The image is the file's first bytes, then 0xFF where the file ends, then zeros; track 1 is
// listed and shown; the tracks that the file lacks list nothing.
void ExpectLoaded(TestWindow &window, const Case &row, const Chosen &chosen)
{
    TForm1 &form = window.Form();
    EXPECT_EQ(std::string(form.PathBuf), chosen.Path);
    EXPECT_EQ(form.FilePath->Text(), chosen.Path);
    const int length = int(chosen.Head.size());
    ASSERT_EQ(form.ImageLength, length);
    EXPECT_TRUE(std::equal(chosen.Head.begin(), chosen.Head.end(), form.FileImage));
    if (length < kImageSize) {
        EXPECT_EQ(form.FileImage[length], 0xFF);
        EXPECT_EQ(std::count(form.FileImage + length + 1, form.FileImage + kImageSize, 0),
            kImageSize - length - 1);
    }
    EXPECT_EQ(form.SeqType->Text(), row.SeqType);
    EXPECT_TRUE(form.Trk1Sel->Checked());
    EXPECT_EQ(window.Lines(), row.Track1);
    for (int track = 1; track < kTrackCount; ++track) {
        SCOPED_TRACE(track);
        EXPECT_THAT(window.Listing(track), testing::IsEmpty());
    }
}

// Clicks the file-open button and shows an escaping error as the application does.
void Attempt(TestWindow &window, const Case &row, const Chosen &chosen)
{
    const Shown before = Capture(window);
    TApplication application;
    std::vector<std::string> errors;
    application.SetExceptionPresenter(
        [&errors](const std::string &, const std::string &text) { errors.push_back(text); });
    std::string fileName;
    std::string reason;
    {
        BadInput::HangGuard guard;
        try {
            window->FileOpen->Click();
        } catch (const EFOpenError &error) {
            fileName = error.FileName();
            reason = error.Reason();
            application.HandleException();
        } catch (...) {
            application.HandleException();
        }
    }

    if (row.Reason.empty()) {
        EXPECT_THAT(errors, testing::IsEmpty());
        ExpectLoaded(window, row, chosen);
        return;
    }
    EXPECT_EQ(fileName, chosen.Path);
    EXPECT_EQ(reason, row.Reason);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr(chosen.Path));
    EXPECT_THAT(errors[0], HasSubstr(row.Reason));
    EXPECT_THAT(errors[0], EndsWith("."));
    ExpectUnchanged(before, Capture(window));
}

class WindowBadInput : public testing::TestWithParam<Case>
{
};

TEST_P(WindowBadInput, LoadsOrIsRefusedLeavingTheWindowAsItWas)
{
    const Case &row = GetParam();
    TempDir dir;
    TestWindow window;
    window.Load(dir.Write("good.seq", BadInput::GoodFile()));
    ASSERT_EQ(window.Lines(), BadInput::ShortTimeListing());

    const Chosen chosen = row.Make(dir);
    window->OpenDialog->SetChooser([&chosen](TOpenDialog &) {
        if (chosen.AfterDialog)
            chosen.AfterDialog();
        return std::optional(chosen.Path);
    });

    if (!row.AsNobody) {
        Attempt(window, row, chosen);
        return;
    }
    if (geteuid() != 0) {
        if (access(chosen.Path.c_str(), R_OK) == 0)
            GTEST_SKIP() << "this user can read a file without read permission";
        Attempt(window, row, chosen);
        return;
    }
    // Root reads everything: the attempt runs in a child that has become "nobody"; its failed
    // expectations are printed there and fail it.
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!BadInput::BecomeNobody())
            _exit(77);
        Attempt(window, row, chosen);
        std::fflush(nullptr);
        _exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "cannot drop root's privileges";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the attempt as nobody failed";
}

INSTANTIATE_TEST_SUITE_P(
    , WindowBadInput, testing::ValuesIn(BadInput::Cases()), BadInput::CaseName);

} // namespace
