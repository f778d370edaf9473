// The program's start-up with the Qt message loop: the window is shown, and closing it ends the
// program with exit code 0.
#include "app/Startup.h"

#include "QtWindow.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Closes the first visible form window once the message loop shows it, and remembers its caption.
void CloseWindowWhenShown(QString &caption, int pollsLeft = 1000)
{
    QTimer::singleShot(pollsLeft == 1000 ? 0 : 10, [&caption, pollsLeft] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<TFormView *>(window) && window->isVisible()) {
                caption = window->windowTitle();
                window->close();
                return;
            }
        }
        if (pollsLeft > 0)
            CloseWindowWhenShown(caption, pollsLeft - 1);
    });
}

TEST(Startup, ClosingTheWindowEndsTheProgramWithExitCodeZero)
{
    TApplication *const testApplication = Application;
    {
        TApplication program;
        InstallQtPlatform(program);
        Application = &program;
        QString caption;
        CloseWindowWhenShown(caption);
        EXPECT_EQ(RunKestroRead(), 0);
        EXPECT_EQ(caption, "KESTRO read");
        EXPECT_EQ(program.MainForm(), Form1);
    }
    Application = testApplication;
}

} // namespace
