// The widgets of the standard controls. Each shows its control object and hands the user's input
// back to it; the object announces every change, and the widget follows. A widget keeps no state
// of its own that the object does not hold, and must not outlive its object.
#pragma once

#include "ui/StdCtrls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

// Place, size, name and enabled state of a control's widget, as its object has them.
void PlaceWidget(QWidget &widget, const TControl &control);
// A control that is a tab stop takes the focus by Tab and by click, any other only by click.
void ApplyTabStop(QWidget &widget, const TWinControl &control);
// A control's 8-bit caption or text, for the screen.
QString ScreenText(const TControl &control);

// Shows its caption at the caption's own width (AutoSize).
class TLabelView : public QLabel
{
public:
    TLabelView(TLabel &label, QWidget *parent);
    ~TLabelView() override;

    TLabel &Control() const { return FLabel; }

private:
    void Follow(TChange change);
    void AutoSize();

    TLabel &FLabel;
};

// Typing goes into the object's Text; the object's Text is what the box shows.
class TEditView : public QLineEdit
{
public:
    TEditView(TEdit &edit, QWidget *parent);
    ~TEditView() override;

    TEdit &Control() const { return FEdit; }

private:
    void Follow(TChange change);
    void ShowText();
    void Typed(const QString &text);

    TEdit &FEdit;
    bool FTyping = false;
};

// A click runs the object's Click.
class TButtonView : public QPushButton
{
public:
    TButtonView(TButton &button, QWidget *parent);
    ~TButtonView() override;

    TButton &Control() const { return FButton; }

private:
    void Follow(TChange change);
    void FitCaption();

    TButton &FButton;
};

// Qt's own exclusivity is off: a click or key only asks the object to become checked, and the
// object's radio group rule decides what every button shows.
class TRadioButtonView : public QRadioButton
{
    Q_OBJECT

public:
    // Moves the user's choice from this button to the next (or previous) one; given by the window.
    using TArrowMove = std::function<void(TRadioButtonView &from, bool forward)>;

    TRadioButtonView(TRadioButton &radio, QWidget *parent);
    ~TRadioButtonView() override;

    TRadioButton &Control() const { return FRadio; }
    void SetArrowMove(TArrowMove move) { FArrowMove = std::move(move); }
    // What a user's click or key does: the object is checked, if the user may operate it.
    void Choose();

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Follow(TChange change);
    void FitCaption();

    TRadioButton &FRadio;
    TArrowMove FArrowMove;
};

// A captioned frame and nothing else.
class TRadioGroupView : public QGroupBox
{
public:
    TRadioGroupView(TRadioGroup &group, QWidget *parent);
    ~TRadioGroupView() override;

    TRadioGroup &Control() const { return FGroup; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Follow(TChange change);

    TRadioGroup &FGroup;
};
