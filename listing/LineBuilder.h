// A listing line built in place: labels and numbers appended to a fixed buffer, as printf's
// "%03d", "%04d", "%02X" and "%03X" would write them, without a heap allocation.
#pragma once

#include <string_view>

class LineBuilder
{
public:
    LineBuilder &operator<<(std::string_view text)
    {
        for (char c : text)
            FBuffer[FLength++] = c;
        return *this;
    }
    // At least `digits` decimal digits, more where the value needs them.
    LineBuilder &Decimal(unsigned value, int digits) { return Number(value, 10, digits); }
    // At least `digits` upper-case hexadecimal digits, more where the value needs them.
    LineBuilder &Hex(unsigned value, int digits) { return Number(value, 16, digits); }

    std::string_view View() const { return {FBuffer, std::size_t(FLength)}; }

private:
    LineBuilder &Number(unsigned value, unsigned base, int digits)
    {
        char reversed[16];
        int count = 0;
        do {
            reversed[count++] = "0123456789ABCDEF"[value % base];
            value /= base;
        } while (value != 0);
        for (; digits > count; --digits)
            FBuffer[FLength++] = '0';
        while (count > 0)
            FBuffer[FLength++] = reversed[--count];
        return *this;
    }

    // The longest line has 70 characters.
    char FBuffer[100];
    int FLength = 0;
};
