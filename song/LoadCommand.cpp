// The load command: what a click on the file-open button does.
#include "app/Unit1.h"

#include <cerrno>
#include <cstring>
#include <string>

void TForm1::FileOpenClick(TObject *)
{
    OpenDialog->Execute();
    // A cancelled dialog keeps the last confirmed name, so the last file is loaded again.
    LoadDialogFile();
}

void TForm1::OpenFile(const std::string &name)
{
    OpenDialog->SetFileName(name);
    LoadDialogFile();
}

void TForm1::LoadDialogFile()
{
    const std::string name = OpenDialog->FileName();
    if (name.empty())
        return;
    if (name.size() >= sizeof PathBuf)
        throw EFOpenError(name, std::strerror(ENAMETOOLONG));

    // A file that cannot be read changes nothing: the previous path comes back.
    char previous[sizeof PathBuf];
    std::memcpy(previous, PathBuf, sizeof PathBuf);
    std::memcpy(PathBuf, name.c_str(), name.size() + 1);
    try {
        ReadFileImage();
    } catch (...) {
        std::memcpy(PathBuf, previous, sizeof PathBuf);
        throw;
    }
    FilePath->SetText(name);

    ShowSeqType();
    ShowSetupFlag();
    ShowTimeSignature();
    ShowTempo();
    ShowSongName();
    ShowTrackChannels();
    ShowSynthMode();
    ShowVoiceNumber();
    ShowVoiceType();
    ShowRhythmMode();
    ShowRhythmNumber();

    SplitTracks();

    // A time-signature button checked above has unchecked the track buttons; then track 1 is
    // chosen, and its handler lists it before it is listed here once more.
    if (SelectedTrack() == kNoTrack) {
        Trk1Sel->SetChecked(true);
        ListTrack(0);
    } else {
        ListTrack(SelectedTrack());
    }
}
