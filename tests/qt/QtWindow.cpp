#include "QtWindow.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kMaxPolls = 1000; // a script gives up after about ten seconds without its dialog

} // namespace

Bytes SongFile(int timeSignature, const Bytes &trackArea)
{
    Bytes file = {
        'Q', 'T', 'S', 'O', 'N', 'G', '0', '1', // 0..7 identifier
        0x0A, // 8 setup flag
        std::uint8_t(timeSignature), // 9
        0x00, 0x78, // 10, 11 tempo 120
        0xC3, 0xDE, 0xD3, 'S', 'O', 'N', 'G', 0x00, // 12..19 song name, half-width katakana first
        0, 1, 2, 3, 4, 5, 6, 7, // 20..27 channels
        0x01, 0x02, 0x0C, 0x00, 0x03, // 28..32 synth mode, voice type, voice number, rhythm
        0x00, // 33 unused
    };
    file.reserve(file.size() + trackArea.size());
    file.insert(file.end(), trackArea.begin(), trackArea.end());
    return file;
}

Bytes MeasureTracks(int count)
{
    Bytes area;
    for (int track = 0; track < count; ++track) {
        area.insert(area.end(), {0xF0, std::uint8_t(track)});
        area.insert(area.end(), std::size_t(track), 0xF5);
        area.push_back(0xF2);
    }
    area.push_back(0xF9);
    return area;
}

QStringList MeasureListing(int measures)
{
    QStringList lines {"--------(TRACK START)--------"};
    for (int i = 0; i < measures; ++i)
        lines << "-----------(MEAS)------------";
    lines << "---------(TRACK END)---------";
    return lines;
}

ModalScript::ModalScript(std::function<bool(QWidget &)> answer)
    : FAnswer(std::move(answer))
    , FAnswered(std::make_shared<bool>(false))
    , FAlive(std::make_shared<bool>(true))
{
    Poll();
}

ModalScript::~ModalScript()
{
    *FAlive = false;
}

void ModalScript::Poll()
{
    std::shared_ptr<bool> alive = FAlive;
    QTimer::singleShot(FPolls == 0 ? 0 : 10, [this, alive] {
        if (!*alive || *FAnswered)
            return;
        QWidget *modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (modal && FAnswer(*modal)) {
            *FAnswered = true;
            return;
        }
        if (++FPolls < kMaxPolls)
            Poll();
    });
}

QtWindow::QtWindow()
    : FForm(std::make_unique<TForm1>(nullptr))
    , FView(std::make_unique<TFormView>(*FForm))
{
    FView->show();
    FView->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(FView.get()));
}

QtWindow::~QtWindow()
{
    FView.reset();
    FForm.reset();
}

QString QtWindow::WriteFile(const QString &name, const Bytes &bytes)
{
    const QString path = PathOf(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    return path;
}

void QtWindow::LoadThroughDialog(const QString &path)
{
    auto script = ModalScript::When<QFileDialog>([path](QFileDialog &dialog) {
        dialog.selectFile(path);
        static_cast<QDialog &>(dialog).accept(); // QFileDialog::accept, protected there
    });
    Click("FileOpen");
    EXPECT_TRUE(script->Answered()) << "no open-file dialog was shown";
}

void QtWindow::Click(const char *name)
{
    QWidget *widget = Widget(name);
    ASSERT_NE(widget, nullptr) << name;
    QTest::mouseClick(widget, Qt::LeftButton);
}

QStringList Rows(TFormView &view)
{
    QStringList rows;
    auto *list = view.findChild<QAbstractItemView *>("TrackList", Qt::FindDirectChildrenOnly);
    for (int row = 0; row < list->model()->rowCount(); ++row)
        rows << list->model()->index(row, 0).data().toString();
    return rows;
}

QStringList Snapshot(TFormView &view)
{
    QStringList lines;
    for (QWidget *widget : view.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QString line = widget->objectName() + (widget->isEnabled() ? " enabled" : " disabled");
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            line += " text=" + edit->text();
        else if (auto *radio = qobject_cast<QRadioButton *>(widget))
            line += radio->isChecked() ? " checked" : " unchecked";
        else if (auto *label = qobject_cast<QLabel *>(widget))
            line += " caption=" + label->text();
        lines << line;
    }
    lines << Rows(view);
    return lines;
}

std::unique_ptr<ModalScript> CloseErrorBox(ErrorBox &seen)
{
    return ModalScript::When<QMessageBox>([&seen](QMessageBox &box) {
        seen = {box.icon(), box.standardButtons(), box.windowTitle(), box.text()};
        box.button(QMessageBox::Ok)->click();
    });
}
