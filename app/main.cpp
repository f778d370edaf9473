// The kestro-read program: the window of the control layer, drawn by Qt.
#include "app/Startup.h"
#include "ui/Forms.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program reads no command line: Qt is given the program's name alone.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication qtApplication(qtArgc, argv);
    TApplication application;
    Application = &application;
    InstallQtPlatform(application);
    return RunKestroRead();
}
