// Controls: a place in the window, a text, an enabled state, and announcements of what changes.
#pragma once

#include "Classes.h"

#include <functional>
#include <string>
#include <vector>

class TWinControl;

// What a screen must redraw after a control object changed.
enum class TChange {
    Text, // Caption or Text
    Enabled,
    Checked,
    TabStop,
    Items, // the list's lines were replaced as a whole (cleared, or a batch ended)
    ItemAdded, // one line was appended at the end of the list
};

enum class TColor { clWindow, clBtnFace };

// How a control's 8-bit text reads as characters: Shift-JIS (CP932), or a name of the file system
// in its own encoding (UTF-8 on Linux).
enum class TTextEncoding { ShiftJis, FileName };

// Told of every change of a control that a screen shows. A view attaches one per control.
using TChangeObserver = std::function<void(class TControl &control, TChange change)>;

class TControl : public TComponent
{
public:
    explicit TControl(TComponent *owner);
    ~TControl() override;

    TWinControl *Parent() const { return FParent; }
    void SetParent(TWinControl *parent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetBounds(int left, int top, int width, int height);

    // Caption and Text are one 8-bit (Shift-JIS) text under two names, as the platform has it.
    const std::string &Caption() const { return FText; }
    void SetCaption(const std::string &caption) { SetText(caption); }
    const std::string &Text() const { return FText; }
    void SetText(const std::string &text);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }

    TTextEncoding TextEncoding() const { return FTextEncoding; }
    void SetTextEncoding(TTextEncoding encoding) { FTextEncoding = encoding; }

    void SetObserver(TChangeObserver observer) { FObserver = std::move(observer); }

protected:
    void Announce(TChange change);

private:
    friend class TWinControl;
    TWinControl *FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    std::string FText;
    bool FEnabled = true;
    TColor FColor = TColor::clWindow;
    TTextEncoding FTextEncoding = TTextEncoding::ShiftJis;
    TChangeObserver FObserver;
};

// A control that can take the keyboard focus and be the parent of other controls.
class TWinControl : public TControl
{
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl *Controls(int index) const { return FControls.at(std::size_t(index)); }

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int order) { FTabOrder = order; }
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool stop);

private:
    friend class TControl;
    std::vector<TControl *> FControls;
    int FTabOrder = -1;
    bool FTabStop = false;
};
