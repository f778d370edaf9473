// The event lines: masks, labels and number formats of every formatter.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class EventLines : public ::testing::Test
{
protected:
    std::string Last() const
    {
        const TStrings &items = *Window.Form().TrackList->Items();
        return items.Count() ? items.Strings(items.Count() - 1) : "";
    }
    TestWindow Window;
    TForm1 &F = Window.Form();
};

TEST_F(EventLines, WorkedExamplesInOrder)
{
    F.AddShortTimeLine(0x8C);
    F.AddLongTimeLine(0x03, 0x10);
    F.AddLongTimeLine(0x7F, 0x7F);
    F.AddShortNoteLine(0xC5, 0x3C, 0x64);
    F.AddShortNote40Line(0x1E, 0x40);
    F.AddLongNoteLine(0x02, 0x05, 0x45, 0x50);
    F.AddLongNote40Line(0x21, 0x7F, 0x30);
    F.AddPolyAfterTouchLine(0xFA, 0x3C, 0x20);
    F.AddControlChangeLine(0xFB, 0x07, 0x64);
    F.AddProgramChangeLine(0xFC, 0x0A);
    F.AddChannelAfterTouchLine(0xFD, 0x33);
    F.AddWideControlChangeLine(0xFE, 0x40, 0x00);
    F.AddWideControlChangeLine(0xFE, 0x00, 0x05);
    const std::vector<std::string> expected = {
        " Short Time: 012",
        " Long Time: 0400",
        " Long Time: 16383",
        " ShortNote Duration(HEX): 05   NoteNumber(HEX):3C   Velocity:100",
        " ShortNote40 Duration(HEX): 1E   NoteNumber(HEX):40",
        " LongNote Duration(HEX): 105   NoteNumber(HEX):45   Velocity:080",
        " LongNote40 Duration(HEX): 0FF   NoteNumber:30",
        " PolyphonicAfterTouch(HEX): FA   NoteNumber(HEX):3C   Velocity(HEX):20",
        " ControlChange(HEX): FB   Control(HEX):07   Velocity(HEX):64",
        " ProgramChange(HEX): FC   Number(HEX):0A",
        " ChannelAfterTouch(HEX): FD   Velocity(HEX):33",
        " ControlChange(HEX): FE   Velocity(HEX):2000",
        " ControlChange(HEX): FE   Velocity(HEX):05",
    };
    EXPECT_EQ(Window.Lines(), expected);
    const std::size_t lengths[] = {16, 16, 17, 64, 51, 64, 46, 70, 60, 40, 46, 44, 42};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i].size(), lengths[i]) << expected[i];
}

TEST_F(EventLines, MarkerLinesAre29Characters)
{
    F.AddTrackStartLine();
    F.AddTrackEndLine();
    F.AddMeasureLine();
    const std::vector<std::string> expected = {
        "--------(TRACK START)--------",
        "---------(TRACK END)---------",
        "-----------(MEAS)------------",
    };
    EXPECT_EQ(Window.Lines(), expected);
    for (const std::string &line : expected)
        EXPECT_EQ(line.size(), 29u);
}

TEST_F(EventLines, MasksAndDigitCounts)
{
    const struct
    {
        const char *name;
        std::function<void(TForm1 &)> call;
        const char *line;
    } rows[] = {
        {"short time drops bit 7", [](TForm1 &f) { f.AddShortTimeLine(0x80); }, " Short Time: 000"},
        {"short time at most 127", [](TForm1 &f) { f.AddShortTimeLine(0xFF); }, " Short Time: 127"},
        {"long time low part only", [](TForm1 &f) { f.AddLongTimeLine(0, 0x7F); },
            " Long Time: 0127"},
        {"long time masks both", [](TForm1 &f) { f.AddLongTimeLine(0x81, 0x82); },
            " Long Time: 0130"},
        {"short duration keeps 6 bits", [](TForm1 &f) { f.AddShortNoteLine(0x40, 0x80, 0xFF); },
            " ShortNote Duration(HEX): 00   NoteNumber(HEX):00   Velocity:127"},
        {"long duration bit 5 dropped", [](TForm1 &f) { f.AddLongNoteLine(0x20, 0, 0, 0); },
            " LongNote Duration(HEX): 000   NoteNumber(HEX):00   Velocity:000"},
        {"long duration largest", [](TForm1 &f) { f.AddLongNoteLine(0x1F, 0x7F, 0x7F, 0x7F); },
            " LongNote Duration(HEX): FFF   NoteNumber(HEX):7F   Velocity:127"},
        {"long note 40 bit 5 dropped", [](TForm1 &f) { f.AddLongNote40Line(0x20, 0, 0xBC); },
            " LongNote40 Duration(HEX): 000   NoteNumber:3C"},
        {"long note 40 largest", [](TForm1 &f) { f.AddLongNote40Line(0x1F, 0x7F, 0x7F); },
            " LongNote40 Duration(HEX): FFF   NoteNumber:7F"},
        {"p1 above a byte shows its low 8 bits",
            [](TForm1 &f) { f.AddProgramChangeLine(0x1B0, 0x8A); },
            " ProgramChange(HEX): B0   Number(HEX):0A"},
        {"after-touch p1 low 8 bits",
            [](TForm1 &f) { f.AddPolyAfterTouchLine(0x1B0, 0x13C, 0xA0); },
            " PolyphonicAfterTouch(HEX): B0   NoteNumber(HEX):3C   Velocity(HEX):20"},
        {"control p1 low 8 bits", [](TForm1 &f) { f.AddControlChangeLine(0x1B0, 0xFF, 0x80); },
            " ControlChange(HEX): B0   Control(HEX):7F   Velocity(HEX):00"},
        {"channel after-touch masks velocity",
            [](TForm1 &f) { f.AddChannelAfterTouchLine(0xFD, 0xC0); },
            " ChannelAfterTouch(HEX): FD   Velocity(HEX):40"},
        {"wide value of three digits",
            [](TForm1 &f) { f.AddWideControlChangeLine(0xFE, 0x1F, 0x7F); },
            " ControlChange(HEX): FE   Velocity(HEX):FFF"},
        {"wide value of four digits",
            [](TForm1 &f) { f.AddWideControlChangeLine(0xFE, 0xFF, 0xFF); },
            " ControlChange(HEX): FE   Velocity(HEX):3FFF"},
        {"wide value just below three digits",
            [](TForm1 &f) { f.AddWideControlChangeLine(0xFE, 0x01, 0x7F); },
            " ControlChange(HEX): FE   Velocity(HEX):FF"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const int before = F.TrackList->Items()->Count();
        row.call(F);
        EXPECT_EQ(F.TrackList->Items()->Count(), before + 1);
        EXPECT_EQ(Last(), row.line);
    }
}

// Every value a formatter can be given once masked, against printf's own output.
TEST_F(EventLines, NumbersMatchPrintfForEveryByte)
{
    char expected[100];
    for (int high = 0; high < 256; ++high) {
        for (int low = 0; low < 256; low += 5) {
            F.TrackList->Items()->Clear();
            F.AddLongTimeLine(high, low);
            std::snprintf(
                expected, sizeof expected, " Long Time: %04d", (high & 0x7F) * 128 + (low & 0x7F));
            ASSERT_EQ(Last(), expected);
            F.AddWideControlChangeLine(0xFE, high, low);
            std::snprintf(expected, sizeof expected, " ControlChange(HEX): FE   Velocity(HEX):%02X",
                (high & 0x7F) * 128 + (low & 0x7F));
            ASSERT_EQ(Last(), expected);
            F.AddLongNote40Line(high, low, high);
            std::snprintf(expected, sizeof expected,
                " LongNote40 Duration(HEX): %03X   NoteNumber:%02X",
                (high & 0x1F) * 128 + (low & 0x7F), high & 0x7F);
            ASSERT_EQ(Last(), expected);
        }
        F.AddShortNoteLine(high, high, high);
        std::snprintf(expected, sizeof expected,
            " ShortNote Duration(HEX): %02X   NoteNumber(HEX):%02X   Velocity:%03d", high & 0x3F,
            high & 0x7F, high & 0x7F);
        ASSERT_EQ(Last(), expected);
    }
}

TEST_F(EventLines, EachCallAppendsAtTheEndAndKeepsEarlierLines)
{
    F.AddMeasureLine();
    F.AddShortTimeLine(1);
    F.AddTrackEndLine();
    EXPECT_EQ(Window.Lines(),
        (std::vector<std::string> {
            "-----------(MEAS)------------", " Short Time: 001", "---------(TRACK END)---------"}));
}

} // namespace
