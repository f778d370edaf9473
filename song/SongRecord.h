// Sizes of the song record, and the one bounds-aware way to look at its bytes.
#pragma once

#include <cstdint>
#include <linux/limits.h>

inline constexpr int kImageSize = 65536; // the part of a file that is read
inline constexpr int kHeaderSize = 34; // the track area begins right after the header
inline constexpr int kTrackCount = 8;
inline constexpr int kSlotSize = 65536;
inline constexpr int kNoTrack = 255; // no track button is checked
// The longest path the system opens, with its terminating NUL.
inline constexpr int kPathBufSize = PATH_MAX;

// Bytes with the count that holds data: positions at or past Length hold none. Every read of the
// image or a track slot asks Holds first.
struct ByteView
{
    const std::uint8_t *Data;
    int Length;

    bool Holds(int position, int count = 1) const
    {
        return position >= 0 && count >= 0 && position <= Length - count;
    }
    std::uint8_t operator[](int position) const { return Data[position]; }
};
