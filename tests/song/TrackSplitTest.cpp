// Cutting the track area into slots: end marks, the list end, and the end of the file's data.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

Bytes Slot(const TForm1 &form, int slot)
{
    return Bytes(form.TrackData[slot], form.TrackData[slot] + form.TrackLength[slot]);
}

Bytes Track(int index, std::size_t events, std::uint8_t event = 0xF5)
{
    Bytes track = {0xF0, std::uint8_t(index)};
    track.insert(track.end(), events, event);
    track.push_back(0xF2);
    return track;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(TrackSplit, Slots)
{
    const struct
    {
        const char *name;
        Bytes area;
        std::vector<Bytes> slots; // the data of slots 0.., the rest empty
    } rows[] = {
        {"list end mark first: no track", {0xF9, 0xF0, 0x00, 0xF2}, {}},
        {"two tracks", {0xF0, 0x00, 0x05, 0xF2, 0xF0, 0x01, 0x83, 0x3C, 0x40, 0xF2, 0xF9},
            {{0xF0, 0x00, 0x05, 0xF2}, {0xF0, 0x01, 0x83, 0x3C, 0x40, 0xF2}}},
        {"0xF9 inside a track is data",
            {0xF0, 0x00, 0xF9, 0x05, 0x3C, 0x64, 0xF2, 0xF9, 0xF0, 0x01, 0xF2},
            {{0xF0, 0x00, 0xF9, 0x05, 0x3C, 0x64, 0xF2}}},
        {"a track not starting with 0xF0 is copied", {0x12, 0x34, 0xF2, 0xF9},
            {{0x12, 0x34, 0xF2}}},
        // the end of the file is a list end at a track boundary...
        {"file ends after a track", {0xF0, 0x00, 0xF2}, {{0xF0, 0x00, 0xF2}}},
        // ...and cuts a track inside it
        {"file ends inside a track", {0xF0, 0x00, 0xF2, 0xF0, 0x01, 0x05},
            {{0xF0, 0x00, 0xF2}, {0xF0, 0x01, 0x05}}},
        {"file ends at the header", {}, {}},
        {"eight tracks then the list end",
            Concat({Track(0, 1), Track(1, 2), Track(2, 3), Track(3, 4), Track(4, 5), Track(5, 6),
                Track(6, 7), Track(7, 8), {0xF9}}),
            {Track(0, 1), Track(1, 2), Track(2, 3), Track(3, 4), Track(4, 5), Track(5, 6),
                Track(6, 7), Track(7, 8)}},
        {"a ninth track is ignored",
            Concat({Track(0, 0), Track(1, 0), Track(2, 0), Track(3, 0), Track(4, 0), Track(5, 0),
                Track(6, 0), Track(7, 0), Track(8, 0), {0xF9}}),
            {Track(0, 0), Track(1, 0), Track(2, 0), Track(3, 0), Track(4, 0), Track(5, 0),
                Track(6, 0), Track(7, 0)}},
    };
    TempDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        window.Load(dir.Write("s.seq", SongFile(row.area)));
        for (int slot = 0; slot < kTrackCount; ++slot) {
            const Bytes expected
                = std::size_t(slot) < row.slots.size() ? row.slots[std::size_t(slot)] : Bytes {};
            EXPECT_EQ(Slot(window.Form(), slot), expected) << "slot " << slot;
        }
    }
}

// One track filling the whole image without an end mark stays within its slot.
TEST(TrackSplit, TrackRunningToTheEndOfTheImage)
{
    TempDir dir;
    TestWindow window;
    Bytes area = {0xF0, 0x00};
    area.resize(kImageSize - kHeaderSize, 0x05);
    window.Load(dir.Write("full.seq", SongFile(area)));
    EXPECT_EQ(window->TrackLength[0], kImageSize - kHeaderSize);
    EXPECT_EQ(window->TrackLength[1], 0);
    const auto lines = window.Listing(0);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), " Long Time: 0645"); // 05 05 pairs; no TRACK END line
}

// After a file of eight tracks, a file of three: nothing of the earlier tracks stays.
TEST(TrackSplit, EachLoadStartsClean)
{
    TempDir dir;
    TestWindow window;
    window.Load(dir.Write("eight.seq",
        SongFile(Concat({Track(0, 9), Track(1, 9), Track(2, 9), Track(3, 9), Track(4, 9),
            Track(5, 9), Track(6, 9), Track(7, 9), {0xF9}}))));
    window.Load(
        dir.Write("three.seq", SongFile(Concat({Track(0, 1), Track(1, 1), Track(2, 1), {0xF9}}))));
    EXPECT_EQ(Slot(window.Form(), 0), Track(0, 1));
    for (int slot = 3; slot < kTrackCount; ++slot) {
        EXPECT_TRUE(window.Listing(slot).empty()) << "slot " << slot;
        for (int i = 0; i < 16; ++i)
            ASSERT_EQ(window->TrackData[slot][i], 0) << "slot " << slot;
    }
    for (int i = int(Track(0, 1).size()); i < 16; ++i)
        ASSERT_EQ(window->TrackData[0][i], 0) << "slot 0 past its data";
}

} // namespace
