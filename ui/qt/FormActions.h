// What a form on screen offers beyond its controls: opening a file named outside its open-file
// dialog (on the command line, or dropped on the window), and the button that the Open key
// (Ctrl+O) clicks. Of the program's forms only the main window offers them.
#pragma once

#include "ui/Forms.h"
#include "ui/StdCtrls.h"

#include <functional>
#include <string>

struct TFormActions
{
    // Loads the file of this name as if it had been chosen in the form's open-file dialog; throws
    // what that load throws. Empty when the form opens no files by name.
    std::function<void(const std::string &name)> OpenFile;
    // Clicked by the Open key; null when the form has none.
    TButton *OpenButton = nullptr;
};

TFormActions FormActionsOf(TForm &form);
