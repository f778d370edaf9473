// The open-file dialog, as a component that asks whoever is installed as its chooser.
#pragma once

#include "Classes.h"

#include <functional>
#include <optional>
#include <string>

class TOpenDialog;

// Asks the user for a file: the chosen name as 8-bit local text, or nothing when cancelled. A
// screen installs the real dialog; tests and the command-line tool install a script.
using TFileChooser = std::function<std::optional<std::string>(TOpenDialog &dialog)>;

enum class TFileEditStyle { fsEdit, fsComboBox };

class TOpenDialog : public TComponent
{
public:
    using TComponent::TComponent;

    // Runs the dialog until the user closes it. On confirmation FileName becomes the chosen name;
    // on cancel it keeps the last one. Returns whether a file was confirmed.
    bool Execute();

    const std::string &FileName() const { return FFileName; }
    void SetFileName(std::string name) { FFileName = std::move(name); }

    // The dialog shows no filter, title or start folder, and adds no extension.
    const std::string &Filter() const { return FEmpty; }
    const std::string &Title() const { return FEmpty; }
    const std::string &InitialDir() const { return FEmpty; }
    const std::string &DefaultExt() const { return FEmpty; }
    TFileEditStyle FileEditStyle() const { return TFileEditStyle::fsEdit; }

    void SetChooser(TFileChooser chooser) { FChooser = std::move(chooser); }

private:
    std::string FFileName;
    const std::string FEmpty;
    TFileChooser FChooser;
};
