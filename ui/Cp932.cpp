#include "Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

class Converter
{
public:
    Converter(const char *to, const char *from)
        : FHandle(iconv_open(to, from))
    { }
    ~Converter()
    {
        if (FHandle != iconv_t(-1))
            iconv_close(FHandle);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool Valid() const { return FHandle != iconv_t(-1); }

    // Converts one character starting at `in`; returns the bytes it used, or 0 when it does not
    // convert.
    std::size_t One(const char *in, std::size_t available, std::size_t unit, std::string &out)
    {
        char buffer[16];
        char *source = const_cast<char *>(in);
        std::size_t sourceLeft = unit < available ? unit : available;
        char *target = buffer;
        std::size_t targetLeft = sizeof buffer;
        iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
        const std::size_t want = sourceLeft;
        if (iconv(FHandle, &source, &sourceLeft, &target, &targetLeft) == std::size_t(-1)
            || sourceLeft != 0)
            return 0;
        out.append(buffer, std::size_t(target - buffer));
        return want;
    }

private:
    iconv_t FHandle;
};

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::size_t Utf8Length(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes)
{
    Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(bytes.size() * 3);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x20 || b == 0x7F) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (b < 0x80) {
            out += char(b);
            ++i;
            continue;
        }
        const std::size_t unit = IsLeadByte(b) ? 2 : 1;
        const std::size_t used
            = converter.Valid() ? converter.One(bytes.data() + i, bytes.size() - i, unit, out) : 0;
        if (used == 0) {
            out += kReplacement;
            ++i;
        } else {
            i += used;
        }
    }
    return out;
}

std::string Utf8ToCp932(std::string_view text)
{
    Converter converter("CP932", "UTF-8");
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += char(b);
            ++i;
            continue;
        }
        const std::size_t unit = Utf8Length(b);
        const std::size_t used
            = converter.Valid() ? converter.One(text.data() + i, text.size() - i, unit, out) : 0;
        if (used == 0) {
            out += '?';
            i += unit < text.size() - i ? unit : text.size() - i;
        } else {
            i += used;
        }
    }
    return out;
}
