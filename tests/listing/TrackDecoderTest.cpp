// Listing a track: which bytes make which event, and where the listing ends.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kStart = "--------(TRACK START)--------";
const std::string kEnd = "---------(TRACK END)---------";
const std::string kMeas = "-----------(MEAS)------------";

// Puts bytes straight into a slot, as the split leaves a track there.
void PutTrack(TForm1 &form, int slot, const Bytes &bytes)
{
    std::copy(bytes.begin(), bytes.end(), form.TrackData[slot]);
    form.TrackLength[slot] = int(bytes.size());
}

struct Row
{
    const char *name;
    int track;
    Bytes slot;
    std::vector<std::string> lines;
};

TEST(TrackDecoder, Listings)
{
    const Row rows[] = {
        {"empty track", 0, {0xF0, 0x00, 0xF2}, {kStart, kEnd}},
        {"slot of zeros", 0, {0x00, 0x00, 0x00}, {}},
        {"slot never filled", 3, {}, {}},
        {"track number differs from the index", 2, {0xF0, 0x03, 0x05, 0xF2}, {kStart}},
        {"thirteen lines of every common event", 0,
            {0xF0, 0x00, 0x05, 0x83, 0x3C, 0x40, 0x10, 0xF5, 0xFC, 0x12, 0x01, 0x30, 0xC1, 0x05,
                0x3C, 0x64, 0xC1, 0x05, 0xBC, 0xFA, 0x3C, 0x10, 0xFB, 0x07, 0x64, 0x01, 0xF2},
            {kStart, " Short Time: 005",
                " ShortNote Duration(HEX): 03   NoteNumber(HEX):3C   Velocity:064",
                " Short Time: 016", kMeas, " ProgramChange(HEX): FC   Number(HEX):12",
                " Long Time: 0176",
                " LongNote Duration(HEX): 085   NoteNumber(HEX):3C   Velocity:100",
                " LongNote40 Duration(HEX): 085   NoteNumber:3C",
                " PolyphonicAfterTouch(HEX): FA   NoteNumber(HEX):3C   Velocity(HEX):10",
                " ControlChange(HEX): FB   Control(HEX):07   Velocity(HEX):64", " Short Time: 001",
                kEnd}},
        // 05 10: a long time (0x10 has bit 7 clear); 20 before 83: a short time
        {"long and short times", 0, {0xF0, 0x00, 0x05, 0x10, 0x20, 0x83, 0x3C, 0x40, 0xF2},
            {kStart, " Long Time: 0656", " Short Time: 032",
                " ShortNote Duration(HEX): 03   NoteNumber(HEX):3C   Velocity:064", kEnd}},
        {"skipped byte takes one byte and no line", 0, {0xF0, 0x00, 0xF8, 0x05, 0xF2},
            {kStart, " Short Time: 005", kEnd}},
        // F0, F9 and E0 begin long notes; bit 7 of byte 2 picks the form
        {"other F-values begin long notes", 1,
            {0xF0, 0x01, 0xF0, 0x01, 0x3C, 0x10, 0xF9, 0x00, 0xBC, 0xE0, 0x7F, 0x40, 0x7F, 0xF2},
            {kStart, " LongNote Duration(HEX): 801   NoteNumber(HEX):3C   Velocity:016",
                " LongNote40 Duration(HEX): C80   NoteNumber:3C",
                " LongNote Duration(HEX): 07F   NoteNumber(HEX):40   Velocity:127", kEnd}},
        {"wide control change and channel after-touch", 0,
            {0xF0, 0x00, 0xFE, 0x01, 0x02, 0xFD, 0x40, 0xF2},
            {kStart, " ControlChange(HEX): FE   Velocity(HEX):82",
                " ChannelAfterTouch(HEX): FD   Velocity(HEX):40", kEnd}},
        // the end mark after 05 picks the short form, then ends the track
        {"end mark picks the short time", 7, {0xF0, 0x07, 0x05, 0xF2},
            {kStart, " Short Time: 005", kEnd}},
        {"short note 40", 0, {0xF0, 0x00, 0x9E, 0xC0, 0xF2},
            {kStart, " ShortNote40 Duration(HEX): 1E   NoteNumber(HEX):40", kEnd}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        PutTrack(window.Form(), row.track, row.slot);
        EXPECT_EQ(window.Listing(row.track), row.lines);
    }
}

// A track cut off by the end of the file lists its complete events and nothing invented: no
// TRACK END line, and no events read from the zeros after the data.
TEST(TrackDecoder, EndOfDataEndsTheListing)
{
    const Row rows[] = {
        {"start mark only", 0, {0xF0}, {kStart}},
        {"cut inside a short note", 0, {0xF0, 0x00, 0x05, 0x83, 0x3C},
            {kStart, " Short Time: 005"}},
        {"time whose form byte is missing", 0, {0xF0, 0x00, 0xF5, 0x05}, {kStart, kMeas}},
        {"long note whose form byte is missing", 0, {0xF0, 0x00, 0xC1, 0x05}, {kStart}},
        {"long note missing its velocity", 0, {0xF0, 0x00, 0xC1, 0x05, 0x3C}, {kStart}},
        {"control change cut", 0, {0xF0, 0x00, 0xFB, 0x07}, {kStart}},
        {"end mark swallowed by a short note 40", 0, {0xF0, 0x00, 0x83, 0xF2},
            {kStart, " ShortNote40 Duration(HEX): 03   NoteNumber(HEX):72"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        PutTrack(window.Form(), row.track, row.slot);
        EXPECT_EQ(window.Listing(row.track), row.lines);
    }
}

TEST(TrackDecoder, ListingAgainReplacesTheEarlierLines)
{
    TestWindow window;
    PutTrack(window.Form(), 0, {0xF0, 0x00, 0x05, 0xF2});
    PutTrack(window.Form(), 1, {0xF0, 0x01, 0xF5, 0xF2});
    const auto first = window.Listing(0);
    EXPECT_EQ(window.Listing(1), (std::vector<std::string> {kStart, kMeas, kEnd}));
    EXPECT_EQ(window.Listing(0), first);
}

TEST(TrackDecoder, IndexOutsideTheEightSlotsListsNothing)
{
    TestWindow window;
    PutTrack(window.Form(), 0, {0xF0, 0x00, 0xF2});
    window.Listing(0);
    EXPECT_TRUE(window.Listing(255).empty());
    EXPECT_TRUE(window.Listing(-1).empty());
    EXPECT_TRUE(window.Listing(8).empty());
}

TEST(TrackDecoder, LongestTrackOfOneByteEvents)
{
    TestWindow window;
    Bytes track = {0xF0, 0x00};
    track.insert(track.end(), 65000, 0xF5);
    track.push_back(0xF2);
    PutTrack(window.Form(), 0, track);
    const auto lines = window.Listing(0);
    ASSERT_EQ(lines.size(), 65002u);
    EXPECT_EQ(lines[1], kMeas);
    EXPECT_EQ(lines.back(), kEnd);
}

TEST(TrackDecoder, ViewSeesOneAnnouncementPerListing)
{
    TestWindow window;
    PutTrack(window.Form(), 0, {0xF0, 0x00, 0x05, 0x06, 0xF5, 0xF2});
    std::vector<TChange> seen;
    window->TrackList->SetObserver([&](TControl &, TChange change) { seen.push_back(change); });
    window.Listing(0);
    EXPECT_EQ(seen, (std::vector {TChange::Items}));
}

} // namespace
