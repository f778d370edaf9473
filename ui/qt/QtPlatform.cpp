#include "QtPlatform.h"

#include "FormView.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>

namespace {

constexpr const char *kDesktopId = "io.github.kestro.KestroRead";

} // namespace

void InstallQtPlatform(TApplication &application, std::optional<std::string> fileToOpen)
{
    QApplication::setWindowIcon(QIcon(":/icons/kestro-read.png"));
    QGuiApplication::setDesktopFileName(kDesktopId);
    application.SetMessageLoop(
        [fileToOpen](TForm &mainForm) { RunMessageLoop(mainForm, fileToOpen); });
    application.SetExceptionPresenter(ShowErrorBox);
}

void RunMessageLoop(TForm &mainForm, const std::optional<std::string> &fileToOpen)
{
    TFormView view(mainForm);
    view.show();
    if (fileToOpen)
        view.OpenFileLater(*fileToOpen);
    QApplication::exec();
}

std::optional<std::string> FileArgument(int argc, char *argv[])
{
    if (argc < 2 || !argv[1])
        return std::nullopt;
    return std::string(argv[1]);
}

void ShowErrorBox(const std::string &title, const std::string &text)
{
    // A window still on its way to the screen, as at start-up, is not active yet.
    QWidget *over = QApplication::activeWindow();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (over)
            break;
        if (qobject_cast<TFormView *>(window) && window->isVisible())
            over = window;
    }
    // The title comes from the executable's file name; the message may hold a file's name.
    QMessageBox box(QMessageBox::Critical, QFile::decodeName(QByteArray::fromStdString(title)),
        QString::fromLocal8Bit(QByteArray::fromStdString(text)), QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> ChooseFileToOpen(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
