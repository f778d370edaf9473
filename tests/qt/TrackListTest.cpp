// The track list beyond its lines: each line's tooltip shows its event's offset and bytes, and the
// user selects lines and copies them as plain text.
#include "QtWindow.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString kDemo = QStringLiteral(KESTRO_EXAMPLES "/demo.seq");

// Track 1 of the demo: F0 00 05 83 3C 40 10 F5 FC 12 01 30 C1 05 3C 64 C1 05 BC FA 3C 10 FB 07
// 64 01 F2. Each line with the offset and bytes of its event.
struct Line
{
    const char *text;
    const char *tip;
};
const Line kTrack1[] = {
    {"--------(TRACK START)--------", "0000  F0 00"},
    {" Short Time: 005", "0002  05"},
    {" ShortNote Duration(HEX): 03   NoteNumber(HEX):3C   Velocity:064", "0003  83 3C 40"},
    {" Short Time: 016", "0006  10"},
    {"-----------(MEAS)------------", "0007  F5"},
    {" ProgramChange(HEX): FC   Number(HEX):12", "0008  FC 12"},
    {" Long Time: 0176", "000A  01 30"},
    {" LongNote Duration(HEX): 085   NoteNumber(HEX):3C   Velocity:100", "000C  C1 05 3C 64"},
    {" LongNote40 Duration(HEX): 085   NoteNumber:3C", "0010  C1 05 BC"},
    {" PolyphonicAfterTouch(HEX): FA   NoteNumber(HEX):3C   Velocity(HEX):10", "0013  FA 3C 10"},
    {" ControlChange(HEX): FB   Control(HEX):07   Velocity(HEX):64", "0016  FB 07 64"},
    {" Short Time: 001", "0019  01"},
    {"---------(TRACK END)---------", "001A  F2"},
};

// The clipboard's text for these lines of track 1: each line followed by a line break.
QString Copied(std::initializer_list<int> rows)
{
    QString text;
    for (int row : rows)
        text += QString(kTrack1[row].text) + "\n";
    return text;
}

QString AllOfTrack1()
{
    QString text;
    for (const Line &line : kTrack1)
        text += QString(line.text) + "\n";
    return text;
}

QStringList Tips(QAbstractItemView &list)
{
    QStringList tips;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        tips << list.model()->index(row, 0).data(Qt::ToolTipRole).toString();
    return tips;
}

TEST(TrackList, TooltipShowsTheOffsetAndBytesOfEachLine)
{
    QtWindow window;
    window.LoadThroughDialog(kDemo);
    auto *list = window.Widget<QAbstractItemView>("TrackList");
    QStringList expected;
    for (const Line &line : kTrack1)
        expected << line.tip;
    EXPECT_EQ(Tips(*list), expected);

    // Hovering a line shows it.
    const QRect longNote = list->visualRect(list->model()->index(7, 0));
    QHelpEvent hover(
        QEvent::ToolTip, longNote.center(), list->viewport()->mapToGlobal(longNote.center()));
    QApplication::sendEvent(list->viewport(), &hover);
    EXPECT_EQ(QToolTip::text(), "000C  C1 05 3C 64");
    QToolTip::hideText();
}

TEST(TrackList, TooltipPassesOverASkippedByteAndEndsWithACutTrack)
{
    QtWindow window;
    // F0 00, F8 (skipped, no line), F5 measure, 05 short time (C1 has bit 7 set), then a long note
    // C1 05 cut off by the end of the file: no line, no TRACK END.
    const Bytes area = {0xF0, 0x00, 0xF8, 0xF5, 0x05, 0xC1, 0x05};
    window.LoadThroughDialog(window.WriteFile("cut.seq", SongFile(0x40, area)));
    auto *list = window.Widget<QAbstractItemView>("TrackList");
    EXPECT_EQ(window.Rows(),
        QStringList({"--------(TRACK START)--------", "-----------(MEAS)------------",
            " Short Time: 005"}));
    EXPECT_EQ(Tips(*list), QStringList({"0000  F0 00", "0003  F5", "0004  05"}));
}

// The demo loaded, track 1 listed; the rows of the tables below select lines through it.
class DemoList : public ::testing::Test
{
public:
    void SetUp() override
    {
        window.LoadThroughDialog(kDemo);
        list = window.Widget<QAbstractItemView>("TrackList");
        ASSERT_EQ(list->model()->rowCount(), int(std::size(kTrack1)));
        QGuiApplication::clipboard()->setText("before");
    }

    // Clicks line `row` with the mouse, holding `modifiers`.
    void ClickLine(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
        Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), button, modifiers, rect.center());
    }

    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

    QtWindow window;
    QAbstractItemView *list = nullptr;
};

TEST_F(DemoList, CtrlCCopiesTheSelectedLinesInListOrder)
{
    struct Row
    {
        const char *name;
        std::function<void(DemoList &)> select;
        QString copied;
    };
    const Row rows[] = {
        {"nothing selected: the clipboard is left alone", [](DemoList &) {}, "before"},
        {"a click", [](DemoList &t) { t.ClickLine(2); }, Copied({2})},
        {"Ctrl-clicks, given out of order",
            [](DemoList &t) {
                t.ClickLine(9);
                t.ClickLine(0, Qt::ControlModifier);
                t.ClickLine(5, Qt::ControlModifier);
            },
            Copied({0, 5, 9})},
        {"Shift-click extends the selection",
            [](DemoList &t) {
                t.ClickLine(3);
                t.ClickLine(6, Qt::ShiftModifier);
            },
            Copied({3, 4, 5, 6})},
        {"Ctrl-click takes a line out again",
            [](DemoList &t) {
                t.ClickLine(3);
                t.ClickLine(6, Qt::ShiftModifier);
                t.ClickLine(4, Qt::ControlModifier);
            },
            Copied({3, 5, 6})},
        {"Ctrl+A", [](DemoList &t) { QTest::keyClick(t.list, Qt::Key_A, Qt::ControlModifier); },
            AllOfTrack1()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        list->clearSelection();
        QGuiApplication::clipboard()->setText("before");
        list->setFocus();
        row.select(*this);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Clipboard(), row.copied);
    }
}

TEST_F(DemoList, ContextMenuCopiesTheSelectionOrTheWholeListing)
{
    struct Row
    {
        const char *name;
        std::function<void(DemoList &)> select;
        const char *entry;
        QString copied;
        std::map<QString, bool> enabled;
    };
    const Row rows[] = {
        {"Copy, the menu opened on a selected line",
            [](DemoList &t) {
                t.ClickLine(1);
                t.ClickLine(12, Qt::ControlModifier);
                t.ClickLine(12, Qt::NoModifier, Qt::RightButton);
            },
            "Copy", Copied({1, 12}), {{"Copy", true}, {"Copy All", true}}},
        {"Copy All with one line selected", [](DemoList &t) { t.ClickLine(4); }, "Copy All",
            AllOfTrack1(), {{"Copy", true}, {"Copy All", true}}},
        {"Copy All with nothing selected", [](DemoList &) {}, "Copy All", AllOfTrack1(),
            {{"Copy", false}, {"Copy All", true}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        list->clearSelection();
        QGuiApplication::clipboard()->setText("before");
        row.select(*this);

        std::map<QString, bool> enabled;
        auto script = ModalScript::When<QMenu>([&](QMenu &menu) {
            QAction *chosen = nullptr;
            for (QAction *action : menu.actions()) {
                const QString text = action->text().remove('&');
                enabled[text] = action->isEnabled();
                if (text == row.entry)
                    chosen = action;
            }
            if (chosen)
                chosen->trigger();
            menu.close();
        });
        const QPoint at = list->visualRect(list->model()->index(12, 0)).center();
        QContextMenuEvent menuEvent(
            QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &menuEvent);

        ASSERT_TRUE(script->Answered()) << "no context menu was shown";
        EXPECT_EQ(enabled, row.enabled);
        EXPECT_EQ(Clipboard(), row.copied);
    }
}

TEST_F(DemoList, SelectingLinesLeavesTheControlsAloneAndANewListingClearsIt)
{
    const QStringList before = window.Snapshot();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    ClickLine(3, Qt::ControlModifier);
    EXPECT_EQ(window.Snapshot(), before);
    EXPECT_TRUE(window.Form().Trk1Sel->Checked());

    // The checked track button again lists nothing anew: the selection stays.
    window.Click("Trk1Sel");
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), int(std::size(kTrack1)) - 1);

    window.Click("Trk2Sel");
    EXPECT_TRUE(window.Form().Trk2Sel->Checked());
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "before");

    // So does a new load of the same file.
    window.Click("Trk1Sel");
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    window.LoadThroughDialog(kDemo);
    EXPECT_FALSE(list->selectionModel()->hasSelection());
}

} // namespace
