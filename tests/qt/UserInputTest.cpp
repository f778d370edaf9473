// The rules as the user meets them: mouse clicks and keys on the real widgets, and what the control
// objects and the screen show afterwards.
#include "QtWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window holding a file of four tracks (track k lists k measure marks) whose time signature is 5,
// so that after the load TimeSIG5 is the one enabled time-signature button and Trk1Sel is checked.
class LoadedWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString path = window.WriteFile("four.seq", SongFile(5, MeasureTracks(4)));
        window.Form().OpenDialog->SetChooser(
            [path](TOpenDialog &) { return std::optional(path.toStdString()); });
        window.Click("FileOpen");
        ASSERT_EQ(window.Rows(), MeasureListing(0));
    }

    QRadioButton *Radio(const char *name) { return window.Widget<QRadioButton>(name); }
    QAbstractItemModel *ListModel()
    {
        return window.Widget<QAbstractItemView>("TrackList")->model();
    }
    QString Focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Names of the radio buttons checked on screen.
    QStringList CheckedOnScreen()
    {
        QStringList names;
        for (QRadioButton *radio : window.View().findChildren<QRadioButton *>())
            if (radio->isChecked())
                names << radio->objectName();
        return names;
    }
    // Presses Tab until the focus comes back, and names the widgets it reached.
    QStringList TabChainFrom(const char *start)
    {
        window.Widget(start)->setFocus(Qt::TabFocusReason);
        QStringList chain {Focused()};
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (Focused() == start)
                break;
            chain << Focused();
        }
        return chain;
    }

    QtWindow window;
};

const QStringList kAlwaysInTabChain = {
    "SeqType",
    "SetupFlag",
    "Tempo",
    "TimeSIG",
    "SSONG",
    "Trk1Tch",
    "Trk2Tch",
    "Trk3Tch",
    "Trk4Tch",
    "Trk5Tch",
    "Trk6Tch",
    "Trk7Tch",
    "Trk8Tch",
    "FileOpen",
    "FilePath",
    "SynthMode",
    "VoiceType",
    "VoiceNumber",
    "RhythmMode",
    "RhythmNumber",
    "TrackList",
};

TEST_F(LoadedWindow, ClickOnUncheckedTrackButtonListsThatTrack)
{
    struct Row
    {
        const char *button;
        int track;
    };
    for (const Row row : {Row {"Trk3Sel", 2}, Row {"Trk2Sel", 1}, Row {"Trk4Sel", 3}}) {
        SCOPED_TRACE(row.button);
        window.Click(row.button);
        EXPECT_EQ(CheckedOnScreen(), QStringList {row.button});
        EXPECT_EQ(window.Form().SelectedTrack(), row.track);
        EXPECT_EQ(window.Rows(), MeasureListing(row.track));
    }
}

TEST_F(LoadedWindow, ClickOnCheckedTrackButtonChangesNothing)
{
    QSignalSpy resets(ListModel(), &QAbstractItemModel::modelReset);
    const QStringList before = window.Snapshot();
    window.Click("Trk1Sel");
    EXPECT_EQ(resets.count(), 0) << "the list was not rebuilt";
    EXPECT_EQ(window.Snapshot(), before);
    EXPECT_TRUE(window.Form().Trk1Sel->Checked());
}

TEST_F(LoadedWindow, ClickOnEnabledTimeSignatureButtonUnchecksTrackAndKeepsList)
{
    window.Click("Trk3Sel");
    QSignalSpy resets(ListModel(), &QAbstractItemModel::modelReset);
    window.Click("TimeSIG5");
    EXPECT_EQ(CheckedOnScreen(), QStringList {"TimeSIG5"});
    EXPECT_TRUE(window.Form().TimeSIG5->Checked());
    EXPECT_EQ(window.Form().SelectedTrack(), 255);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(window.Rows(), MeasureListing(2));
}

TEST_F(LoadedWindow, DisabledTimeSignatureButtonIgnoresClicks)
{
    const QStringList before = window.Snapshot();
    for (const char *name : {"TimeSIG0", "TimeSIG6", "TimeSIG27"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Radio(name)->isEnabled());
        window.Click(name);
        EXPECT_EQ(window.Snapshot(), before);
    }
}

TEST_F(LoadedWindow, TabReachesExactlyTheCheckedRadioButtonAfterTrackList)
{
    EXPECT_EQ(TabChainFrom("SeqType"), kAlwaysInTabChain + QStringList {"Trk1Sel"});

    window.Click("Trk6Sel");
    EXPECT_EQ(TabChainFrom("SeqType"), kAlwaysInTabChain + QStringList {"Trk6Sel"});

    // A checked time-signature button takes its place in the order, after FilePath.
    window.Click("TimeSIG5");
    QStringList expected = kAlwaysInTabChain;
    expected.insert(expected.indexOf("FilePath") + 1, "TimeSIG5");
    EXPECT_EQ(TabChainFrom("SeqType"), expected);

    // Back-tab goes the other way.
    window.Click("Trk2Sel");
    window.Widget("Trk2Sel")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(Focused(), "TrackList");
}

TEST(UserInput, NoRadioButtonInTheTabChainAtStart)
{
    QtWindow window;
    QStringList chain {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget()->objectName() == chain.first())
            break;
        chain << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(chain, kAlwaysInTabChain);
}

TEST_F(LoadedWindow, KeysChooseRadioButtons)
{
    // Space on a focused track button checks it.
    Radio("Trk2Sel")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Radio("Trk2Sel"), Qt::Key_Space);
    EXPECT_EQ(CheckedOnScreen(), QStringList {"Trk2Sel"});
    EXPECT_EQ(window.Rows(), MeasureListing(1));

    // The arrow keys move the choice to the next button the user may operate.
    QTest::keyClick(Radio("Trk2Sel"), Qt::Key_Down);
    EXPECT_EQ(Focused(), "Trk3Sel");
    EXPECT_EQ(CheckedOnScreen(), QStringList {"Trk3Sel"});
    EXPECT_EQ(window.Rows(), MeasureListing(2));

    QTest::keyClick(Radio("Trk3Sel"), Qt::Key_Up);
    QTest::keyClick(Radio("Trk2Sel"), Qt::Key_Left);
    EXPECT_EQ(CheckedOnScreen(), QStringList {"Trk1Sel"});
    EXPECT_EQ(window.Rows(), MeasureListing(0));

    // Before Trk1Sel, the only time-signature button enabled; its check keeps the list.
    QTest::keyClick(Radio("Trk1Sel"), Qt::Key_Up);
    EXPECT_EQ(Focused(), "TimeSIG5");
    EXPECT_EQ(CheckedOnScreen(), QStringList {"TimeSIG5"});
    EXPECT_EQ(window.Rows(), MeasureListing(0));

    // From there forwards, round past the disabled ones, to the first track button.
    QTest::keyClick(Radio("TimeSIG5"), Qt::Key_Right);
    EXPECT_EQ(Focused(), "Trk1Sel");
    EXPECT_EQ(CheckedOnScreen(), QStringList {"Trk1Sel"});
}

TEST(UserInput, BeforeTheFirstLoadEveryTimeSignatureButtonCanBeChosen)
{
    QtWindow window;
    window.Click("TimeSIG3");
    EXPECT_TRUE(window.Form().TimeSIG3->Checked());
    window.Click("TimeSIG20");
    EXPECT_TRUE(window.Form().TimeSIG20->Checked());
    EXPECT_FALSE(window.Widget<QRadioButton>("TimeSIG3")->isChecked());
    // A track button before any load lists nothing.
    window.Click("Trk2Sel");
    EXPECT_TRUE(window.Widget<QRadioButton>("Trk2Sel")->isChecked());
    EXPECT_FALSE(window.Widget<QRadioButton>("TimeSIG20")->isChecked());
    EXPECT_TRUE(window.Rows().isEmpty());
}

TEST_F(LoadedWindow, TypingGoesIntoTheEditsButNotTheReadOnlyOne)
{
    auto *setupFlag = window.Widget<QLineEdit>("SetupFlag");
    setupFlag->setFocus();
    setupFlag->setCursorPosition(2);
    QTest::keyClicks(setupFlag, "7");
    EXPECT_EQ(setupFlag->text(), "0A7");
    EXPECT_EQ(window.Form().SetupFlag->Text(), "0A7");

    // Typed characters reach the object as Shift-JIS.
    auto *songName = window.Widget<QLineEdit>("SSONG");
    songName->setFocus();
    songName->end(false);
    // A key that types a half-width katakana letter, as a Japanese keyboard layout sends it.
    QKeyEvent katakana(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "ｱ");
    QApplication::sendEvent(songName, &katakana);
    EXPECT_EQ(window.Form().SSONG->Text(), "\xC3\xDE\xD3SONG\xB1");
    EXPECT_EQ(songName->text(), "ﾃﾞﾓSONGｱ");

    // What Shift-JIS cannot hold becomes '?', in the object and so on the screen.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "é");
    QApplication::sendEvent(songName, &accented);
    EXPECT_EQ(window.Form().SSONG->Text(), "\xC3\xDE\xD3SONG\xB1?");
    EXPECT_EQ(songName->text(), "ﾃﾞﾓSONGｱ?");
    EXPECT_EQ(songName->cursorPosition(), 9);

    auto *seqType = window.Widget<QLineEdit>("SeqType");
    seqType->setFocus();
    QTest::keyClicks(seqType, "X");
    EXPECT_EQ(seqType->text(), "QTSONG01");
    EXPECT_EQ(window.Form().SeqType->Text(), "QTSONG01");

    // The next load overwrites what was typed.
    window.Click("FileOpen");
    EXPECT_EQ(setupFlag->text(), "0A");
}

} // namespace
