// Number conversions and the Shift-JIS (CP932) texts of the window.
#include "ui/Cp932.h"
#include "ui/SysUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberText, HexAndDecimal)
{
    EXPECT_EQ(IntToHex(0, 2), "00");
    EXPECT_EQ(IntToHex(0x0A, 2), "0A");
    EXPECT_EQ(IntToHex(0xFF, 2), "FF");
    EXPECT_EQ(IntToHex(0x1B0, 2), "1B0");
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(383), "383");
    EXPECT_EQ(IntToStr(-5), "-5");
}

TEST(Cp932, DecodesToUtf8AndReplacesWhatCannotBeShown)
{
    const struct
    {
        const char *name;
        std::string bytes;
        std::string utf8;
    } rows[] = {
        {"ascii", "SONG 01", "SONG 01"},
        {"kanji", "\x8E\xAF\x95\xCA\x8E\x71", "識別子"},
        {"half-width katakana", "\xCC\xA7\xB2\xD9", "ﾌｧｲﾙ"},
        {"control characters", "A\x1B[2J\x7F", "A\uFFFD[2J\uFFFD"},
        {"bytes with no character", "\x80\xA0\xFD\xFE\xFF", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lead byte at the end", "AB\x82", "AB\uFFFD"},
        {"lead byte before a control character", "\x82\x0A", "\uFFFD\uFFFD"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Cp932ToUtf8(row.bytes), row.utf8);
    }
}

TEST(Cp932, EncodesTypedTextBack)
{
    EXPECT_EQ(Utf8ToCp932("識別子"), "\x8E\xAF\x95\xCA\x8E\x71");
    EXPECT_EQ(Utf8ToCp932("ﾌｧｲﾙｵｰﾌﾟﾝ"), "\xCC\xA7\xB2\xD9\xB5\xB0\xCC\xDF\xDD");
    EXPECT_EQ(Utf8ToCp932("a\u00E9b"), "a?b");
}

} // namespace
