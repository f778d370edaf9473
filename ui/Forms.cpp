#include "Forms.h"

#include "Dialogs.h"
#include "StdCtrls.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <new>
#include <unistd.h>

TApplication *Application = nullptr;

TForm::TForm(TComponent *owner)
    : TWinControl(owner)
{ }

namespace {

TComponent *CreateComponent(TComponentClass kind, TForm *form)
{
    switch (kind) {
    case TComponentClass::Label:
        return new TLabel(form);
    case TComponentClass::Edit:
        return new TEdit(form);
    case TComponentClass::Button:
        return new TButton(form);
    case TComponentClass::RadioButton:
        return new TRadioButton(form);
    case TComponentClass::RadioGroup:
        return new TRadioGroup(form);
    case TComponentClass::ListBox:
        return new TListBox(form);
    case TComponentClass::OpenDialog:
        return new TOpenDialog(form);
    }
    throw Exception("Unknown component class");
}

void SetProperties(TComponent *component, const TComponentDescription &row, TForm *form)
{
    component->SetName(std::string(row.Name));
    auto *control = dynamic_cast<TControl *>(component);
    if (!control)
        return;
    control->SetParent(form);
    control->SetBounds(row.Left, row.Top, row.Width, row.Height);
    control->SetCaption(std::string(row.Caption));
    if (row.Flags & cfBtnFace)
        control->SetColor(TColor::clBtnFace);
    if (row.Flags & cfFileNameText)
        control->SetTextEncoding(TTextEncoding::FileName);
    if (auto *win = dynamic_cast<TWinControl *>(control)) {
        win->SetTabOrder(row.TabOrder);
        win->SetTabStop(row.Flags & cfTabStop);
    }
    if (auto *edit = dynamic_cast<TEdit *>(control))
        edit->SetReadOnly(row.Flags & cfReadOnly);
    if (auto *list = dynamic_cast<TListBox *>(control))
        list->SetItemHeight(row.ItemHeight);
}

void BindClick(TComponent *component, const TNotifyEvent &method)
{
    if (auto *button = dynamic_cast<TButton *>(component))
        button->SetOnClick(method);
    else if (auto *radio = dynamic_cast<TRadioButton *>(component))
        radio->SetOnClick(method);
    else
        throw Exception("Component " + component->Name() + " has no click event");
}

} // namespace

void TForm::ReadDescription(const TFormDescription &description,
    std::span<const TPublishedField> fields, std::span<const TPublishedMethod> methods)
{
    SetName(std::string(description.Name));
    SetCaption(std::string(description.Caption));
    SetBounds(description.Left, description.Top, description.ClientWidth, description.ClientHeight);
    FBorderStyle = description.BorderStyle;
    FClientWidth = description.ClientWidth;
    FClientHeight = description.ClientHeight;
    FFont = {std::string(description.Font.Name), description.Font.Height,
        std::string(description.Font.Charset)};
    FPixelsPerInch = description.PixelsPerInch;
    FTextHeight = description.TextHeight;

    for (const TComponentDescription &row : description.Components)
        SetProperties(CreateComponent(row.Class, this), row, this);

    for (const TPublishedField &field : fields) {
        TComponent *component = FindComponent(field.Name);
        if (!component || !field.Bind(component))
            throw Exception(
                "Component " + std::string(field.Name) + " is missing or of the wrong class");
    }
    for (const TComponentDescription &row : description.Components) {
        if (row.OnClick.empty())
            continue;
        auto method = std::find_if(methods.begin(), methods.end(),
            [&row](const TPublishedMethod &m) { return m.Name == row.OnClick; });
        if (method == methods.end())
            throw Exception("Method " + std::string(row.OnClick) + " not found");
        BindClick(FindComponent(row.Name), method->Method);
    }
}

std::string ApplicationTitle(std::string_view executablePath)
{
    std::string_view name = executablePath.substr(executablePath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = char(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

namespace {

std::string RunningExecutable()
{
    std::array<char, 4096> path {};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), std::size_t(length)) : std::string();
}

} // namespace

TApplication::TApplication()
    : TComponent(nullptr)
    , FExeName(RunningExecutable())
{ }

void TApplication::Initialize() { }

void TApplication::Run()
{
    if (FMainForm && FMessageLoop)
        FMessageLoop(*FMainForm);
}

void TApplication::ShowException(const Exception &error)
{
    const std::string text = error.Message() + ".";
    if (FPresenter)
        FPresenter(Title(), text);
    else
        std::fprintf(stderr, "%s: %s\n", Title().c_str(), text.c_str());
}

void TApplication::HandleException()
{
    try {
        throw;
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        ShowException(error);
    } catch (const std::bad_alloc &) {
        ShowException(EOutOfResources("Out of memory"));
    } catch (const std::exception &error) {
        ShowException(Exception(error.what()));
    }
}
