// The 34-byte song header: one decoder per field, each storing its value and showing it.
//
//  0..7  identifier     8  setup flag      9  time-signature index   10,11  tempo
// 12..19 song name  20..27  track channels  28  synth mode  29  voice type  30  voice number
// 31  rhythm mode   32  rhythm number       33  unused
#include "app/Unit1.h"

#include <cstring>
#include <span>
#include <string_view>

namespace {

// Eight bytes as characters and a NUL; the text is what stands before the first zero byte.
std::string CharacterField(char (&buffer)[15], const std::uint8_t *bytes)
{
    std::memcpy(buffer, bytes, 8);
    buffer[8] = '\0';
    return std::string(buffer);
}

// The value followed by its name, or the value alone when it has none.
std::string EnumeratedField(int value, std::span<const std::string_view> names)
{
    std::string text = IntToStr(value);
    if (std::size_t(value) < names.size())
        text += names[std::size_t(value)];
    return text;
}

} // namespace

void TForm1::ShowSeqType()
{
    SeqType->SetText(CharacterField(SeqTypeBuf, FileImage + 0));
}

void TForm1::ShowSetupFlag()
{
    SetupFlagValue = FileImage[8];
    SetupFlag->SetText(IntToHex(unsigned(SetupFlagValue), 2));
}

// Indexes 0..27 choose a time-signature button: only that one is enabled, and it is checked, which
// unchecks any track button. Above 27 every button stays disabled.
void TForm1::ShowTimeSignature()
{
    TimeSigValue = FileImage[9];
    TimeSIG->SetText(IntToHex(unsigned(TimeSigValue), 2));
    for (int n = 0; n < 28; ++n)
        TimeSigButton(n)->SetEnabled(false);
    if (TimeSigValue <= 27) {
        TimeSigButton(TimeSigValue)->SetEnabled(true);
        TimeSigButton(TimeSigValue)->SetChecked(true);
    }
}

// Bit 0 of byte 10 counts 256 and the low seven bits of byte 11 count 0..127, so a tempo is
// 0..127 or 256..383.
void TForm1::ShowTempo()
{
    TempoValue = ((FileImage[10] & 0x01) << 8) + (FileImage[11] & 0x7F);
    Tempo->SetText(IntToStr(TempoValue));
}

void TForm1::ShowSongName()
{
    SSONG->SetText(CharacterField(SongNameBuf, FileImage + 12));
}

void TForm1::ShowTrackChannels()
{
    std::memcpy(TrackChannel, FileImage + 20, kTrackCount);
    for (int track = 0; track < kTrackCount; ++track)
        TrackChannelEdit(track)->SetText(IntToHex(TrackChannel[track], 2));
}

void TForm1::ShowSynthMode()
{
    static constexpr std::string_view kNames[] = {":SINGLE", ":PERFORMANCE"};
    SynthModeValue = FileImage[28];
    SynthMode->SetText(EnumeratedField(SynthModeValue, kNames));
}

void TForm1::ShowVoiceNumber()
{
    VoiceNumberValue = FileImage[30];
    VoiceNumber->SetText(IntToStr(VoiceNumberValue));
}

void TForm1::ShowVoiceType()
{
    static constexpr std::string_view kNames[] = {":INTERNAL", ":CARD", ":PRESET"};
    VoiceTypeValue = FileImage[29];
    VoiceType->SetText(EnumeratedField(VoiceTypeValue, kNames));
}

void TForm1::ShowRhythmMode()
{
    static constexpr std::string_view kNames[] = {":PATTERN", ":SONG"};
    RhythmModeValue = FileImage[31];
    RhythmMode->SetText(EnumeratedField(RhythmModeValue, kNames));
}

void TForm1::ShowRhythmNumber()
{
    RhythmNumberValue = FileImage[32];
    RhythmNumber->SetText(IntToStr(RhythmNumberValue));
}
