// The window built from its description: components, classes, places, tab order, handlers.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(Window, FormProperties)
{
    TestWindow window;
    TForm1 &f = window.Form();
    EXPECT_EQ(f.Name(), "Form1");
    EXPECT_EQ(f.Caption(), "KESTRO read");
    EXPECT_EQ(f.BorderStyle(), TBorderStyle::bsDialog);
    EXPECT_EQ(f.Left(), 319);
    EXPECT_EQ(f.Top(), 117);
    EXPECT_EQ(f.ClientWidth(), 615);
    EXPECT_EQ(f.ClientHeight(), 381);
    EXPECT_EQ(f.Font().Name, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(f.Font().Height, -12);
    EXPECT_EQ(f.PixelsPerInch(), 96);
    EXPECT_EQ(f.TextHeight(), 12);
}

// Name, class, left, top, width, height, caption, tab order (-1: none), tab stop at start,
// in creation order.
struct Expected
{
    std::string name;
    const char *kind;
    int left, top, width, height;
    std::string caption;
    int tabOrder;
    bool tabStop;
};

std::vector<Expected> ExpectedComponents()
{
    std::vector<Expected> rows = {
        {"Label1", "TLabel", 8, 32, 36, 12, "\x8E\xAF\x95\xCA\x8E\x71", -1, false},
        {"Label2", "TLabel", 136, 24, 64, 12, "With Setup ?", -1, false},
        {"Label3", "TLabel", 224, 24, 34, 12, "Tempo", -1, false},
        {"label", "TLabel", 320, 24, 43, 12, "TimeSIG", -1, false},
        {"SongName", "TLabel", 7, 54, 54, 12, "SongName", -1, false},
    };
    const int labelLefts[] = {7, 8, 7, 7, 7, 8, 7, 8};
    const int labelTops[] = {83, 107, 133, 155, 179, 203, 226, 252};
    for (int k = 0; k < 8; ++k)
        rows.push_back({"Label" + std::to_string(k + 4), "TLabel", labelLefts[k], labelTops[k], 58,
            12, "Track" + std::to_string(k + 1) + " Tch", -1, false});
    rows.insert(rows.end(),
        {
            {"Label12", "TLabel", 208, 144, 56, 12, "SynthMode", -1, false},
            {"label100", "TLabel", 416, 144, 54, 12, "VoiceType", -1, false},
            {"Label13", "TLabel", 208, 168, 68, 12, "VoiceNumber", -1, false},
            {"Label14", "TLabel", 208, 192, 66, 12, "RhythmMode", -1, false},
            {"Label15", "TLabel", 416, 192, 78, 12, "RhythmNumber", -1, false},
            {"TimeSigSel", "TRadioGroup", 208, 48, 401, 89, "TimeSignature", 58, false},
            {"TrackSelect", "TRadioGroup", 104, 208, 81, 153, "TRACK", 57, false},
            {"SeqType", "TEdit", 56, 24, 73, 20, "", 0, true},
            {"SetupFlag", "TEdit", 200, 24, 17, 20, "", 1, true},
            {"Tempo", "TEdit", 264, 24, 41, 20, "", 2, true},
            {"TimeSIG", "TEdit", 368, 24, 17, 20, "", 3, true},
            {"SSONG", "TEdit", 64, 48, 65, 20, "", 4, true},
        });
    for (int k = 0; k < 8; ++k)
        rows.push_back({"Trk" + std::to_string(k + 1) + "Tch", "TEdit", 72, 80 + 24 * k, 25, 20, "",
            5 + k, true});
    rows.push_back(
        {"FileOpen", "TButton", 8, 0, 75, 25, "\xCC\xA7\xB2\xD9\xB5\xB0\xCC\xDF\xDD", 13, true});
    rows.push_back({"FilePath", "TEdit", 96, 0, 505, 20, "", 14, true});
    const char *captions[] = {"1/4", "2/4", "3/4", "4/4", "1/8", "2/8", "3/8", "4/8", "5/8", "6/8",
        "7/8", "8/8", "1/16", "2/16", "3/16", "4/16", "5/16", "6/16", "7/16", "8/16", "9/16",
        "10/16", "11/16", "12/16", "13/16", "14/16", "15/16", "16/16"};
    for (int n = 0; n < 28; ++n) {
        const int row = n < 4 ? 0 : 1 + (n - 4) / 8;
        const int column = n < 4 ? n : (n - 4) % 8;
        rows.push_back({"TimeSIG" + std::to_string(n), "TRadioButton", 216 + 48 * column,
            64 + 16 * row, n > 20 ? 49 : 41, 17, captions[n], 15 + n, false});
    }
    rows.insert(rows.end(),
        {
            {"SynthMode", "TEdit", 288, 144, 121, 20, "", 43, true},
            {"VoiceType", "TEdit", 472, 144, 121, 20, "", 44, true},
            {"VoiceNumber", "TEdit", 288, 168, 121, 20, "", 45, true},
            {"RhythmMode", "TEdit", 288, 192, 121, 20, "", 46, true},
            {"RhythmNumber", "TEdit", 496, 192, 105, 20, "", 47, true},
            {"TrackList", "TListBox", 192, 216, 409, 145, "", 48, true},
        });
    for (int k = 1; k <= 8; ++k)
        rows.push_back({"Trk" + std::to_string(k) + "Sel", "TRadioButton", 112, 224 + 16 * (k - 1),
            65, 17, "Trk" + std::to_string(k) + "Sel", 48 + k, false});
    return rows;
}

const char *ClassOf(TComponent *c)
{
    if (dynamic_cast<TLabel *>(c))
        return "TLabel";
    if (dynamic_cast<TEdit *>(c))
        return "TEdit";
    if (dynamic_cast<TButton *>(c))
        return "TButton";
    if (dynamic_cast<TRadioButton *>(c))
        return "TRadioButton";
    if (dynamic_cast<TRadioGroup *>(c))
        return "TRadioGroup";
    if (dynamic_cast<TListBox *>(c))
        return "TListBox";
    if (dynamic_cast<TOpenDialog *>(c))
        return "TOpenDialog";
    return "?";
}

TEST(Window, SeventyEightComponentsInCreationOrder)
{
    TestWindow window;
    TForm1 &f = window.Form();
    const std::vector<Expected> rows = ExpectedComponents();
    ASSERT_EQ(rows.size(), 77u);
    ASSERT_EQ(f.ComponentCount(), 78);
    ASSERT_EQ(f.ControlCount(), 77);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Expected &row = rows[i];
        SCOPED_TRACE(row.name);
        auto *control = dynamic_cast<TControl *>(f.Components(int(i)));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(f.Controls(int(i)), control);
        EXPECT_EQ(control->Name(), row.name);
        EXPECT_STREQ(ClassOf(control), row.kind);
        EXPECT_EQ(control->Parent(), &f);
        EXPECT_EQ(control->Owner(), &f);
        EXPECT_EQ(control->Left(), row.left);
        EXPECT_EQ(control->Top(), row.top);
        EXPECT_EQ(control->Width(), row.width);
        EXPECT_EQ(control->Height(), row.height);
        EXPECT_EQ(control->Caption(), row.caption);
        EXPECT_TRUE(control->Enabled());
        if (auto *win = dynamic_cast<TWinControl *>(control)) {
            EXPECT_EQ(win->TabOrder(), row.tabOrder);
            EXPECT_EQ(win->TabStop(), row.tabStop);
        } else {
            EXPECT_EQ(row.tabOrder, -1);
        }
        if (auto *edit = dynamic_cast<TEdit *>(control)) {
            EXPECT_EQ(edit->ReadOnly(), row.name == "SeqType");
            EXPECT_EQ(edit->Color() == TColor::clBtnFace, row.name == "SeqType");
        }
    }
    EXPECT_STREQ(ClassOf(f.Components(77)), "TOpenDialog");
    EXPECT_EQ(f.Components(77)->Name(), "OpenDialog");
    EXPECT_EQ(f.TrackList->ItemHeight(), 12);
    EXPECT_FALSE(f.TrackList->Sorted());
    EXPECT_EQ(f.OpenDialog->Filter(), "");
    EXPECT_EQ(f.OpenDialog->Title(), "");
    EXPECT_EQ(f.OpenDialog->InitialDir(), "");
    EXPECT_EQ(f.OpenDialog->FileName(), "");
}

TEST(Window, PublishedReferencesAreBoundByName)
{
    TestWindow window;
    TForm1 &f = window.Form();
    const std::pair<TComponent *, const char *> refs[] = {
        {f.SeqType, "SeqType"},
        {f.Label1, "Label1"},
        {f.label, "label"},
        {f.SSONG, "SSONG"},
        {f.SongName, "SongName"},
        {f.OpenDialog, "OpenDialog"},
        {f.Label11, "Label11"},
        {f.Trk8Tch, "Trk8Tch"},
        {f.FileOpen, "FileOpen"},
        {f.FilePath, "FilePath"},
        {f.TimeSIG0, "TimeSIG0"},
        {f.TimeSIG27, "TimeSIG27"},
        {f.label100, "label100"},
        {f.RhythmNumber, "RhythmNumber"},
        {f.TrackList, "TrackList"},
        {f.Trk1Sel, "Trk1Sel"},
        {f.Trk8Sel, "Trk8Sel"},
        {f.TrackSelect, "TrackSelect"},
        {f.TimeSigSel, "TimeSigSel"},
    };
    for (auto [component, name] : refs)
        EXPECT_EQ(component->Name(), name);
    for (int n = 0; n < 28; ++n)
        EXPECT_EQ(f.TimeSigButton(n)->Name(), "TimeSIG" + std::to_string(n));
}

TEST(Window, ClickHandlersAreBound)
{
    TestWindow window;
    TForm1 &f = window.Form();
    EXPECT_TRUE(f.FileOpen->OnClick());
    for (int k = 0; k < kTrackCount; ++k)
        EXPECT_TRUE(f.TrackButton(k)->OnClick()) << k;
    for (int n = 0; n < 28; ++n)
        EXPECT_FALSE(f.TimeSigButton(n)->OnClick()) << n;
}

TEST(Window, StartsEmptyWithNothingChecked)
{
    TestWindow window;
    TForm1 &f = window.Form();
    for (int n = 0; n < 28; ++n) {
        EXPECT_TRUE(f.TimeSigButton(n)->Enabled());
        EXPECT_FALSE(f.TimeSigButton(n)->Checked());
    }
    for (int k = 0; k < kTrackCount; ++k)
        EXPECT_FALSE(f.TrackButton(k)->Checked());
    EXPECT_EQ(f.TrackList->Items()->Count(), 0);
    for (std::uint8_t byte : f.FileImage)
        ASSERT_EQ(byte, 0);
    EXPECT_EQ(f.TempoValue, 0);
}

} // namespace

namespace {

TEST(Window, OnlyThePathEditHoldsAFileName)
{
    TestWindow window;
    TForm1 &f = window.Form();
    for (int i = 0; i < f.ControlCount(); ++i) {
        TControl *control = f.Controls(i);
        EXPECT_EQ(control->TextEncoding() == TTextEncoding::FileName, control->Name() == "FilePath")
            << control->Name();
    }
}

} // namespace
