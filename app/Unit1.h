// The main window: its components, its handlers, the song record and everything done with it.
#pragma once

#include "song/SongRecord.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

#include <cstdint>
#include <span>

class TForm1 : public TForm
{
public:
    // Published components, bound by name when the window is built.
    TEdit *SeqType;
    TLabel *Label1;
    TEdit *SetupFlag;
    TLabel *Label2;
    TEdit *Tempo;
    TLabel *Label3;
    TLabel *label;
    TEdit *TimeSIG;
    TEdit *SSONG;
    TLabel *SongName;
    TOpenDialog *OpenDialog;
    TLabel *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    TEdit *Trk1Tch, *Trk2Tch, *Trk3Tch, *Trk4Tch, *Trk5Tch, *Trk6Tch, *Trk7Tch, *Trk8Tch;
    TButton *FileOpen;
    TEdit *FilePath;
    TRadioButton *TimeSIG0, *TimeSIG1, *TimeSIG2, *TimeSIG3, *TimeSIG4, *TimeSIG5, *TimeSIG6,
        *TimeSIG7, *TimeSIG8, *TimeSIG9, *TimeSIG10, *TimeSIG11, *TimeSIG12, *TimeSIG13, *TimeSIG14,
        *TimeSIG15, *TimeSIG16, *TimeSIG17, *TimeSIG18, *TimeSIG19, *TimeSIG20, *TimeSIG21,
        *TimeSIG22, *TimeSIG23, *TimeSIG24, *TimeSIG25, *TimeSIG26, *TimeSIG27;
    TLabel *Label12;
    TEdit *SynthMode;
    TLabel *label100;
    TEdit *VoiceType;
    TLabel *Label13;
    TEdit *VoiceNumber;
    TLabel *Label14;
    TEdit *RhythmMode;
    TLabel *Label15;
    TEdit *RhythmNumber;
    TListBox *TrackList;
    TRadioButton *Trk1Sel, *Trk2Sel, *Trk3Sel, *Trk4Sel, *Trk5Sel, *Trk6Sel, *Trk7Sel, *Trk8Sel;
    TRadioGroup *TrackSelect;
    TRadioGroup *TimeSigSel;

    // Published handlers.
    void FileOpenClick(TObject *Sender);
    void Trk1SelClick(TObject *Sender);
    void Trk2SelClick(TObject *Sender);
    void Trk3SelClick(TObject *Sender);
    void Trk4SelClick(TObject *Sender);
    void Trk5SelClick(TObject *Sender);
    void Trk6SelClick(TObject *Sender);
    void Trk7SelClick(TObject *Sender);
    void Trk8SelClick(TObject *Sender);

    // The song record. The window is created with all of it zero.
    char PathBuf[kPathBufSize] = {};
    char SeqTypeBuf[15] = {};
    std::uint8_t FileImage[kImageSize] = {};
    int FileHandle = -1; // open only inside ReadFileImage
    std::int32_t SetupFlagValue = 0;
    std::int32_t TimeSigValue = 0;
    std::int32_t TempoValue = 0;
    char SongNameBuf[15] = {};
    std::uint8_t TrackChannel[kTrackCount] = {};
    std::uint8_t TrackData[kTrackCount][kSlotSize] = {};
    std::uint8_t SynthModeValue = 0;
    std::uint8_t VoiceNumberValue = 0;
    std::uint8_t VoiceTypeValue = 0;
    std::uint8_t RhythmModeValue = 0;
    std::uint8_t RhythmNumberValue = 0;
    // How many bytes of FileImage came from the file, and of each slot from its track.
    std::int32_t ImageLength = 0;
    std::int32_t TrackLength[kTrackCount] = {};
    // The file is read here first, so that a failed read leaves the record as it was.
    std::uint8_t ReadBuf[kImageSize] = {};
    // Which track TrackList holds, from which split, as of which change of its lines: listing the
    // same track again from the same data would give the same lines.
    std::uint32_t SplitCount = 0;
    int ListedTrack = -1;
    std::uint32_t ListedSplit = 0;
    std::uint64_t ListedChange = 0;

    explicit TForm1(TComponent *Owner);
    ~TForm1() override;

    // Loads `name` as if it had been chosen in the open-file dialog: from the command line or a
    // file dropped on the window.
    void OpenFile(const std::string &name);

    // Song file reading.
    void ReadFileImage();
    void ShowSeqType();
    void ShowSetupFlag();
    void ShowTimeSignature();
    void ShowTempo();
    void ShowSongName();
    void ShowTrackChannels();
    void ShowSynthMode();
    void ShowVoiceNumber();
    void ShowVoiceType();
    void ShowRhythmMode();
    void ShowRhythmNumber();
    void SplitTracks();

    // Track listing.
    void ListTrack(int p1);
    void AddTrackStartLine();
    void AddTrackEndLine();
    void AddMeasureLine();
    void AddShortTimeLine(int p1);
    void AddLongTimeLine(int p1, int p2);
    void AddShortNoteLine(int p1, int p2, int p3);
    void AddShortNote40Line(int p1, int p2);
    void AddLongNoteLine(int p1, int p2, int p3, int p4);
    void AddLongNote40Line(int p1, int p2, int p3);
    void AddPolyAfterTouchLine(int p1, int p2, int p3);
    void AddControlChangeLine(int p1, int p2, int p3);
    void AddProgramChangeLine(int p1, int p2);
    void AddChannelAfterTouchLine(int p1, int p2);
    void AddWideControlChangeLine(int p1, int p2, int p3);

    // Track selection.
    int SelectedTrack();
    void ListSelectedTrack();

    // The numbered buttons and edits by number: TimeSigButton(0..27), TrackButton(0..7),
    // TrackChannelEdit(0..7).
    TRadioButton *TimeSigButton(int index) const;
    TRadioButton *TrackButton(int index) const;
    TEdit *TrackChannelEdit(int index) const;

private:
    void LoadDialogFile(); // the load, from the dialog's file name on
    void ListTrackEvents(int p1);
};

// The one window, set at start-up.
extern TForm1 *Form1;
