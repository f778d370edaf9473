#include "StdCtrls.h"

#include "SysUtils.h"

#include <limits>
#include <new>

void TButton::Click()
{
    if (FOnClick)
        FOnClick(this);
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked == FChecked)
        return;
    FChecked = checked;
    SetTabStop(checked);
    Announce(TChange::Checked);
    if (!checked)
        return;
    if (TWinControl *parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto *other = dynamic_cast<TRadioButton *>(parent->Controls(i));
            if (other && other != this)
                other->SetChecked(false);
        }
    }
    if (FOnClick)
        FOnClick(this);
}

TStrings::TStrings(TListBox &owner)
    : FOwner(owner)
{ }

std::string_view TStrings::operator[](int index) const
{
    const std::size_t i = std::size_t(index);
    const std::uint32_t begin = i == 0 ? 0 : FEnds.at(i - 1);
    return std::string_view(FChars).substr(begin, FEnds.at(i) - begin);
}

int TStrings::Add(std::string_view line)
{
    if (FChars.size() + line.size() > std::numeric_limits<std::uint32_t>::max())
        throw EOutOfResources("The list cannot hold more text");
    try {
        FChars.append(line);
        FData.push_back(0);
        FEnds.push_back(std::uint32_t(FChars.size()));
    } catch (const std::bad_alloc &) {
        FChars.resize(FEnds.empty() ? 0 : FEnds.back());
        FData.resize(FEnds.size());
        throw EOutOfResources("Not enough memory for the list");
    }
    ++FChangeCount;
    if (FUpdateCount > 0)
        FChangedInUpdate = true;
    else
        FOwner.Announce(TChange::ItemAdded);
    return Count() - 1;
}

void TStrings::Clear()
{
    if (FEnds.empty())
        return;
    FChars.clear();
    FEnds.clear();
    FData.clear();
    ++FChangeCount;
    if (FUpdateCount > 0)
        FChangedInUpdate = true;
    else
        FOwner.Announce(TChange::Items);
}

void TStrings::BeginUpdate()
{
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0 || --FUpdateCount > 0 || !FChangedInUpdate)
        return;
    FChangedInUpdate = false;
    FOwner.Announce(TChange::Items);
}

TListBox::TListBox(TComponent *owner)
    : TWinControl(owner)
    , FItems(*this)
{ }
