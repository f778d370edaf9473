// The Qt side of the application object: the message loop shows the main form, errors appear in
// message boxes, and the open-file dialog is Qt's.
#pragma once

#include "ui/Forms.h"

#include <optional>
#include <string>

class QWidget;

// Installs the message loop and the error box on the application object, and gives the Qt
// application the program's icon and desktop id. A QApplication must exist.
void InstallQtPlatform(TApplication &application);

// Shows the main form and runs Qt's event loop until the form's window is closed.
void RunMessageLoop(TForm &mainForm);

// A message box with the error icon and an OK button.
void ShowErrorBox(const std::string &title, const std::string &text);

// Qt's open-file dialog, without filter, title or start folder: the chosen file's name in the local
// 8-bit encoding of file names, or nothing when the user cancels.
std::optional<std::string> ChooseFileToOpen(QWidget *parent);
