// Which track the track buttons choose, and their handlers.
#include "Unit1.h"

int TForm1::SelectedTrack()
{
    for (int track = 0; track < kTrackCount; ++track) {
        if (TrackButton(track)->Checked())
            return track;
    }
    return kNoTrack;
}

void TForm1::ListSelectedTrack()
{
    ListTrack(SelectedTrack());
}

// Each handler runs right after its own button became the one checked radio button, so
// SelectedTrack names that button; none looks at the sender.
void TForm1::Trk1SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk2SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk3SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk4SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk5SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk6SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk7SelClick(TObject *)
{
    ListSelectedTrack();
}
void TForm1::Trk8SelClick(TObject *)
{
    ListSelectedTrack();
}
