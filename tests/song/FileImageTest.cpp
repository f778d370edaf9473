// Reading a file into the image: how much is read, what stands after a shorter file.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

Bytes Pattern(std::size_t size, std::uint8_t seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = std::uint8_t(i * 7 + seed) | 0x01; // never zero, never 0xFF
    return bytes;
}

void ExpectImage(const TForm1 &form, const Bytes &file)
{
    const std::size_t kept = std::min<std::size_t>(file.size(), kImageSize);
    EXPECT_EQ(form.ImageLength, int(kept));
    for (std::size_t i = 0; i < kept; ++i) {
        ASSERT_EQ(form.FileImage[i], file[i]) << "position " << i;
    }
    if (kept < kImageSize) {
        EXPECT_EQ(form.FileImage[kept], 0xFF) << "end-of-file mark";
    }
    for (std::size_t i = kept + 1; i < kImageSize; ++i) {
        ASSERT_EQ(form.FileImage[i], 0) << "position " << i;
    }
}

TEST(FileImage, SizesAroundTheImage)
{
    const struct
    {
        const char *name;
        std::size_t size;
    } rows[] = {
        {"empty", 0},
        {"forty bytes", 40},
        {"header only", 34},
        {"one short", 65535},
        {"exactly the image", 65536},
        {"one more", 65537},
        {"70000 bytes", 70000},
    };
    TempDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        const Bytes file = Pattern(row.size, 3);
        window.Load(dir.Write("f.seq", file));
        ExpectImage(window.Form(), file);
    }
}

// Nothing of an earlier, longer file stays in the image.
TEST(FileImage, ShorterFileAfterALongerOneLeavesZeros)
{
    const struct
    {
        const char *name;
        std::size_t first, second;
    } rows[] = {
        {"100 after 1000", 1000, 100},
        {"empty after 1000", 1000, 0},
        {"40 after the whole image", 65536, 40},
    };
    TempDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow window;
        window.Load(dir.Write("first.seq", Pattern(row.first, 1)));
        const Bytes second = Pattern(row.second, 2);
        window.Load(dir.Write("second.seq", second));
        ExpectImage(window.Form(), second);
    }
}

} // namespace
