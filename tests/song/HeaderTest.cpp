// The song header: every field's text in its control after a load.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Field
{
    const char *control;
    std::string text;
};

std::string TextOf(TForm1 &form, const std::string &name)
{
    return dynamic_cast<TControl *>(form.FindComponent(name))->Text();
}

Bytes Header(std::initializer_list<std::pair<int, std::uint8_t>> bytes)
{
    Bytes header(34, 0);
    header[9] = 0x40;
    for (auto [position, value] : bytes)
        header[std::size_t(position)] = value;
    return header;
}

TEST(Header, FieldTexts)
{
    const struct
    {
        const char *name;
        Bytes header;
        std::vector<Field> fields;
    } rows[] = {
        {"identifier cut at a zero byte", Header({{0, 'S'}, {1, 'E'}, {2, 'Q'}, {3, 0}, {4, 'X'}}),
            {{"SeqType", "SEQ"}}},
        {"identifier of eight bytes",
            Header({{0, 'A'}, {1, 'B'}, {2, 'C'}, {3, 'D'}, {4, 'E'}, {5, 'F'}, {6, 'G'}, {7, 'H'},
                {8, 'Z'}}),
            {{"SeqType", "ABCDEFGH"}}},
        {"identifier bytes handed over unchanged",
            Header({{0, 0x8E}, {1, 0xAF}, {2, 0x1B}, {3, 0xFF}}),
            {{"SeqType", "\x8E\xAF\x1B\xFF"}}},
        {"setup flag", Header({{8, 0x0A}}), {{"SetupFlag", "0A"}}},
        {"tempo 120", Header({{10, 0x00}, {11, 0x78}}), {{"Tempo", "120"}}},
        {"tempo bit 0 of byte 10 counts 256", Header({{10, 0x01}, {11, 0x78}}), {{"Tempo", "376"}}},
        {"tempo other bits ignored", Header({{10, 0x7F}, {11, 0xFF}}), {{"Tempo", "383"}}},
        {"tempo bit 1 of byte 10 ignored", Header({{10, 0x02}, {11, 0x05}}), {{"Tempo", "5"}}},
        {"song name", Header({{12, 'M'}, {13, 'Y'}, {14, ' '}, {15, 'S'}, {16, 0}}),
            {{"SSONG", "MY S"}}},
        {"song name empty", Header({{12, 0}, {13, 'X'}}), {{"SSONG", ""}}},
        {"track channels",
            Header({{20, 0}, {21, 1}, {22, 2}, {23, 3}, {24, 4}, {25, 5}, {26, 6}, {27, 0xFF}}),
            {{"Trk1Tch", "00"}, {"Trk2Tch", "01"}, {"Trk3Tch", "02"}, {"Trk4Tch", "03"},
                {"Trk5Tch", "04"}, {"Trk6Tch", "05"}, {"Trk7Tch", "06"}, {"Trk8Tch", "FF"}}},
        {"enumerated names", Header({{28, 1}, {29, 2}, {30, 200}, {31, 1}, {32, 7}}),
            {{"SynthMode", "1:PERFORMANCE"}, {"VoiceType", "2:PRESET"}, {"VoiceNumber", "200"},
                {"RhythmMode", "1:SONG"}, {"RhythmNumber", "7"}}},
        {"enumerated first names", Header({{28, 0}, {29, 0}, {31, 0}}),
            {{"SynthMode", "0:SINGLE"}, {"VoiceType", "0:INTERNAL"}, {"RhythmMode", "0:PATTERN"}}},
        {"voice type card", Header({{29, 1}}), {{"VoiceType", "1:CARD"}}},
        {"enumerated values without a name show alone", Header({{28, 5}, {29, 3}, {31, 0xFF}}),
            {{"SynthMode", "5"}, {"VoiceType", "3"}, {"RhythmMode", "255"}}},
        {"time-signature index text", Header({{9, 0x1B}}), {{"TimeSIG", "1B"}}},
    };
    TempDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        window.Load(dir.Write("h.seq", SongFile({0xF9}, row.header)));
        for (const Field &field : row.fields)
            EXPECT_EQ(TextOf(window.Form(), field.control), field.text) << field.control;
    }
}

TEST(Header, ValuesAreStoredInTheSongRecord)
{
    TempDir dir;
    TestWindow window;
    window.Load(dir.Write("h.seq",
        SongFile({0xF9},
            Header({{0, 'A'}, {8, 0x0A}, {9, 0x1C}, {10, 0x01}, {11, 0x02}, {12, 'B'}, {27, 0x0F},
                {28, 5}, {29, 6}, {30, 7}, {31, 8}, {32, 9}}))));
    const TForm1 &f = window.Form();
    EXPECT_STREQ(f.SeqTypeBuf, "A");
    EXPECT_STREQ(f.SongNameBuf, "B");
    EXPECT_EQ(f.SetupFlagValue, 0x0A);
    EXPECT_EQ(f.TimeSigValue, 0x1C);
    EXPECT_EQ(f.TempoValue, 258);
    EXPECT_EQ(f.TrackChannel[7], 0x0F);
    EXPECT_EQ(f.SynthModeValue, 5);
    EXPECT_EQ(f.VoiceTypeValue, 6);
    EXPECT_EQ(f.VoiceNumberValue, 7);
    EXPECT_EQ(f.RhythmModeValue, 8);
    EXPECT_EQ(f.RhythmNumberValue, 9);
}

TEST(Header, EveryLoadRewritesTheEnumeratedTexts)
{
    TempDir dir;
    TestWindow window;
    window.Load(dir.Write("a.seq", SongFile({0xF9}, Header({{28, 0}}))));
    EXPECT_EQ(window->SynthMode->Text(), "0:SINGLE");
    window.Load(dir.Write("b.seq", SongFile({0xF9}, Header({{28, 1}}))));
    EXPECT_EQ(window->SynthMode->Text(), "1:PERFORMANCE");
    window.Load(dir.Write("c.seq", SongFile({0xF9}, Header({{28, 5}}))));
    EXPECT_EQ(window->SynthMode->Text(), "5");
}

TEST(Header, TimeSignatureEnablesOnlyTheFilesButton)
{
    TempDir dir;
    for (int index : {0, 9, 27, 28, 0x40, 0xFF}) {
        SCOPED_TRACE(index);
        TestWindow window;
        window.Load(dir.Write("t.seq", SongFile({0xF9}, Header({{9, std::uint8_t(index)}}))));
        for (int n = 0; n < 28; ++n) {
            EXPECT_EQ(window->TimeSigButton(n)->Enabled(), n == index) << "TimeSIG" << n;
            EXPECT_FALSE(window->TimeSigButton(n)->Checked()) << "TimeSIG" << n;
        }
    }
}

TEST(Header, TimeSignatureCaptions)
{
    TestWindow window;
    const char *captions[] = {"1/4", "2/4", "3/4", "4/4", "1/8", "2/8", "3/8", "4/8", "5/8", "6/8",
        "7/8", "8/8", "1/16", "2/16", "3/16", "4/16", "5/16", "6/16", "7/16", "8/16", "9/16",
        "10/16", "11/16", "12/16", "13/16", "14/16", "15/16", "16/16"};
    for (int n = 0; n < 28; ++n)
        EXPECT_EQ(window->TimeSigButton(n)->Caption(), captions[n]) << n;
}

} // namespace
