#include "WindowDescription.h"

#include <array>

namespace {

using enum TComponentClass;

// Name, class, left, top, width, height, caption, tab order, flags, item height, click handler; in
// creation order, which is also the order of the window's children. Captions are Shift-JIS.
constexpr std::array<TComponentDescription, 78> kComponents {{
    {"Label1", Label, 8, 32, 36, 12, "\x8E\xAF\x95\xCA\x8E\x71", -1, cfNone, 0, ""}, // 識別子
    {"Label2", Label, 136, 24, 64, 12, "With Setup ?", -1, cfNone, 0, ""},
    {"Label3", Label, 224, 24, 34, 12, "Tempo", -1, cfNone, 0, ""},
    {"label", Label, 320, 24, 43, 12, "TimeSIG", -1, cfNone, 0, ""},
    {"SongName", Label, 7, 54, 54, 12, "SongName", -1, cfNone, 0, ""},
    {"Label4", Label, 7, 83, 58, 12, "Track1 Tch", -1, cfNone, 0, ""},
    {"Label5", Label, 8, 107, 58, 12, "Track2 Tch", -1, cfNone, 0, ""},
    {"Label6", Label, 7, 133, 58, 12, "Track3 Tch", -1, cfNone, 0, ""},
    {"Label7", Label, 7, 155, 58, 12, "Track4 Tch", -1, cfNone, 0, ""},
    {"Label8", Label, 7, 179, 58, 12, "Track5 Tch", -1, cfNone, 0, ""},
    {"Label9", Label, 8, 203, 58, 12, "Track6 Tch", -1, cfNone, 0, ""},
    {"Label10", Label, 7, 226, 58, 12, "Track7 Tch", -1, cfNone, 0, ""},
    {"Label11", Label, 8, 252, 58, 12, "Track8 Tch", -1, cfNone, 0, ""},
    {"Label12", Label, 208, 144, 56, 12, "SynthMode", -1, cfNone, 0, ""},
    {"label100", Label, 416, 144, 54, 12, "VoiceType", -1, cfNone, 0, ""},
    {"Label13", Label, 208, 168, 68, 12, "VoiceNumber", -1, cfNone, 0, ""},
    {"Label14", Label, 208, 192, 66, 12, "RhythmMode", -1, cfNone, 0, ""},
    {"Label15", Label, 416, 192, 78, 12, "RhythmNumber", -1, cfNone, 0, ""},
    {"TimeSigSel", RadioGroup, 208, 48, 401, 89, "TimeSignature", 58, cfNone, 0, ""},
    {"TrackSelect", RadioGroup, 104, 208, 81, 153, "TRACK", 57, cfNone, 0, ""},
    {"SeqType", Edit, 56, 24, 73, 20, "", 0, cfTabStop | cfReadOnly | cfBtnFace, 0, ""},
    {"SetupFlag", Edit, 200, 24, 17, 20, "", 1, cfTabStop, 0, ""},
    {"Tempo", Edit, 264, 24, 41, 20, "", 2, cfTabStop, 0, ""},
    {"TimeSIG", Edit, 368, 24, 17, 20, "", 3, cfTabStop, 0, ""},
    {"SSONG", Edit, 64, 48, 65, 20, "", 4, cfTabStop, 0, ""},
    {"Trk1Tch", Edit, 72, 80, 25, 20, "", 5, cfTabStop, 0, ""},
    {"Trk2Tch", Edit, 72, 104, 25, 20, "", 6, cfTabStop, 0, ""},
    {"Trk3Tch", Edit, 72, 128, 25, 20, "", 7, cfTabStop, 0, ""},
    {"Trk4Tch", Edit, 72, 152, 25, 20, "", 8, cfTabStop, 0, ""},
    {"Trk5Tch", Edit, 72, 176, 25, 20, "", 9, cfTabStop, 0, ""},
    {"Trk6Tch", Edit, 72, 200, 25, 20, "", 10, cfTabStop, 0, ""},
    {"Trk7Tch", Edit, 72, 224, 25, 20, "", 11, cfTabStop, 0, ""},
    {"Trk8Tch", Edit, 72, 248, 25, 20, "", 12, cfTabStop, 0, ""},
    {"FileOpen", Button, 8, 0, 75, 25, "\xCC\xA7\xB2\xD9\xB5\xB0\xCC\xDF\xDD", 13, cfTabStop, 0,
        "FileOpenClick"}, // ﾌｧｲﾙｵｰﾌﾟﾝ
    {"FilePath", Edit, 96, 0, 505, 20, "", 14, cfTabStop | cfFileNameText, 0, ""},
    {"TimeSIG0", RadioButton, 216, 64, 41, 17, "1/4", 15, cfNone, 0, ""},
    {"TimeSIG1", RadioButton, 264, 64, 41, 17, "2/4", 16, cfNone, 0, ""},
    {"TimeSIG2", RadioButton, 312, 64, 41, 17, "3/4", 17, cfNone, 0, ""},
    {"TimeSIG3", RadioButton, 360, 64, 41, 17, "4/4", 18, cfNone, 0, ""},
    {"TimeSIG4", RadioButton, 216, 80, 41, 17, "1/8", 19, cfNone, 0, ""},
    {"TimeSIG5", RadioButton, 264, 80, 41, 17, "2/8", 20, cfNone, 0, ""},
    {"TimeSIG6", RadioButton, 312, 80, 41, 17, "3/8", 21, cfNone, 0, ""},
    {"TimeSIG7", RadioButton, 360, 80, 41, 17, "4/8", 22, cfNone, 0, ""},
    {"TimeSIG8", RadioButton, 408, 80, 41, 17, "5/8", 23, cfNone, 0, ""},
    {"TimeSIG9", RadioButton, 456, 80, 41, 17, "6/8", 24, cfNone, 0, ""},
    {"TimeSIG10", RadioButton, 504, 80, 41, 17, "7/8", 25, cfNone, 0, ""},
    {"TimeSIG11", RadioButton, 552, 80, 41, 17, "8/8", 26, cfNone, 0, ""},
    {"TimeSIG12", RadioButton, 216, 96, 41, 17, "1/16", 27, cfNone, 0, ""},
    {"TimeSIG13", RadioButton, 264, 96, 41, 17, "2/16", 28, cfNone, 0, ""},
    {"TimeSIG14", RadioButton, 312, 96, 41, 17, "3/16", 29, cfNone, 0, ""},
    {"TimeSIG15", RadioButton, 360, 96, 41, 17, "4/16", 30, cfNone, 0, ""},
    {"TimeSIG16", RadioButton, 408, 96, 41, 17, "5/16", 31, cfNone, 0, ""},
    {"TimeSIG17", RadioButton, 456, 96, 41, 17, "6/16", 32, cfNone, 0, ""},
    {"TimeSIG18", RadioButton, 504, 96, 41, 17, "7/16", 33, cfNone, 0, ""},
    {"TimeSIG19", RadioButton, 552, 96, 41, 17, "8/16", 34, cfNone, 0, ""},
    {"TimeSIG20", RadioButton, 216, 112, 41, 17, "9/16", 35, cfNone, 0, ""},
    {"TimeSIG21", RadioButton, 264, 112, 49, 17, "10/16", 36, cfNone, 0, ""},
    {"TimeSIG22", RadioButton, 312, 112, 49, 17, "11/16", 37, cfNone, 0, ""},
    {"TimeSIG23", RadioButton, 360, 112, 49, 17, "12/16", 38, cfNone, 0, ""},
    {"TimeSIG24", RadioButton, 408, 112, 49, 17, "13/16", 39, cfNone, 0, ""},
    {"TimeSIG25", RadioButton, 456, 112, 49, 17, "14/16", 40, cfNone, 0, ""},
    {"TimeSIG26", RadioButton, 504, 112, 49, 17, "15/16", 41, cfNone, 0, ""},
    {"TimeSIG27", RadioButton, 552, 112, 49, 17, "16/16", 42, cfNone, 0, ""},
    {"SynthMode", Edit, 288, 144, 121, 20, "", 43, cfTabStop, 0, ""},
    {"VoiceType", Edit, 472, 144, 121, 20, "", 44, cfTabStop, 0, ""},
    {"VoiceNumber", Edit, 288, 168, 121, 20, "", 45, cfTabStop, 0, ""},
    {"RhythmMode", Edit, 288, 192, 121, 20, "", 46, cfTabStop, 0, ""},
    {"RhythmNumber", Edit, 496, 192, 105, 20, "", 47, cfTabStop, 0, ""},
    {"TrackList", ListBox, 192, 216, 409, 145, "", 48, cfTabStop, 12, ""},
    {"Trk1Sel", RadioButton, 112, 224, 65, 17, "Trk1Sel", 49, cfNone, 0, "Trk1SelClick"},
    {"Trk2Sel", RadioButton, 112, 240, 65, 17, "Trk2Sel", 50, cfNone, 0, "Trk2SelClick"},
    {"Trk3Sel", RadioButton, 112, 256, 65, 17, "Trk3Sel", 51, cfNone, 0, "Trk3SelClick"},
    {"Trk4Sel", RadioButton, 112, 272, 65, 17, "Trk4Sel", 52, cfNone, 0, "Trk4SelClick"},
    {"Trk5Sel", RadioButton, 112, 288, 65, 17, "Trk5Sel", 53, cfNone, 0, "Trk5SelClick"},
    {"Trk6Sel", RadioButton, 112, 304, 65, 17, "Trk6Sel", 54, cfNone, 0, "Trk6SelClick"},
    {"Trk7Sel", RadioButton, 112, 320, 65, 17, "Trk7Sel", 55, cfNone, 0, "Trk7SelClick"},
    {"Trk8Sel", RadioButton, 112, 336, 65, 17, "Trk8Sel", 56, cfNone, 0, "Trk8SelClick"},
    {"OpenDialog", OpenDialog, 0, 0, 0, 0, "", -1, cfNone, 0, ""},
}};

} // namespace

const TFormDescription &Form1Description()
{
    static const TFormDescription description {
        "Form1",
        "KESTRO read",
        TBorderStyle::bsDialog,
        319,
        117,
        615,
        381,
        {"\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E", -12,
            "SHIFTJIS_CHARSET"}, // ＭＳ Ｐゴシック
        96,
        12,
        kComponents,
    };
    return description;
}
