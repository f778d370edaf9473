// The stored description from which a form builds itself: the window and each of its components.
#pragma once

#include "Controls.h"

#include <span>
#include <string_view>

enum class TComponentClass { Label, Edit, Button, RadioButton, RadioGroup, ListBox, OpenDialog };

enum class TBorderStyle { bsSizeable, bsDialog };

enum TComponentFlag : unsigned {
    cfNone = 0,
    cfTabStop = 1, // reached by the Tab key from the start
    cfReadOnly = 2,
    cfBtnFace = 4, // drawn on the button-face colour
    cfFileNameText = 8, // the text is a file name, in the file system's encoding
};

struct TComponentDescription
{
    std::string_view Name;
    TComponentClass Class;
    int Left, Top, Width, Height;
    std::string_view Caption; // 8-bit Shift-JIS text
    int TabOrder; // -1 for components outside the tab order
    unsigned Flags;
    int ItemHeight; // list boxes only
    std::string_view OnClick; // the published handler bound to the click event, or empty
};

struct TFontDescription
{
    std::string_view Name; // Shift-JIS
    int Height; // negative: the character height in pixels
    std::string_view Charset;
};

struct TFormDescription
{
    std::string_view Name;
    std::string_view Caption;
    TBorderStyle BorderStyle;
    int Left, Top; // screen position
    int ClientWidth, ClientHeight;
    TFontDescription Font;
    int PixelsPerInch;
    int TextHeight;
    std::span<const TComponentDescription> Components; // in creation order
};
