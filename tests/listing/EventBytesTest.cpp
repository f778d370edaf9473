// Each listing line keeps where its event starts in the track slot and the event's bytes.
#include "listing/EventBytes.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Expected
{
    std::string columns; // offset and bytes as the dump shows them
    std::string line;
};

std::vector<Expected> Listed(const Bytes &slot, int track = 0)
{
    TestWindow window;
    std::memcpy(window->TrackData[track], slot.data(), slot.size());
    window->TrackLength[track] = int(slot.size());
    window->ListTrack(track);
    std::vector<Expected> lines;
    const TStrings &items = *window->TrackList->Items();
    for (int i = 0; i < items.Count(); ++i)
        lines.push_back({EventBytes::Unpack(items.ItemData(i)).Columns(), items.Strings(i)});
    return lines;
}

bool operator==(const Expected &a, const Expected &b)
{
    return a.columns == b.columns && a.line == b.line;
}

void PrintTo(const Expected &e, std::ostream *os)
{
    *os << '"' << e.columns << e.line << '"';
}

TEST(EventBytes, EveryKindOfLine)
{
    // F0 00 | 05 | 10 20 | 83 3C 40 | 9E C0 | C1 05 3C 64 | C1 05 BC | F5 | F8 (skipped) |
    // FA 3C 10 | FB 07 64 | FC 12 | FD 40 | FE 01 02 | 30 (short: F2 follows) | F2
    const Bytes slot = {0xF0, 0x00, 0x05, 0x10, 0x20, 0x83, 0x3C, 0x40, 0x9E, 0xC0, 0xC1, 0x05,
        0x3C, 0x64, 0xC1, 0x05, 0xBC, 0xF5, 0xF8, 0xFA, 0x3C, 0x10, 0xFB, 0x07, 0x64, 0xFC, 0x12,
        0xFD, 0x40, 0xFE, 0x01, 0x02, 0x30, 0xF2};
    const std::vector<Expected> expected = {
        {"0000  F0 00        ", "--------(TRACK START)--------"},
        {"0002  05 10        ", " Long Time: 0656"},
        {"0004  20           ", " Short Time: 032"},
        {"0005  83 3C 40     ", " ShortNote Duration(HEX): 03   NoteNumber(HEX):3C   Velocity:064"},
        {"0008  9E C0        ", " ShortNote40 Duration(HEX): 1E   NoteNumber(HEX):40"},
        {"000A  C1 05 3C 64  ", " LongNote Duration(HEX): 085   NoteNumber(HEX):3C   Velocity:100"},
        {"000E  C1 05 BC     ", " LongNote40 Duration(HEX): 085   NoteNumber:3C"},
        {"0011  F5           ", "-----------(MEAS)------------"},
        // 0x12 is the skipped byte: no line, and the next offset moves past it
        {"0013  FA 3C 10     ",
            " PolyphonicAfterTouch(HEX): FA   NoteNumber(HEX):3C   Velocity(HEX):10"},
        {"0016  FB 07 64     ", " ControlChange(HEX): FB   Control(HEX):07   Velocity(HEX):64"},
        {"0019  FC 12        ", " ProgramChange(HEX): FC   Number(HEX):12"},
        {"001B  FD 40        ", " ChannelAfterTouch(HEX): FD   Velocity(HEX):40"},
        {"001D  FE 01 02     ", " ControlChange(HEX): FE   Velocity(HEX):82"},
        {"0020  30           ", " Short Time: 048"},
        {"0021  F2           ", "---------(TRACK END)---------"},
    };
    EXPECT_EQ(Listed(slot), expected);
}

TEST(EventBytes, TrackCutOffAndOtherTrackNumber)
{
    // the file ended inside a long note: its bytes are not listed
    EXPECT_EQ(Listed({0xF0, 0x00, 0xF5, 0xC1, 0x05}),
        (std::vector<Expected> {{"0000  F0 00        ", "--------(TRACK START)--------"},
            {"0002  F5           ", "-----------(MEAS)------------"}}));
    EXPECT_EQ(Listed({0xF0}),
        (std::vector<Expected> {{"0000  F0           ", "--------(TRACK START)--------"}}));
    EXPECT_EQ(Listed({0xF0, 0x05, 0xF2}, 3),
        (std::vector<Expected> {{"0000  F0 05        ", "--------(TRACK START)--------"}}));
}

TEST(EventBytes, PackKeepsEverything)
{
    const std::uint8_t data[] = {0xAB, 0xCD, 0xEF, 0x01, 0x23};
    const ByteView view {data, 5};
    const EventBytes event = EventBytes::Unpack(EventBytes::Of(view, 1, 4).Pack());
    EXPECT_EQ(event.Offset, 1);
    EXPECT_EQ(event.BytesText(), "CD EF 01 23");
    EXPECT_EQ(EventBytes::Unpack(EventBytes::Of(view, 0xFFFF, 1).Pack()).Columns(),
        "FFFF               ");
}

} // namespace
