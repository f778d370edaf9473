// Opening a file without going through the dialog by hand: named on the command line, dropped on
// the window, or asked for with the Open key (Ctrl+O). Each must end exactly where the same file
// chosen in the open-file dialog ends, and an unreadable file must show the usual error box.
#include "QtWindow.h"
#include "app/Startup.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kDemo = QStringLiteral(KESTRO_EXAMPLES "/demo.seq");

// The usual error box for a file that cannot be read: the error icon, OK, the title from the
// executable's name, and a message naming the file and ending with a full stop.
void ExpectFileError(const ErrorBox &seen, const QString &file)
{
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.title, "qt_test");
    EXPECT_TRUE(seen.text.contains(file)) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.endsWith('.')) << seen.text.toStdString();
}

// The window as created, and after the demo has been chosen in the open-file dialog.
QStringList EmptyWindow()
{
    QtWindow window;
    return window.Snapshot();
}

QStringList DemoChosenInTheDialog()
{
    QtWindow window;
    window.LoadThroughDialog(kDemo);
    return window.Snapshot();
}

// Once the program's main window is shown and `ready` says it has settled, `look` is given it, and
// then the window is closed, which ends the program. Gives up after about ten seconds.
void WhenSettled(std::function<bool(TFormView &)> ready, std::function<void(TFormView &)> look,
    int pollsLeft = 1000)
{
    QTimer::singleShot(pollsLeft == 1000 ? 0 : 10, [=] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *view = qobject_cast<TFormView *>(window);
            if (!view || !view->isVisible())
                continue;
            if (ready(*view) || pollsLeft == 0) {
                if (pollsLeft == 0)
                    ADD_FAILURE() << "the window did not settle";
                else
                    look(*view);
                view->close();
                return;
            }
        }
        WhenSettled(ready, look, pollsLeft - 1);
    });
}

TEST(OpenFile, ByTheCommandLineArgument)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.seq");
    const QStringList empty = EmptyWindow();
    const QStringList loaded = DemoChosenInTheDialog();
    struct Row
    {
        const char *name;
        std::optional<QString> argument;
        bool error;
        const QStringList &shown;
    };
    const Row rows[] = {
        {"no argument: the window as created", std::nullopt, false, empty},
        {"a file: as if chosen in the dialog", kDemo, false, loaded},
        {"a file that cannot be read: the error over the empty window", missing, true, empty},
    };

    TApplication *const testApplication = Application;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TApplication program;
        InstallQtPlatform(program,
            row.argument ? std::optional(row.argument->toLocal8Bit().toStdString()) : std::nullopt);
        Application = &program;
        ErrorBox seen;
        auto box = CloseErrorBox(seen);
        QStringList shown;
        bool usable = false;
        WhenSettled(
            [&](TFormView &view) {
                // An error box is gone once its load has returned.
                if (row.error)
                    return box->Answered() && view.findChildren<QMessageBox *>().isEmpty();
                return !row.argument || !Rows(view).isEmpty();
            },
            [&](TFormView &view) {
                shown = Snapshot(view);
                auto *track2 = view.findChild<QRadioButton *>("Trk2Sel");
                QTest::mouseClick(track2, Qt::LeftButton);
                usable = track2->isChecked();
            });

        EXPECT_EQ(RunKestroRead(), 0);
        EXPECT_EQ(shown, row.shown);
        EXPECT_TRUE(usable) << "a track button could not be chosen";
        EXPECT_EQ(box->Answered(), row.error);
        if (row.error) {
            ExpectFileError(seen, missing);
        }
        if (row.argument && !row.error) {
            EXPECT_EQ(Form1->OpenDialog->FileName(), row.argument->toStdString());
        }
        Application = testApplication;
    }
}

// Sends a drag of `urls` over `target` and drops it there, then lets the posted load run. Returns
// whether the drag was taken.
bool DragAndDrop(QWidget &target, const QList<QUrl> &urls, Qt::DropActions actions)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The source is told the file is copied, never moved away.
    EXPECT_NE(drop.dropAction(), Qt::MoveAction);
    QCoreApplication::processEvents();
    return true;
}

TEST(OpenFile, ByDroppingItOnTheWindow)
{
    const QStringList empty = EmptyWindow();
    const QStringList loaded = DemoChosenInTheDialog();
    const QUrl demo = QUrl::fromLocalFile(kDemo);
    const QUrl web("https://example.org/demo.seq");
    const Qt::DropActions fileManager = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    enum Outcome { Refused, Loaded, Error };
    struct Row
    {
        const char *name;
        const char *target; // nullptr: the window itself
        QList<QUrl> urls;
        Qt::DropActions actions;
        Outcome outcome;
    };
    const Row rows[] = {
        {"one file on the window", nullptr, {demo}, fileManager, Loaded},
        {"one file on an edit box", "FilePath", {demo}, fileManager, Loaded},
        {"one file on the list", "TrackList", {demo}, fileManager, Loaded},
        {"several files: the first", nullptr, {demo, QUrl::fromLocalFile("/nonexistent.seq")},
            fileManager, Loaded},
        {"a web address is passed over", nullptr, {web, demo}, fileManager, Loaded},
        {"a link is enough", nullptr, {demo}, Qt::LinkAction, Loaded},
        {"only a web address", nullptr, {web}, fileManager, Refused},
        {"a drag that can only move the file", nullptr, {demo}, Qt::MoveAction, Refused},
        {"a file that cannot be read", nullptr, {QUrl::fromLocalFile("/nonexistent.seq")},
            fileManager, Error},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QtWindow window;
        QWidget *target = row.target ? window.Widget(row.target) : &window.View();
        ASSERT_NE(target, nullptr);
        ErrorBox seen;
        auto box = CloseErrorBox(seen);

        EXPECT_EQ(DragAndDrop(*target, row.urls, row.actions), row.outcome != Refused);
        EXPECT_EQ(window.Snapshot(), row.outcome == Loaded ? loaded : empty);
        EXPECT_EQ(box->Answered(), row.outcome == Error);
        if (row.outcome == Error) {
            ExpectFileError(seen, "/nonexistent.seq");
        }
        if (row.outcome == Loaded) {
            EXPECT_EQ(window.Form().OpenDialog->FileName(), kDemo.toStdString());
        }
    }
}

TEST(OpenFile, DropOnALoadedWindowKeepsTheDialogsTrackChoice)
{
    // Time-signature index 0x40 checks no time-signature button, so the checked track stays.
    QtWindow window;
    window.LoadThroughDialog(window.WriteFile("first.seq", SongFile(0x40, MeasureTracks(4))));
    window.Click("Trk3Sel");
    const QString second = window.WriteFile("second.seq", SongFile(0x40, MeasureTracks(5)));
    ASSERT_TRUE(DragAndDrop(window.View(), {QUrl::fromLocalFile(second)}, Qt::CopyAction));
    EXPECT_TRUE(window.Form().Trk3Sel->Checked());
    EXPECT_EQ(window.Rows(), MeasureListing(2));
    EXPECT_EQ(window.Widget<QLineEdit>("FilePath")->text(), second);
}

TEST(OpenKey, CtrlOClicksTheFileOpenButtonFromAnyControl)
{
    const QStringList loaded = DemoChosenInTheDialog();
    for (const char *focused : {"FilePath", "SeqType", "TrackList", "FileOpen", "Tempo"}) {
        SCOPED_TRACE(focused);
        QtWindow window;
        QWidget *widget = window.Widget(focused);
        widget->setFocus();
        auto script = ModalScript::When<QFileDialog>([](QFileDialog &dialog) {
            dialog.selectFile(kDemo);
            static_cast<QDialog &>(dialog).accept(); // QFileDialog::accept, protected there
        });
        QTest::keyClick(widget, Qt::Key_O, Qt::ControlModifier);
        EXPECT_TRUE(script->Answered()) << "no open-file dialog was shown";
        EXPECT_EQ(window.Snapshot(), loaded);
    }
}

TEST(OpenKey, AnErrorOfTheClickIsShownAndTheWindowGoesOn)
{
    QtWindow window;
    window.Form().FileOpen->SetOnClick([](TObject *) { throw Exception("Something failed"); });
    ErrorBox seen;
    auto box = CloseErrorBox(seen);
    QTest::keyClick(window.Widget("FilePath"), Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(box->Answered());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, "Something failed.");
    window.Click("Trk2Sel");
    EXPECT_TRUE(window.Form().Trk2Sel->Checked());
}

} // namespace
