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

void InstallQtPlatform(TApplication &application)
{
    QApplication::setWindowIcon(QIcon(":/icons/kestro-read.png"));
    QGuiApplication::setDesktopFileName(kDesktopId);
    application.SetMessageLoop(RunMessageLoop);
    application.SetExceptionPresenter(ShowErrorBox);
}

void RunMessageLoop(TForm &mainForm)
{
    TFormView view(mainForm);
    view.show();
    QApplication::exec();
}

void ShowErrorBox(const std::string &title, const std::string &text)
{
    // The title comes from the executable's file name; the message may hold a file's name.
    QMessageBox box(QMessageBox::Critical, QFile::decodeName(QByteArray::fromStdString(title)),
        QString::fromLocal8Bit(QByteArray::fromStdString(text)), QMessageBox::Ok,
        QApplication::activeWindow());
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
