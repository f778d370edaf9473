// Cutting the track area into the eight track slots.
//
// From byte 34 on the image holds tracks one after another, each ended by its track end mark
// 0xF2. A 0xF9 where a track would begin ends the list; inside a track 0xF9 is data. The end of the
// file's bytes ends the list too, or cuts the track it falls in.
#include "app/Unit1.h"

#include <cstring>

void TForm1::SplitTracks()
{
    // Each load starts clean: what earlier tracks left in the slots is wiped.
    for (int slot = 0; slot < kTrackCount; ++slot) {
        std::memset(TrackData[slot], 0, std::size_t(TrackLength[slot]));
        TrackLength[slot] = 0;
    }
    ++SplitCount;

    const ByteView image {FileImage, ImageLength};
    int position = kHeaderSize;
    for (int slot = 0; slot < kTrackCount; ++slot) {
        if (!image.Holds(position) || image[position] == 0xF9)
            return;
        // The track runs to its end mark, or to the end of the data.
        const int available = image.Length - position;
        const auto *start = image.Data + position;
        const auto *mark
            = static_cast<const std::uint8_t *>(std::memchr(start, 0xF2, std::size_t(available)));
        const int length = mark ? int(mark - start) + 1 : available;
        std::memcpy(TrackData[slot], start, std::size_t(length));
        TrackLength[slot] = length;
        position += length;
    }
}
