// A whole load through the window: the open-file dialog and the error box are Qt's own, answered
// by scripts; what the header, the buttons and the list show afterwards.
#include "QtWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

const QString kDemo = QStringLiteral(KESTRO_EXAMPLES "/demo.seq");

QString EditText(QtWindow &window, const char *name)
{
    return window.Widget<QLineEdit>(name)->text();
}

TEST(Load, WholeLoadThroughTheOpenFileDialog)
{
    QtWindow window;
    window.LoadThroughDialog(kDemo);

    EXPECT_EQ(EditText(window, "FilePath"), kDemo);
    EXPECT_EQ(window.Form().OpenDialog->FileName(), kDemo.toStdString());
    struct Field
    {
        const char *edit;
        const char *text;
    };
    // The demo's header: "SEQFILE1", setup 01, time signature 3, tempo 00 78, song name ﾃﾞﾓSONG,
    // channels 0..7, synth mode 1, voice type 0, voice number 12, rhythm mode 0, rhythm number 3.
    const Field fields[] = {
        {"SeqType", "SEQFILE1"},
        {"SetupFlag", "01"},
        {"TimeSIG", "03"},
        {"Tempo", "120"},
        {"SSONG", "ﾃﾞﾓSONG"},
        {"Trk1Tch", "00"},
        {"Trk2Tch", "01"},
        {"Trk3Tch", "02"},
        {"Trk4Tch", "03"},
        {"Trk5Tch", "04"},
        {"Trk6Tch", "05"},
        {"Trk7Tch", "06"},
        {"Trk8Tch", "07"},
        {"SynthMode", "1:PERFORMANCE"},
        {"VoiceType", "0:INTERNAL"},
        {"VoiceNumber", "12"},
        {"RhythmMode", "0:PATTERN"},
        {"RhythmNumber", "3"},
    };
    for (const Field &field : fields)
        EXPECT_EQ(EditText(window, field.edit), QString::fromUtf8(field.text)) << field.edit;

    // Of the time-signature buttons only TimeSIG3 is enabled, and none is checked; Trk1Sel is.
    for (int n = 0; n < 28; ++n) {
        const QString name = QString("TimeSIG%1").arg(n);
        auto *radio = window.Widget<QRadioButton>(name.toLatin1().constData());
        EXPECT_EQ(radio->isEnabled(), n == 3) << name.toStdString();
        EXPECT_FALSE(radio->isChecked()) << name.toStdString();
    }
    for (int k = 1; k <= 8; ++k) {
        const QString name = QString("Trk%1Sel").arg(k);
        EXPECT_EQ(window.Widget<QRadioButton>(name.toLatin1().constData())->isChecked(), k == 1);
    }

    // Track 1 of the demo: F0 00 05 83 3C 40 10 F5 FC 12 01 30 C1 05 3C 64 C1 05 BC FA 3C 10 FB 07
    // 64 01 F2.
    const QStringList track1 = {
        "--------(TRACK START)--------",
        " Short Time: 005",
        " ShortNote Duration(HEX): 03   NoteNumber(HEX):3C   Velocity:064",
        " Short Time: 016",
        "-----------(MEAS)------------",
        " ProgramChange(HEX): FC   Number(HEX):12",
        " Long Time: 0176",
        " LongNote Duration(HEX): 085   NoteNumber(HEX):3C   Velocity:100",
        " LongNote40 Duration(HEX): 085   NoteNumber:3C",
        " PolyphonicAfterTouch(HEX): FA   NoteNumber(HEX):3C   Velocity(HEX):10",
        " ControlChange(HEX): FB   Control(HEX):07   Velocity(HEX):64",
        " Short Time: 001",
        "---------(TRACK END)---------",
    };
    EXPECT_EQ(window.Rows(), track1);
    auto *list = window.Widget<QAbstractItemView>("TrackList");
    EXPECT_EQ(list->visualRect(list->model()->index(3, 0)).height(), 12);
    EXPECT_EQ(list->visualRect(list->model()->index(3, 0)).top(), 3 * 12);
}

TEST(Load, CancelBeforeAnyFileChangesNothing)
{
    QtWindow window;
    const QStringList before = window.Snapshot();
    auto script = ModalScript::When<QFileDialog>([](QFileDialog &dialog) { dialog.reject(); });
    window.Click("FileOpen");
    EXPECT_TRUE(script->Answered());
    EXPECT_EQ(window.Snapshot(), before);
    EXPECT_EQ(window.Form().OpenDialog->FileName(), "");
}

TEST(Load, UnreadableFileShowsTheErrorBoxAndChangesNothing)
{
    struct Row
    {
        const char *name;
        // Prepares the unreadable file and returns what the dialog is to answer (empty: cancel,
        // which loads the last file again).
        std::function<QString(QtWindow &window, const QString &loaded)> prepare;
    };
    const Row rows[] = {
        {"file removed since its load, dialog cancelled",
            [](QtWindow &, const QString &loaded) {
                std::remove(loaded.toLocal8Bit().constData());
                return QString();
            }},
        {"a named pipe chosen in the dialog",
            [](QtWindow &window, const QString &) {
                const QString pipe = window.PathOf("pipe.seq");
                EXPECT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
                return pipe;
            }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QtWindow window;
        const QString loaded = window.WriteFile("song.seq", SongFile(9, MeasureTracks(3)));
        window.LoadThroughDialog(loaded);
        window.Click("Trk3Sel");
        const QStringList before = window.Snapshot();

        const QString answer = row.prepare(window, loaded);
        auto dialog = ModalScript::When<QFileDialog>([answer](QFileDialog &dialog) {
            if (answer.isEmpty())
                return dialog.reject();
            dialog.selectFile(answer);
            static_cast<QDialog &>(dialog).accept(); // QFileDialog::accept, protected there
        });
        ErrorBox seen;
        auto box = CloseErrorBox(seen);
        window.Click("FileOpen");

        ASSERT_TRUE(box->Answered());
        EXPECT_EQ(seen.icon, QMessageBox::Critical);
        EXPECT_EQ(seen.buttons, QMessageBox::Ok);
        // The title: the executable's name, its first character as it is, the rest in lower case.
        EXPECT_EQ(seen.title, "qt_test");
        EXPECT_TRUE(seen.text.endsWith('.')) << seen.text.toStdString();
        EXPECT_TRUE(seen.text.contains(answer.isEmpty() ? loaded : answer));
        EXPECT_EQ(window.Snapshot(), before);
    }
}

TEST(Load, ErrorEscapingAHandlerIsShownAndTheWindowGoesOn)
{
    struct Row
    {
        const char *name;
        std::function<void()> raise;
        const char *shown; // nullptr: no box
    };
    const Row rows[] = {
        {"error", [] { throw Exception("Something failed"); }, "Something failed."},
        {"list refusing a line", [] { throw EOutOfResources("The list is full"); },
            "The list is full."},
        {"silent abort", [] { throw EAbort("Operation aborted"); }, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QtWindow window;
        window.Form().FileOpen->SetOnClick([&row](TObject *) { row.raise(); });
        ErrorBox seen;
        auto box = CloseErrorBox(seen);
        window.Click("FileOpen");
        EXPECT_EQ(box->Answered(), row.shown != nullptr);
        if (row.shown) {
            EXPECT_EQ(seen.icon, QMessageBox::Critical);
            EXPECT_EQ(seen.buttons, QMessageBox::Ok);
            EXPECT_EQ(seen.title, "qt_test");
            EXPECT_EQ(seen.text, row.shown);
        }
        // Still usable.
        window.Click("Trk2Sel");
        EXPECT_TRUE(window.Form().Trk2Sel->Checked());
    }
}

TEST(Load, ScreenshotOfTheDemo)
{
    QtWindow window;
    window.LoadThroughDialog(kDemo);
    const QImage shot = window.View().grab().toImage();
    EXPECT_EQ(shot.size(), QSize(615, 381));
    const QString path = QStringLiteral(KESTRO_ARTEFACTS "/kestro-read-demo.png");
    EXPECT_TRUE(shot.save(path));
    ::testing::Test::RecordProperty("screenshot", path.toStdString());
}

// About 65,000 events in one track: the listing reaches the screen whole, and the time it takes
// is reported.
TEST(Load, LargestTrackIsListedWhole)
{
    QtWindow window;
    constexpr int kMeasures = 65000;
    Bytes area {0xF0, 0x00};
    area.insert(area.end(), kMeasures, 0xF5);
    area.insert(area.end(), {0xF2, 0xF9});
    const QString path = window.WriteFile("large.seq", SongFile(0x40, area));
    window.Form().OpenDialog->SetChooser(
        [path](TOpenDialog &) { return std::optional(path.toStdString()); });
    auto *list = window.Widget<QAbstractItemView>("TrackList");

    QElapsedTimer timer;
    timer.start();
    window.Click("FileOpen");
    list->repaint();
    const qint64 elapsed = timer.elapsed();
    std::printf("loading and showing a track of %d events took %lld ms\n", kMeasures + 2,
        static_cast<long long>(elapsed));
    ::testing::Test::RecordProperty("load_ms", std::to_string(elapsed));

    QAbstractItemModel *model = list->model();
    ASSERT_EQ(model->rowCount(), kMeasures + 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), "--------(TRACK START)--------");
    EXPECT_EQ(model->index(32768, 0).data().toString(), "-----------(MEAS)------------");
    EXPECT_EQ(model->index(kMeasures + 1, 0).data().toString(), "---------(TRACK END)---------");
    // The last line can be scrolled to: rows of 12 pixels all the way down.
    list->scrollToBottom();
    const QRect last = list->visualRect(model->index(kMeasures + 1, 0));
    EXPECT_EQ(last.height(), 12);
    EXPECT_TRUE(list->viewport()->rect().contains(last.center()));
}

} // namespace

namespace {

// A file's name is shown as the file system spells it (UTF-8), not read as Shift-JIS; typing into
// the path's edit keeps the same encoding.
TEST(Load, NonAsciiFileNameShownAsItIs)
{
    QtWindow window;
    QFile demo(kDemo);
    ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
    const QByteArray bytes = demo.readAll();
    const QString path
        = window.WriteFile(QStringLiteral("曲 ﾃﾞﾓ é.seq"), Bytes(bytes.begin(), bytes.end()));
    window.LoadThroughDialog(path);
    EXPECT_EQ(EditText(window, "FilePath"), path);
    EXPECT_EQ(window.Form().FilePath->Text(), QFile::encodeName(path).toStdString());

    auto *edit = window.Widget<QLineEdit>("FilePath");
    edit->setFocus();
    edit->end(false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QStringLiteral("ü"));
    QApplication::sendEvent(edit, &press);
    EXPECT_EQ(window.Form().FilePath->Text(),
        QFile::encodeName(path + QStringLiteral("ü")).toStdString());
}

} // namespace
