// The application object: the title rule, how errors are shown, the message loop hook.
#include "ui/Forms.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTitle, FileNameWithoutFolderCutAtTheFirstDotRestInLowerCase)
{
    const struct
    {
        const char *path;
        const char *title;
    } rows[] = {
        {"/usr/bin/kestro-read", "kestro-read"},
        {"/opt/Tools/KESTRO.Read.exe", "Kestro"},
        {"Project1.exe", "Project1"},
        {"/a.b/ViewerApp", "Viewerapp"},
        {"", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(ApplicationTitle(row.path), row.title);
    }
}

class ShownErrors : public ::testing::Test
{
protected:
    ShownErrors()
    {
        App.SetExeName("/usr/bin/KESTRO-READ");
        App.SetExceptionPresenter([this](const std::string &title, const std::string &text) {
            Shown.push_back(title + "|" + text);
        });
    }
    void Raise(const std::function<void()> &handler)
    {
        try {
            handler();
        } catch (...) {
            App.HandleException();
        }
    }

    TApplication App;
    std::vector<std::string> Shown;
};

TEST_F(ShownErrors, MessageFollowedByAFullStopUnderTheTitle)
{
    App.ShowException(Exception("Cannot open file \"x\". No such file or directory"));
    EXPECT_EQ(Shown,
        (std::vector<std::string> {
            "Kestro-read|Cannot open file \"x\". No such file or directory."}));
}

TEST_F(ShownErrors, HandlerErrorsAreShownAndAbortIsDropped)
{
    Raise([] { throw EOutOfResources("The list is full"); });
    Raise([] { throw EAbort("quiet"); });
    Raise([] { throw std::runtime_error("plain"); });
    EXPECT_EQ(
        Shown, (std::vector<std::string> {"Kestro-read|The list is full.", "Kestro-read|plain."}));
}

TEST(Application, CreateFormMakesTheFirstFormTheMainFormAndRunShowsIt)
{
    TApplication app;
    TForm *first = nullptr;
    TForm *second = nullptr;
    app.CreateForm(first);
    app.CreateForm(second);
    EXPECT_EQ(app.MainForm(), first);
    EXPECT_EQ(first->Owner(), &app);
    TForm *shown = nullptr;
    app.SetMessageLoop([&](TForm &form) { shown = &form; });
    app.Run();
    EXPECT_EQ(shown, first);
}

} // namespace
