// What assistive technology finds in the window, through Qt's accessibility interface: every
// control by its component name, the label standing before it as its description, the radio
// buttons' states, and the rows of the list.
#include "QtWindow.h"

#include <QAbstractItemView>
#include <QAccessible>

#include <gtest/gtest.h>

#include <set>

namespace {

struct AccessibleRow
{
    const char *component;
    QAccessible::Role role;
    const char *name; // UTF-8
    const char *description;
};

constexpr QAccessible::Role kText = QAccessible::StaticText;
constexpr QAccessible::Role kEdit = QAccessible::EditableText;
constexpr QAccessible::Role kRadio = QAccessible::RadioButton;

// All 78 components. Labels are named by their caption and described by their component name;
// every other control is named by its component name and described by the caption of the label
// standing before it, or else by its own caption.
const AccessibleRow kAccessible[] = {
    {"Label1", kText, "識別子", "Label1"}, {"Label2", kText, "With Setup ?", "Label2"},
    {"Label3", kText, "Tempo", "Label3"}, {"label", kText, "TimeSIG", "label"},
    {"SongName", kText, "SongName", "SongName"}, {"Label4", kText, "Track1 Tch", "Label4"},
    {"Label5", kText, "Track2 Tch", "Label5"}, {"Label6", kText, "Track3 Tch", "Label6"},
    {"Label7", kText, "Track4 Tch", "Label7"}, {"Label8", kText, "Track5 Tch", "Label8"},
    {"Label9", kText, "Track6 Tch", "Label9"}, {"Label10", kText, "Track7 Tch", "Label10"},
    {"Label11", kText, "Track8 Tch", "Label11"}, {"Label12", kText, "SynthMode", "Label12"},
    {"label100", kText, "VoiceType", "label100"}, {"Label13", kText, "VoiceNumber", "Label13"},
    {"Label14", kText, "RhythmMode", "Label14"}, {"Label15", kText, "RhythmNumber", "Label15"},
    {"TimeSigSel", QAccessible::Grouping, "TimeSigSel", "TimeSignature"},
    {"TrackSelect", QAccessible::Grouping, "TrackSelect", "TRACK"},
    {"SeqType", kEdit, "SeqType", "識別子"}, {"SetupFlag", kEdit, "SetupFlag", "With Setup ?"},
    {"Tempo", kEdit, "Tempo", "Tempo"}, {"TimeSIG", kEdit, "TimeSIG", "TimeSIG"},
    {"SSONG", kEdit, "SSONG", "SongName"}, {"Trk1Tch", kEdit, "Trk1Tch", "Track1 Tch"},
    {"Trk2Tch", kEdit, "Trk2Tch", "Track2 Tch"}, {"Trk3Tch", kEdit, "Trk3Tch", "Track3 Tch"},
    {"Trk4Tch", kEdit, "Trk4Tch", "Track4 Tch"}, {"Trk5Tch", kEdit, "Trk5Tch", "Track5 Tch"},
    {"Trk6Tch", kEdit, "Trk6Tch", "Track6 Tch"}, {"Trk7Tch", kEdit, "Trk7Tch", "Track7 Tch"},
    {"Trk8Tch", kEdit, "Trk8Tch", "Track8 Tch"},
    {"FileOpen", QAccessible::Button, "FileOpen", "ﾌｧｲﾙｵｰﾌﾟﾝ"}, {"FilePath", kEdit, "FilePath", ""},
    {"TimeSIG0", kRadio, "TimeSIG0", "1/4"}, {"TimeSIG1", kRadio, "TimeSIG1", "2/4"},
    {"TimeSIG2", kRadio, "TimeSIG2", "3/4"}, {"TimeSIG3", kRadio, "TimeSIG3", "4/4"},
    {"TimeSIG4", kRadio, "TimeSIG4", "1/8"}, {"TimeSIG5", kRadio, "TimeSIG5", "2/8"},
    {"TimeSIG6", kRadio, "TimeSIG6", "3/8"}, {"TimeSIG7", kRadio, "TimeSIG7", "4/8"},
    {"TimeSIG8", kRadio, "TimeSIG8", "5/8"}, {"TimeSIG9", kRadio, "TimeSIG9", "6/8"},
    {"TimeSIG10", kRadio, "TimeSIG10", "7/8"}, {"TimeSIG11", kRadio, "TimeSIG11", "8/8"},
    {"TimeSIG12", kRadio, "TimeSIG12", "1/16"}, {"TimeSIG13", kRadio, "TimeSIG13", "2/16"},
    {"TimeSIG14", kRadio, "TimeSIG14", "3/16"}, {"TimeSIG15", kRadio, "TimeSIG15", "4/16"},
    {"TimeSIG16", kRadio, "TimeSIG16", "5/16"}, {"TimeSIG17", kRadio, "TimeSIG17", "6/16"},
    {"TimeSIG18", kRadio, "TimeSIG18", "7/16"}, {"TimeSIG19", kRadio, "TimeSIG19", "8/16"},
    {"TimeSIG20", kRadio, "TimeSIG20", "9/16"}, {"TimeSIG21", kRadio, "TimeSIG21", "10/16"},
    {"TimeSIG22", kRadio, "TimeSIG22", "11/16"}, {"TimeSIG23", kRadio, "TimeSIG23", "12/16"},
    {"TimeSIG24", kRadio, "TimeSIG24", "13/16"}, {"TimeSIG25", kRadio, "TimeSIG25", "14/16"},
    {"TimeSIG26", kRadio, "TimeSIG26", "15/16"}, {"TimeSIG27", kRadio, "TimeSIG27", "16/16"},
    {"SynthMode", kEdit, "SynthMode", "SynthMode"}, {"VoiceType", kEdit, "VoiceType", "VoiceType"},
    {"VoiceNumber", kEdit, "VoiceNumber", "VoiceNumber"},
    {"RhythmMode", kEdit, "RhythmMode", "RhythmMode"},
    {"RhythmNumber", kEdit, "RhythmNumber", "RhythmNumber"},
    {"TrackList", QAccessible::List, "TrackList", ""}, {"Trk1Sel", kRadio, "Trk1Sel", "Trk1Sel"},
    {"Trk2Sel", kRadio, "Trk2Sel", "Trk2Sel"}, {"Trk3Sel", kRadio, "Trk3Sel", "Trk3Sel"},
    {"Trk4Sel", kRadio, "Trk4Sel", "Trk4Sel"}, {"Trk5Sel", kRadio, "Trk5Sel", "Trk5Sel"},
    {"Trk6Sel", kRadio, "Trk6Sel", "Trk6Sel"}, {"Trk7Sel", kRadio, "Trk7Sel", "Trk7Sel"},
    {"Trk8Sel", kRadio, "Trk8Sel", "Trk8Sel"},
    {"OpenDialog", QAccessible::NoRole, nullptr, nullptr}, // no control: shown as Qt's dialog
};

QAccessibleInterface *Accessible(QtWindow &window, const char *component)
{
    QWidget *widget = window.Widget(component);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

TEST(Accessibility, EveryComponentHasItsRoleNameAndDescription)
{
    QtWindow window;
    for (const AccessibleRow &row : kAccessible) {
        SCOPED_TRACE(row.component);
        QAccessibleInterface *control = Accessible(window, row.component);
        if (!row.name) {
            EXPECT_EQ(control, nullptr);
            continue;
        }
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), row.role);
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(row.name));
        EXPECT_EQ(control->text(QAccessible::Description), QString::fromUtf8(row.description));
    }
}

// The 59 controls other than labels go by names of their own; a label's caption may be the name
// of the control it stands before.
TEST(Accessibility, TheWindowHoldsEveryControlUnderAUniqueName)
{
    QtWindow window;
    QAccessibleInterface *form = QAccessible::queryAccessibleInterface(&window.View());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->role(), QAccessible::Window);
    EXPECT_EQ(form->text(QAccessible::Name), "KESTRO read");
    ASSERT_EQ(form->childCount(), 77);
    std::set<QString> names;
    int controls = 0;
    for (int i = 0; i < form->childCount(); ++i) {
        if (form->child(i)->role() != QAccessible::StaticText) {
            ++controls;
            names.insert(form->child(i)->text(QAccessible::Name));
        }
    }
    EXPECT_EQ(controls, 59);
    EXPECT_EQ(names.size(), 59u);
}

TEST(Accessibility, RadioButtonStatesAfterALoad)
{
    QtWindow window;
    const QString path = window.WriteFile("song.seq", SongFile(9, MeasureTracks(2)));
    window.LoadThroughDialog(path);
    for (int n = 0; n < 28; ++n) {
        const QByteArray name = QString("TimeSIG%1").arg(n).toLatin1();
        SCOPED_TRACE(name.constData());
        const QAccessible::State state = Accessible(window, name.constData())->state();
        EXPECT_EQ(bool(state.disabled), n != 9);
        EXPECT_FALSE(state.checked);
        EXPECT_TRUE(state.checkable);
    }
    for (int k = 1; k <= 8; ++k) {
        const QByteArray name = QString("Trk%1Sel").arg(k).toLatin1();
        SCOPED_TRACE(name.constData());
        const QAccessible::State state = Accessible(window, name.constData())->state();
        EXPECT_FALSE(state.disabled);
        EXPECT_EQ(bool(state.checked), k == 1);
    }
    // The read-only edit says so.
    EXPECT_TRUE(Accessible(window, "SeqType")->state().readOnly);
    EXPECT_FALSE(Accessible(window, "SetupFlag")->state().readOnly);
}

TEST(Accessibility, EveryRowOfTheListIsReachable)
{
    QtWindow window;
    // Track 2 holds 300 measure marks: far more rows than the list shows at once.
    Bytes area {0xF0, 0x00, 0xF2, 0xF0, 0x01};
    area.insert(area.end(), 300, 0xF5);
    area.insert(area.end(), {0xF2, 0xF9});
    window.LoadThroughDialog(window.WriteFile("long.seq", SongFile(0x40, area)));
    window.Click("Trk2Sel");

    QAccessibleInterface *list = Accessible(window, "TrackList");
    ASSERT_NE(list, nullptr);
    QAccessibleTableInterface *table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 1);
    const QStringList expected = MeasureListing(300);
    ASSERT_EQ(table->rowCount(), expected.size());
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->cellAt(row, 0)->text(QAccessible::Name);
    EXPECT_EQ(rows, expected);
    // No header.
    EXPECT_TRUE(table->cellAt(0, 0)->tableCellInterface()->columnHeaderCells().isEmpty());
}

} // namespace
