#include "SysUtils.h"

#include <charconv>
#include <utility>

Exception::Exception(std::string message)
    : FMessage(std::move(message))
{ }

const char *Exception::what() const noexcept
{
    return FMessage.c_str();
}

EFOpenError::EFOpenError(std::string fileName, std::string reason)
    : Exception("Cannot open file \"" + fileName + "\". " + reason)
    , FFileName(std::move(fileName))
    , FReason(std::move(reason))
{ }

std::string IntToHex(unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[16];
    int length = 0;
    do {
        buffer[sizeof buffer - 1 - length++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    std::string text(digits > length ? std::size_t(digits - length) : 0, '0');
    text.append(buffer + sizeof buffer - length, std::size_t(length));
    return text;
}

std::string IntToStr(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
