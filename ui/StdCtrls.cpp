#include "StdCtrls.h"

#include "SysUtils.h"

#include <algorithm>
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
    return FLines.at(std::size_t(index));
}

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

} // namespace

// Room for `length` characters in the block being filled, or in the next one.
char *TStrings::Room(std::size_t length)
{
    if (FBlock < FBlocks.size() && FUsed + length <= FBlocks[FBlock].Size) {
        char *room = FBlocks[FBlock].Chars.get() + FUsed;
        FUsed += length;
        return room;
    }
    if (!FBlocks.empty())
        ++FBlock;
    if (FBlock == FBlocks.size() || FBlocks[FBlock].Size < length) {
        const std::size_t size = std::max(kBlockSize, length);
        FBlocks.insert(FBlocks.begin() + std::ptrdiff_t(FBlock),
            TBlock {std::make_unique<char[]>(size), size});
    }
    FUsed = length;
    return FBlocks[FBlock].Chars.get();
}

int TStrings::Add(std::string_view line)
{
    try {
        char *room = Room(line.size());
        std::copy(line.begin(), line.end(), room);
        FLines.emplace_back(room, line.size());
        try {
            FData.push_back(0);
        } catch (...) {
            FLines.pop_back();
            throw;
        }
    } catch (const std::bad_alloc &) {
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
    if (FLines.empty())
        return;
    FLines.clear();
    FData.clear();
    FBlock = 0;
    FUsed = 0;
    ++FChangeCount;
    if (FUpdateCount > 0)
        FChangedInUpdate = true;
    else
        FOwner.Announce(TChange::Items);
}

void TStrings::SetCapacity(int lines)
{
    if (lines > 0) {
        FLines.reserve(std::size_t(lines));
        FData.reserve(std::size_t(lines));
    }
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
