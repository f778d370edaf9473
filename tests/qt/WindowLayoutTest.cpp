// The window as the user first sees it: its frame, its font, and each of its 78 components in
// place, with the values of the window's layout tables written out here.
#include "QtWindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string_view>

namespace {

enum class Kind { Label, Edit, Button, Radio, Frame, List, Dialog };

struct ComponentRow
{
    const char *name;
    Kind kind;
    int left, top, width, height;
    const char *caption; // UTF-8; an edit's initial text
    int tabOrder; // -1: not in the tab order
    bool readOnly;
};

using enum Kind;

// In creation order. Labels: the width stored for the caption in the designed font.
const ComponentRow kComponents[] = {
    {"Label1", Label, 8, 32, 36, 12, "識別子", -1, false},
    {"Label2", Label, 136, 24, 64, 12, "With Setup ?", -1, false},
    {"Label3", Label, 224, 24, 34, 12, "Tempo", -1, false},
    {"label", Label, 320, 24, 43, 12, "TimeSIG", -1, false},
    {"SongName", Label, 7, 54, 54, 12, "SongName", -1, false},
    {"Label4", Label, 7, 83, 58, 12, "Track1 Tch", -1, false},
    {"Label5", Label, 8, 107, 58, 12, "Track2 Tch", -1, false},
    {"Label6", Label, 7, 133, 58, 12, "Track3 Tch", -1, false},
    {"Label7", Label, 7, 155, 58, 12, "Track4 Tch", -1, false},
    {"Label8", Label, 7, 179, 58, 12, "Track5 Tch", -1, false},
    {"Label9", Label, 8, 203, 58, 12, "Track6 Tch", -1, false},
    {"Label10", Label, 7, 226, 58, 12, "Track7 Tch", -1, false},
    {"Label11", Label, 8, 252, 58, 12, "Track8 Tch", -1, false},
    {"Label12", Label, 208, 144, 56, 12, "SynthMode", -1, false},
    {"label100", Label, 416, 144, 54, 12, "VoiceType", -1, false},
    {"Label13", Label, 208, 168, 68, 12, "VoiceNumber", -1, false},
    {"Label14", Label, 208, 192, 66, 12, "RhythmMode", -1, false},
    {"Label15", Label, 416, 192, 78, 12, "RhythmNumber", -1, false},
    {"TimeSigSel", Frame, 208, 48, 401, 89, "TimeSignature", 58, false},
    {"TrackSelect", Frame, 104, 208, 81, 153, "TRACK", 57, false},
    {"SeqType", Edit, 56, 24, 73, 20, "", 0, true},
    {"SetupFlag", Edit, 200, 24, 17, 20, "", 1, false},
    {"Tempo", Edit, 264, 24, 41, 20, "", 2, false},
    {"TimeSIG", Edit, 368, 24, 17, 20, "", 3, false},
    {"SSONG", Edit, 64, 48, 65, 20, "", 4, false},
    {"Trk1Tch", Edit, 72, 80, 25, 20, "", 5, false},
    {"Trk2Tch", Edit, 72, 104, 25, 20, "", 6, false},
    {"Trk3Tch", Edit, 72, 128, 25, 20, "", 7, false},
    {"Trk4Tch", Edit, 72, 152, 25, 20, "", 8, false},
    {"Trk5Tch", Edit, 72, 176, 25, 20, "", 9, false},
    {"Trk6Tch", Edit, 72, 200, 25, 20, "", 10, false},
    {"Trk7Tch", Edit, 72, 224, 25, 20, "", 11, false},
    {"Trk8Tch", Edit, 72, 248, 25, 20, "", 12, false},
    {"FileOpen", Button, 8, 0, 75, 25, "ﾌｧｲﾙｵｰﾌﾟﾝ", 13, false},
    {"FilePath", Edit, 96, 0, 505, 20, "", 14, false},
    {"TimeSIG0", Radio, 216, 64, 41, 17, "1/4", 15, false},
    {"TimeSIG1", Radio, 264, 64, 41, 17, "2/4", 16, false},
    {"TimeSIG2", Radio, 312, 64, 41, 17, "3/4", 17, false},
    {"TimeSIG3", Radio, 360, 64, 41, 17, "4/4", 18, false},
    {"TimeSIG4", Radio, 216, 80, 41, 17, "1/8", 19, false},
    {"TimeSIG5", Radio, 264, 80, 41, 17, "2/8", 20, false},
    {"TimeSIG6", Radio, 312, 80, 41, 17, "3/8", 21, false},
    {"TimeSIG7", Radio, 360, 80, 41, 17, "4/8", 22, false},
    {"TimeSIG8", Radio, 408, 80, 41, 17, "5/8", 23, false},
    {"TimeSIG9", Radio, 456, 80, 41, 17, "6/8", 24, false},
    {"TimeSIG10", Radio, 504, 80, 41, 17, "7/8", 25, false},
    {"TimeSIG11", Radio, 552, 80, 41, 17, "8/8", 26, false},
    {"TimeSIG12", Radio, 216, 96, 41, 17, "1/16", 27, false},
    {"TimeSIG13", Radio, 264, 96, 41, 17, "2/16", 28, false},
    {"TimeSIG14", Radio, 312, 96, 41, 17, "3/16", 29, false},
    {"TimeSIG15", Radio, 360, 96, 41, 17, "4/16", 30, false},
    {"TimeSIG16", Radio, 408, 96, 41, 17, "5/16", 31, false},
    {"TimeSIG17", Radio, 456, 96, 41, 17, "6/16", 32, false},
    {"TimeSIG18", Radio, 504, 96, 41, 17, "7/16", 33, false},
    {"TimeSIG19", Radio, 552, 96, 41, 17, "8/16", 34, false},
    {"TimeSIG20", Radio, 216, 112, 41, 17, "9/16", 35, false},
    {"TimeSIG21", Radio, 264, 112, 49, 17, "10/16", 36, false},
    {"TimeSIG22", Radio, 312, 112, 49, 17, "11/16", 37, false},
    {"TimeSIG23", Radio, 360, 112, 49, 17, "12/16", 38, false},
    {"TimeSIG24", Radio, 408, 112, 49, 17, "13/16", 39, false},
    {"TimeSIG25", Radio, 456, 112, 49, 17, "14/16", 40, false},
    {"TimeSIG26", Radio, 504, 112, 49, 17, "15/16", 41, false},
    {"TimeSIG27", Radio, 552, 112, 49, 17, "16/16", 42, false},
    {"SynthMode", Edit, 288, 144, 121, 20, "", 43, false},
    {"VoiceType", Edit, 472, 144, 121, 20, "", 44, false},
    {"VoiceNumber", Edit, 288, 168, 121, 20, "", 45, false},
    {"RhythmMode", Edit, 288, 192, 121, 20, "", 46, false},
    {"RhythmNumber", Edit, 496, 192, 105, 20, "", 47, false},
    {"TrackList", List, 192, 216, 409, 145, "", 48, false},
    {"Trk1Sel", Radio, 112, 224, 65, 17, "Trk1Sel", 49, false},
    {"Trk2Sel", Radio, 112, 240, 65, 17, "Trk2Sel", 50, false},
    {"Trk3Sel", Radio, 112, 256, 65, 17, "Trk3Sel", 51, false},
    {"Trk4Sel", Radio, 112, 272, 65, 17, "Trk4Sel", 52, false},
    {"Trk5Sel", Radio, 112, 288, 65, 17, "Trk5Sel", 53, false},
    {"Trk6Sel", Radio, 112, 304, 65, 17, "Trk6Sel", 54, false},
    {"Trk7Sel", Radio, 112, 320, 65, 17, "Trk7Sel", 55, false},
    {"Trk8Sel", Radio, 112, 336, 65, 17, "Trk8Sel", 56, false},
    {"OpenDialog", Dialog, 0, 0, 0, 0, "", -1, false},
};

const char *QtClass(Kind kind)
{
    switch (kind) {
    case Label:
        return "QLabel";
    case Edit:
        return "QLineEdit";
    case Button:
        return "QPushButton";
    case Radio:
        return "QRadioButton";
    case Frame:
        return "QGroupBox";
    case List:
        return "QListView";
    case Dialog:
        break;
    }
    return "";
}

// What a widget shows as its caption or text.
QString ShownCaption(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return QString();
}

// The width a button or radio button leaves for its caption.
int CaptionRoom(QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width();
}

TEST(WindowLayout, WindowFrameCaptionPlaceAndSize)
{
    QtWindow window;
    TFormView &view = window.View();
    EXPECT_EQ(view.windowTitle(), "KESTRO read");
    EXPECT_EQ(view.pos(), QPoint(319, 117));
    EXPECT_EQ(view.size(), QSize(615, 381));
    // Not resizable.
    EXPECT_EQ(view.minimumSize(), QSize(615, 381));
    EXPECT_EQ(view.maximumSize(), QSize(615, 381));
    const Qt::WindowFlags flags = view.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(view.windowIcon().isNull());
}

TEST(WindowLayout, FontAsksForTheDesignedFaceThenItsSubstitutes)
{
    QtWindow window;
    const QFont font = window.View().font();
    EXPECT_EQ(font.pixelSize(), 12);
    const QStringList families = font.families();
    ASSERT_GE(families.size(), 4);
    EXPECT_EQ(families.mid(0, 3), QStringList({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"}));
    EXPECT_EQ(families.last(), "sans-serif");
    // One of the three Japanese faces is installed, and it draws the Japanese captions.
    EXPECT_TRUE(QStringList({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"})
                    .contains(QFontInfo(font).family()))
        << QFontInfo(font).family().toStdString();
    const QRawFont raw = QRawFont::fromFont(font);
    for (char32_t c : std::u32string_view(U"識別子ﾌｧｲﾙｵｰﾌﾟﾝ"))
        EXPECT_TRUE(raw.supportsCharacter(c)) << std::hex << std::uint32_t(c);
}

TEST(WindowLayout, EveryComponentInPlaceWithItsCaptionAndStates)
{
    QtWindow window;
    int widgets = 0;
    for (const ComponentRow &row : kComponents) {
        SCOPED_TRACE(row.name);
        QWidget *widget = window.Widget(row.name);
        if (row.kind == Dialog) {
            EXPECT_EQ(widget, nullptr) << "the dialog is no control of the window";
            continue;
        }
        ASSERT_NE(widget, nullptr);
        ++widgets;
        EXPECT_TRUE(widget->inherits(QtClass(row.kind))) << widget->metaObject()->className();
        EXPECT_EQ(widget->pos(), QPoint(row.left, row.top));
        EXPECT_EQ(widget->height(), row.height);
        EXPECT_EQ(ShownCaption(widget), QString::fromUtf8(row.caption));
        // At creation every control is enabled and no radio button is checked.
        EXPECT_TRUE(widget->isEnabled());
        if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
            EXPECT_FALSE(radio->isChecked());
            EXPECT_FALSE(radio->autoExclusive());
        }
        if (row.kind == Label) {
            // AutoSize: the caption's own width, within the width the caption had when designed.
            EXPECT_EQ(widget->width(), widget->fontMetrics().horizontalAdvance(row.caption));
            EXPECT_LE(widget->width(), row.width);
        } else {
            EXPECT_EQ(widget->width(), row.width);
        }
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            EXPECT_EQ(edit->isReadOnly(), row.readOnly);
            // Only the read-only edit is on the button-face colour.
            const QPalette colours = edit->palette();
            EXPECT_EQ(
                colours.color(QPalette::Base) == colours.color(QPalette::Button), row.readOnly);
        }
        if (auto *list = qobject_cast<QListView *>(widget)) {
            EXPECT_EQ(list->model()->rowCount(), 0);
        }
        // Tab stops: edits, the button and the list; no radio button while none is checked.
        const bool tabStop = row.kind == Edit || row.kind == Button || row.kind == List;
        EXPECT_EQ(bool(widget->focusPolicy() & Qt::TabFocus), tabStop);
    }
    EXPECT_EQ(widgets, 77);
    EXPECT_EQ(window.View().findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 77);
}

TEST(WindowLayout, ChildrenInCreationOrder)
{
    QtWindow window;
    QStringList expected;
    for (const ComponentRow &row : kComponents) {
        if (row.kind != Dialog)
            expected << row.name;
    }
    QStringList children;
    for (QObject *child : window.View().children()) {
        if (child->isWidgetType())
            children << child->objectName();
    }
    EXPECT_EQ(children, expected);
}

TEST(WindowLayout, FocusChainFollowsTheTabOrder)
{
    QtWindow window;
    // The frames never take the focus, so their place in the order does not show.
    std::map<int, QString> byTabOrder;
    for (const ComponentRow &row : kComponents) {
        if (row.tabOrder >= 0 && row.kind != Frame)
            byTabOrder[row.tabOrder] = row.name;
    }
    QStringList expected;
    for (const auto &[order, name] : byTabOrder)
        expected << name;

    // The focus chain holds the labels too; keep the members of the tab order, in chain order.
    QStringList chain;
    QWidget *start = window.Widget(byTabOrder.begin()->second.toLatin1().constData());
    QWidget *widget = start;
    do {
        if (expected.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    EXPECT_EQ(chain.join(' '), expected.join(' '));
    // The window opens with the focus on the first tab stop.
    EXPECT_EQ(QApplication::focusWidget(), start);
}

// Labels keep within their designed widths (above); a button's caption must fit beside its
// indicator or within its frame.
TEST(WindowLayout, NoButtonCaptionIsClipped)
{
    QtWindow window;
    for (const ComponentRow &row : kComponents) {
        if (row.kind != Radio && row.kind != Button)
            continue;
        SCOPED_TRACE(row.name);
        auto *button = window.Widget<QAbstractButton>(row.name);
        ASSERT_NE(button, nullptr);
        const int width = button->fontMetrics().horizontalAdvance(QString::fromUtf8(row.caption));
        const QStyle::SubElement contents
            = row.kind == Radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        EXPECT_LE(width, CaptionRoom(button, contents));
    }
}

} // namespace
