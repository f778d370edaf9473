// The standard controls of a dialog window.
#pragma once

#include "Controls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Shows its caption; takes the width of the caption.
class TLabel : public TControl
{
public:
    using TControl::TControl;

    bool AutoSize() const { return true; }
};

class TEdit : public TWinControl
{
public:
    using TWinControl::TWinControl;

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }

private:
    bool FReadOnly = false;
};

class TButton : public TWinControl
{
public:
    using TWinControl::TWinControl;

    const TNotifyEvent &OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
    // What a user's click does: runs the handler.
    void Click();

private:
    TNotifyEvent FOnClick;
};

// All radio buttons with the same parent are one exclusive group. Every change of Checked, by the
// program or by the user, goes through SetChecked:
//  - setting the state it already has does nothing, and runs no handler;
//  - the button is a tab stop exactly while it is checked;
//  - checking unchecks every other radio button of the parent (running none of their handlers),
//    then runs this button's OnClick;
//  - Enabled only tells the screen whether the user may operate the button.
class TRadioButton : public TWinControl
{
public:
    using TWinControl::TWinControl;

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);

    const TNotifyEvent &OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

private:
    bool FChecked = false;
    TNotifyEvent FOnClick;
};

// A captioned frame. Its items would be radio buttons of its own; this window gives it none.
class TRadioGroup : public TWinControl
{
public:
    using TWinControl::TWinControl;

    int ItemCount() const { return 0; }
};

class TListBox;

// The lines of a list box. Their characters are kept in blocks that are never moved and are used
// again after Clear, so a long listing neither copies its text as it grows nor asks the system for
// fresh memory when it is listed again. Between BeginUpdate and EndUpdate the list announces
// nothing; EndUpdate then announces the whole list once.
class TStrings
{
public:
    explicit TStrings(TListBox &owner);

    int Count() const { return int(FLines.size()); }
    std::string_view operator[](int index) const;
    std::string Strings(int index) const { return std::string((*this)[index]); }

    // Appends one line at the end and returns its index. Throws EOutOfResources when the list
    // cannot take it.
    int Add(std::string_view line);
    void Clear();
    // Room for this many lines, so that the list does not grow while they are added.
    void SetCapacity(int lines);

    // A number kept with each line for whoever wrote it; 0 for a line just added.
    std::uint64_t ItemData(int index) const { return FData.at(std::size_t(index)); }
    void SetItemData(int index, std::uint64_t data) { FData.at(std::size_t(index)) = data; }

    void BeginUpdate();
    void EndUpdate();

    // Counts every change of the lines, so that a writer can tell whether they are still its own.
    std::uint64_t ChangeCount() const { return FChangeCount; }

private:
    struct TBlock
    {
        std::unique_ptr<char[]> Chars;
        std::size_t Size;
    };
    char *Room(std::size_t length);

    TListBox &FOwner;
    std::vector<TBlock> FBlocks;
    std::size_t FBlock = 0; // the block being filled
    std::size_t FUsed = 0; // characters used in it
    std::vector<std::string_view> FLines;
    std::vector<std::uint64_t> FData;
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
    std::uint64_t FChangeCount = 0;
};

class TListBox : public TWinControl
{
public:
    explicit TListBox(TComponent *owner);

    TStrings *Items() { return &FItems; }
    const TStrings *Items() const { return &FItems; }

    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height) { FItemHeight = height; }
    bool Sorted() const { return false; }

private:
    friend class TStrings;
    TStrings FItems;
    int FItemHeight = 13;
};
