// Forms, and the application object that creates them and runs the message loop.
#pragma once

#include "Classes.h"
#include "Controls.h"
#include "SysUtils.h"
#include "WindowDescription.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TFont
{
    std::string Name; // Shift-JIS
    int Height = 0;
    std::string Charset;
};

// A published reference or handler of a form class, bound by name when the form reads its
// description.
struct TPublishedField
{
    std::string_view Name;
    std::function<bool(TComponent *component)> Bind; // false when the class does not match
};

struct TPublishedMethod
{
    std::string_view Name;
    TNotifyEvent Method;
};

class TForm : public TWinControl
{
public:
    explicit TForm(TComponent *owner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    int ClientWidth() const { return FClientWidth; }
    int ClientHeight() const { return FClientHeight; }
    const TFont &Font() const { return FFont; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    int TextHeight() const { return FTextHeight; }

protected:
    // Creates every component of the description with this form as owner (and as parent of the
    // controls), sets their properties, then binds the fields and the click handlers by name.
    void ReadDescription(const TFormDescription &description,
        std::span<const TPublishedField> fields, std::span<const TPublishedMethod> methods);

private:
    TBorderStyle FBorderStyle = TBorderStyle::bsSizeable;
    int FClientWidth = 0;
    int FClientHeight = 0;
    TFont FFont;
    int FPixelsPerInch = 96;
    int FTextHeight = 0;
};

// The title rule: the executable's file name without its folder, cut at its first full stop, every
// character after the first in lower case.
std::string ApplicationTitle(std::string_view executablePath);

class TApplication : public TComponent
{
public:
    // Shows the main form and dispatches the user's input until it is closed.
    using TMessageLoop = std::function<void(TForm &mainForm)>;
    // Shows an error to the user: the caption and the text of a message box.
    using TExceptionPresenter
        = std::function<void(const std::string &title, const std::string &text)>;

    TApplication();

    void Initialize();
    template<class TFormClass>
    void CreateForm(TFormClass *&reference)
    {
        auto *form = new TFormClass(this);
        reference = form;
        if (!FMainForm)
            FMainForm = form;
    }
    void Run();

    TForm *MainForm() const { return FMainForm; }
    std::string Title() const { return ApplicationTitle(FExeName); }
    const std::string &ExeName() const { return FExeName; }
    void SetExeName(std::string path) { FExeName = std::move(path); }

    // Message box text: the message followed by a full stop; caption: Title().
    void ShowException(const Exception &error);
    // What the message dispatch does with an exception escaping a handler; call it in a catch
    // block. EAbort is dropped, every other error is shown, and the program goes on.
    void HandleException();

    void SetMessageLoop(TMessageLoop loop) { FMessageLoop = std::move(loop); }
    void SetExceptionPresenter(TExceptionPresenter presenter) { FPresenter = std::move(presenter); }

private:
    TForm *FMainForm = nullptr;
    std::string FExeName;
    TMessageLoop FMessageLoop;
    TExceptionPresenter FPresenter;
};

// The one application object, set by the program's entry point.
extern TApplication *Application;
