// Start-up: the application creates the window, runs it, and shows an error that escapes.
#include "app/Startup.h"

#include "app/Unit1.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, CreatesTheMainWindowRunsItAndReturnsZero)
{
    TApplication app;
    Application = &app;
    TForm *shown = nullptr;
    app.SetMessageLoop([&](TForm &form) { shown = &form; });
    EXPECT_EQ(RunKestroRead(), 0);
    EXPECT_NE(Form1, nullptr);
    EXPECT_EQ(shown, Form1);
    EXPECT_EQ(app.MainForm(), Form1);
    EXPECT_EQ(Form1->Owner(), &app);
    Application = nullptr;
}

TEST(Startup, AnErrorInTheLoopIsShownAndStillReturnsZero)
{
    TApplication app;
    app.SetExeName("/usr/bin/kestro-read");
    Application = &app;
    std::string shown;
    app.SetMessageLoop([](TForm &) { throw Exception("Display not available"); });
    app.SetExceptionPresenter(
        [&](const std::string &title, const std::string &text) { shown = title + ": " + text; });
    EXPECT_EQ(RunKestroRead(), 0);
    EXPECT_EQ(shown, "kestro-read: Display not available.");
    Application = nullptr;
}

} // namespace
