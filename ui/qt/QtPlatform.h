// The Qt side of the application object: the message loop shows the main form, errors appear in
// message boxes, and the open-file dialog is Qt's.
#pragma once

#include "ui/Forms.h"

#include <optional>
#include <string>

class QWidget;

// Installs the message loop and the error box on the application object, and gives the Qt
// application the program's icon and desktop id. A QApplication must exist. A `fileToOpen` is
// loaded into the main form once its window is shown, as RunMessageLoop does.
void InstallQtPlatform(
    TApplication &application, std::optional<std::string> fileToOpen = std::nullopt);

// Shows the main form and runs Qt's event loop until the form's window is closed. A `fileToOpen`
// is loaded first thing in the loop, as if it had been chosen in the form's open-file dialog, so
// that an error shows over the window in the usual box and the window goes on.
void RunMessageLoop(TForm &mainForm, const std::optional<std::string> &fileToOpen = std::nullopt);

// The file named on the command line: the first argument after the program's name, taken as a
// file name whatever it looks like, for the program has no options; nothing without one.
std::optional<std::string> FileArgument(int argc, char *argv[]);

// A message box with the error icon and an OK button, over the active window or else the shown
// main window.
void ShowErrorBox(const std::string &title, const std::string &text);

// Qt's open-file dialog, without filter, title or start folder: the chosen file's name in the local
// 8-bit encoding of file names, or nothing when the user cancels.
std::optional<std::string> ChooseFileToOpen(QWidget *parent);
