// The program's entry: the window of the control layer, drawn by Qt.
#include "app/Startup.h"
#include "ui/Forms.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt is given the program's name alone, so that it reads no options; the one argument the
    // program takes is a file to open.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication qtApplication(qtArgc, argv);
    TApplication application;
    Application = &application;
    InstallQtPlatform(application, FileArgument(argc, argv));
    return RunKestroRead();
}
