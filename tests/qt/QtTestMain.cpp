// The Qt view's tests run on Qt's offscreen platform unless told otherwise, with one application
// object whose errors go to Qt's message box, as in the program.
#include "ui/Forms.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication qtApplication(argc, argv);
    TApplication application;
    Application = &application;
    InstallQtPlatform(application);
    return RUN_ALL_TESTS();
}
