#include "EventBytes.h"

#include "ui/SysUtils.h"

EventBytes EventBytes::Unpack(std::uint64_t data)
{
    EventBytes event;
    event.Offset = int(data & 0xFFFF);
    event.Count = std::min(int(data >> 16 & 0x7), 4);
    for (int i = 0; i < 4; ++i)
        event.Bytes[i] = std::uint8_t(data >> (24 + 8 * i));
    return event;
}

std::string EventBytes::OffsetText() const
{
    return IntToHex(unsigned(Offset), 4);
}

std::string EventBytes::BytesText() const
{
    std::string text;
    for (int i = 0; i < Count; ++i) {
        if (i > 0)
            text += ' ';
        text += IntToHex(Bytes[i], 2);
    }
    return text;
}

std::string EventBytes::Columns() const
{
    std::string bytes = BytesText();
    bytes.resize(11, ' ');
    return OffsetText() + "  " + bytes + "  ";
}
