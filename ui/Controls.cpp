#include "Controls.h"

#include <algorithm>

TControl::TControl(TComponent *owner)
    : TComponent(owner)
{ }

TControl::~TControl()
{
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent == FParent)
        return;
    if (FParent)
        std::erase(FParent->FControls, this);
    FParent = parent;
    if (FParent)
        FParent->FControls.push_back(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
}

void TControl::SetText(const std::string &text)
{
    if (text == FText)
        return;
    FText = text;
    Announce(TChange::Text);
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Announce(TChange::Enabled);
}

void TControl::Announce(TChange change)
{
    if (FObserver)
        FObserver(*this, change);
}

TWinControl::~TWinControl()
{
    for (TControl *child : FControls)
        child->FParent = nullptr;
}

void TWinControl::SetTabStop(bool stop)
{
    if (stop == FTabStop)
        return;
    FTabStop = stop;
    Announce(TChange::TabStop);
}
