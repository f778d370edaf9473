// Choosing a track with the track buttons.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kStart = "--------(TRACK START)--------";
const std::string kEnd = "---------(TRACK END)---------";

// Eight tracks; track k holds one short time of value k.
std::string EightTracks(const TempDir &dir)
{
    Bytes area;
    for (int k = 0; k < kTrackCount; ++k)
        area.insert(area.end(), {0xF0, std::uint8_t(k), std::uint8_t(k), 0xF2});
    area.push_back(0xF9);
    return dir.Write("eight.seq", SongFile(area));
}

std::vector<std::string> Track(int k)
{
    return {kStart, " Short Time: 00" + std::to_string(k), kEnd};
}

TEST(TrackSelection, SelectedTrackReadsTheButtons)
{
    TestWindow window;
    TForm1 &f = window.Form();
    EXPECT_EQ(f.SelectedTrack(), 255);
    f.Trk3Sel->SetChecked(true);
    EXPECT_EQ(f.SelectedTrack(), 2);
    f.TimeSIG5->SetChecked(true);
    EXPECT_FALSE(f.Trk3Sel->Checked());
    EXPECT_EQ(f.SelectedTrack(), 255);
    f.Trk8Sel->SetChecked(true);
    EXPECT_FALSE(f.TimeSIG5->Checked());
    EXPECT_EQ(f.SelectedTrack(), 7);
}

TEST(TrackSelection, EachButtonListsItsTrack)
{
    TempDir dir;
    TestWindow window;
    window.Load(EightTracks(dir));
    for (int k : {5, 0, 7, 3, 1, 6, 2, 4}) {
        SCOPED_TRACE(k);
        window->TrackButton(k)->SetChecked(true);
        EXPECT_EQ(window.Lines(), Track(k));
    }
}

TEST(TrackSelection, CheckedButtonAgainLeavesTheListAlone)
{
    TempDir dir;
    TestWindow window;
    window.Load(EightTracks(dir));
    window->Trk6Sel->SetChecked(true);
    int announcements = 0;
    window->TrackList->SetObserver([&](TControl &, TChange) { ++announcements; });
    window->Trk6Sel->SetChecked(true);
    EXPECT_EQ(announcements, 0);
    EXPECT_EQ(window.Lines(), Track(5));
}

TEST(TrackSelection, TimeSignatureButtonUnchecksTheTrackAndKeepsTheList)
{
    TempDir dir;
    TestWindow window;
    window.Load(EightTracks(dir)); // index 0x40: no time-signature button enabled
    window->Trk2Sel->SetChecked(true);
    window->TimeSIG5->SetChecked(true);
    EXPECT_FALSE(window->Trk2Sel->Checked());
    EXPECT_EQ(window->SelectedTrack(), 255);
    EXPECT_EQ(window.Lines(), Track(1));
}

TEST(TrackSelection, BeforeAnyLoadEveryTrackIsEmpty)
{
    TestWindow window;
    for (int k = 0; k < kTrackCount; ++k) {
        window->TrackButton(k)->SetChecked(true);
        EXPECT_EQ(window->TrackList->Items()->Count(), 0) << k;
    }
}

TEST(TrackSelection, ListSelectedTrackWithNoButtonCheckedListsNothing)
{
    TempDir dir;
    TestWindow window;
    window.Load(EightTracks(dir));
    window->Trk1Sel->SetChecked(false);
    window->ListSelectedTrack();
    EXPECT_EQ(window->TrackList->Items()->Count(), 0);
}

} // namespace
