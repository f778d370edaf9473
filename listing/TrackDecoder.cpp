// Walking one track's event stream and listing its events.
//
// A track slot holds 0xF0, the track's own index, the events, and the end mark 0xF2. An event's
// first byte gives its kind; for times and notes bit 7 of a later byte picks the shorter form:
//
//   00..7F  time         byte 1 bit 7 set: Short Time (1 byte), else Long Time (2)
//   80..BF  short note   byte 1 bit 7 set: ShortNote40 (2), else ShortNote (3)
//   C0..FF  long note    byte 2 bit 7 set: LongNote40 (3), else LongNote (4)
//
// except for these values of their own: F2 track end, F5 measure, F8 skipped (no line),
// FA polyphonic after-touch (3), FB control change (3), FC program change (2),
// FD channel after-touch (2), FE wide control change (3).
#include "EventBytes.h"
#include "app/Unit1.h"

namespace {

// Keeps the list's announcements for the end of the listing, also when a line is refused.
class ListUpdate
{
public:
    explicit ListUpdate(TStrings *items)
        : FItems(items)
    {
        FItems->BeginUpdate();
    }
    ~ListUpdate() { FItems->EndUpdate(); }
    ListUpdate(const ListUpdate &) = delete;
    ListUpdate &operator=(const ListUpdate &) = delete;

private:
    TStrings *FItems;
};

// The length of the event at `position`, or 0 when its bytes, the one that picks its form
// included, run past the end of the track's data.
int EventLength(const ByteView &track, int position)
{
    // Bit 7 of the byte `chooser` places on picks the shorter form.
    auto form = [&](int chooser, int longer, int shorter) {
        if (!track.Holds(position + chooser))
            return 0;
        return track[position + chooser] & 0x80 ? shorter : longer;
    };
    const int b = track[position];
    int length = 0;
    if (b <= 0x7F)
        length = form(1, 2, 1);
    else if (b == 0xF2 || b == 0xF5 || b == 0xF8)
        length = 1;
    else if (b == 0xFA || b == 0xFB || b == 0xFE)
        length = 3;
    else if (b == 0xFC || b == 0xFD)
        length = 2;
    else if (b >= 0xC0)
        length = form(2, 4, 3);
    else
        length = form(1, 3, 2);
    return length > 0 && track.Holds(position, length) ? length : 0;
}

} // namespace

// Lists the events of track slot p1 (0..7); any other index lists nothing. The listing stops at the
// end of the track's data: an event whose bytes, the one that picks its form included, do not all
// lie within the data is not listed, and no TRACK END line follows.
void TForm1::ListTrack(int p1)
{
    TStrings *items = TrackList->Items();
    if (p1 == ListedTrack && ListedSplit == SplitCount && ListedChange == items->ChangeCount())
        return; // the list holds exactly these lines already

    ListUpdate update(items);
    items->Clear();
    if (p1 >= 0 && p1 < kTrackCount)
        items->SetCapacity(TrackLength[p1]); // every line takes at least one byte of the track
    ListTrackEvents(p1);
    ListedTrack = p1;
    ListedSplit = SplitCount;
    ListedChange = items->ChangeCount();
}

void TForm1::ListTrackEvents(int p1)
{
    if (p1 < 0 || p1 >= kTrackCount)
        return;

    const ByteView track {TrackData[p1], TrackLength[p1]};
    TStrings *items = TrackList->Items();
    // Keeps the event's place and bytes with the line just added.
    auto mark = [&](int offset, int count) {
        items->SetItemData(items->Count() - 1, EventBytes::Of(track, offset, count).Pack());
    };
    if (!track.Holds(0) || track[0] != 0xF0)
        return;
    AddTrackStartLine();
    mark(0, 2);
    if (!track.Holds(1) || track[1] != p1)
        return;

    for (int position = 2; track.Holds(position);) {
        const int length = EventLength(track, position);
        if (length == 0)
            return;
        auto at = [&](int n) { return int(track[position + n]); };
        const int b = at(0);
        if (b == 0xF2) {
            AddTrackEndLine();
            mark(position, 1);
            return;
        }
        switch (b) {
        case 0xF5:
            AddMeasureLine();
            break;
        case 0xF8:
            break;
        case 0xFA:
            AddPolyAfterTouchLine(at(0), at(1), at(2));
            break;
        case 0xFB:
            AddControlChangeLine(at(0), at(1), at(2));
            break;
        case 0xFC:
            AddProgramChangeLine(at(0), at(1));
            break;
        case 0xFD:
            AddChannelAfterTouchLine(at(0), at(1));
            break;
        case 0xFE:
            AddWideControlChangeLine(at(0), at(1), at(2));
            break;
        default:
            if (b <= 0x7F && length == 1)
                AddShortTimeLine(at(0));
            else if (b <= 0x7F)
                AddLongTimeLine(at(0), at(1));
            else if (b >= 0xC0 && length == 4)
                AddLongNoteLine(at(0), at(1), at(2), at(3));
            else if (b >= 0xC0)
                AddLongNote40Line(at(0), at(1), at(2));
            else if (length == 3)
                AddShortNoteLine(at(0), at(1), at(2));
            else
                AddShortNote40Line(at(0), at(1));
        }
        if (b != 0xF8)
            mark(position, length);
        position += length;
    }
}
