// A TForm1 with its window on screen (offscreen), and scripts for the modal dialogs it opens.
#pragma once

#include "app/Unit1.h"
#include "ui/qt/FormView.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Lets the test framework print Qt's strings in its messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using Bytes = std::vector<std::uint8_t>;

// A song file: the 34-byte header, then the track area. The header's identifier is "QTSONG01",
// setup flag 0x0A, tempo 120, song name "ﾃﾞﾓSONG" (half-width katakana), channels 0..7, synth mode
// 1, voice type 2, voice number 12, rhythm mode 0, rhythm number 3; `timeSignature` is byte 9.
Bytes SongFile(int timeSignature, const Bytes &trackArea);
// Tracks 0..count-1, track k holding k measure marks (F0 k, k x F5, F2), then the list end mark.
Bytes MeasureTracks(int count);
// The listing of such a track: TRACK START, `measures` MEAS lines, TRACK END.
QStringList MeasureListing(int measures);

// The rows of a form view's TrackList as its model gives them to the screen.
QStringList Rows(TFormView &view);
// Every control's shown state in a form view, one line each: to compare before and after.
QStringList Snapshot(TFormView &view);

// Answers the next modal dialog (or popup menu) of class T once it is shown, at most one.
class ModalScript
{
public:
    template<class T>
    static std::unique_ptr<ModalScript> When(std::function<void(T &)> answer)
    {
        return std::unique_ptr<ModalScript>(new ModalScript([answer](QWidget &modal) {
            if (auto *dialog = qobject_cast<T *>(&modal)) {
                answer(*dialog);
                return true;
            }
            return false;
        }));
    }
    ~ModalScript();

    bool Answered() const { return *FAnswered; }

private:
    explicit ModalScript(std::function<bool(QWidget &)> answer);
    void Poll();

    std::function<bool(QWidget &)> FAnswer;
    std::shared_ptr<bool> FAnswered;
    std::shared_ptr<bool> FAlive;
    int FPolls = 0;
};

// What an error box showed.
struct ErrorBox
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
};

// Answers the next error box with OK, and keeps what it showed.
std::unique_ptr<ModalScript> CloseErrorBox(ErrorBox &seen);

class QtWindow
{
public:
    QtWindow();
    ~QtWindow();

    TForm1 &Form() { return *FForm; }
    TFormView &View() { return *FView; }

    template<class T = QWidget>
    T *Widget(const char *name)
    {
        return FView->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    }

    // The path of a file in this window's temporary folder.
    QString PathOf(const QString &name) const { return FDir.filePath(name); }
    // Writes a file into that folder and returns its path.
    QString WriteFile(const QString &name, const Bytes &bytes);
    // Clicks the file-open button with the mouse and confirms `path` in the open-file dialog.
    void LoadThroughDialog(const QString &path);
    // Clicks a widget with the mouse, at its centre.
    void Click(const char *name);

    QStringList Rows() { return ::Rows(*FView); }
    QStringList Snapshot() { return ::Snapshot(*FView); }

private:
    std::unique_ptr<TForm1> FForm;
    std::unique_ptr<TFormView> FView;
    QTemporaryDir FDir;
};
