// Where the event of a listing line stands in its track slot, and its bytes: kept as the line's
// item data, so that a screen or the dump can show the raw bytes beside the decoded line.
#pragma once

#include "song/SongRecord.h"

#include <cstdint>
#include <string>

struct EventBytes
{
    int Offset = 0; // position in the track slot
    int Count = 0; // 0..4 bytes
    std::uint8_t Bytes[4] = {};

    // Bytes `count` bytes from `offset` of the track; what lies past the track's data is left out.
    static EventBytes Of(const ByteView &track, int offset, int count)
    {
        EventBytes event;
        event.Offset = offset;
        while (event.Count < count && event.Count < 4 && track.Holds(offset + event.Count)) {
            event.Bytes[event.Count] = track[offset + event.Count];
            ++event.Count;
        }
        return event;
    }
    static EventBytes Unpack(std::uint64_t data);
    // Bits 0..15 the offset, 16..18 the count, 24..55 the bytes.
    std::uint64_t Pack() const
    {
        std::uint64_t data = std::uint64_t(Offset & 0xFFFF) | std::uint64_t(Count & 0x7) << 16;
        for (int i = 0; i < Count; ++i)
            data |= std::uint64_t(Bytes[i]) << (24 + 8 * i);
        return data;
    }

    // "000C" : the offset as four upper-case hexadecimal digits.
    std::string OffsetText() const;
    // "C1 05 3C 64" : the bytes as upper-case hexadecimal pairs separated by one space.
    std::string BytesText() const;
    // "000C  C1 05 3C 64  " : offset, two spaces, bytes padded to the width of four, two spaces.
    std::string Columns() const;
};
