#include "ControlViews.h"

#include "Guard.h"
#include "WindowFont.h"
#include "ui/Cp932.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace {

constexpr int kCaptionIndent = 7; // where a frame's caption begins

} // namespace

void PlaceWidget(QWidget &widget, const TControl &control)
{
    widget.setObjectName(QString::fromStdString(control.Name()));
    widget.setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
    widget.setEnabled(control.Enabled());
}

void ApplyTabStop(QWidget &widget, const TWinControl &control)
{
    widget.setFocusPolicy(control.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

QString ScreenText(const TControl &control)
{
    if (control.TextEncoding() == TTextEncoding::FileName)
        return QFile::decodeName(QByteArray::fromStdString(control.Text()));
    return QString::fromStdString(Cp932ToUtf8(control.Text()));
}

TLabelView::TLabelView(TLabel &label, QWidget *parent)
    : QLabel(parent)
    , FLabel(label)
{
    setTextFormat(Qt::PlainText);
    PlaceWidget(*this, label);
    setText(ScreenText(label));
    AutoSize();
    label.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TLabelView::~TLabelView()
{
    FLabel.SetObserver(nullptr);
}

void TLabelView::Follow(TChange change)
{
    if (change == TChange::Text) {
        setText(ScreenText(FLabel));
        AutoSize();
    } else if (change == TChange::Enabled) {
        setEnabled(FLabel.Enabled());
    }
}

void TLabelView::AutoSize()
{
    if (FLabel.AutoSize())
        resize(fontMetrics().horizontalAdvance(text()), height());
}

TEditView::TEditView(TEdit &edit, QWidget *parent)
    : QLineEdit(parent)
    , FEdit(edit)
{
    PlaceWidget(*this, edit);
    ApplyTabStop(*this, edit);
    setReadOnly(edit.ReadOnly());
    // Qt keeps two pixels free on each side of the text; the narrowest boxes need them for digits.
    setTextMargins(-2, 0, -2, 0);
    if (edit.Color() == TColor::clBtnFace) {
        QPalette colours = palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Button));
        setPalette(colours);
    }
    ShowText();
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { Typed(text); });
    edit.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TEditView::~TEditView()
{
    FEdit.SetObserver(nullptr);
}

void TEditView::Follow(TChange change)
{
    if (change == TChange::Text)
        ShowText();
    else if (change == TChange::Enabled)
        setEnabled(FEdit.Enabled());
    else if (change == TChange::TabStop)
        ApplyTabStop(*this, FEdit);
}

void TEditView::ShowText()
{
    const QString shown = ScreenText(FEdit);
    if (shown == text())
        return;
    // The program's texts are shown from their start; while the user types, the caret stays.
    const int caret = FTyping ? cursorPosition() : 0;
    setText(shown);
    setCursorPosition(std::min(caret, int(shown.size())));
}

void TEditView::Typed(const QString &text)
{
    FTyping = true;
    RunGuarded([&] {
        FEdit.SetText(FEdit.TextEncoding() == TTextEncoding::FileName
                ? QFile::encodeName(text).toStdString()
                : Utf8ToCp932(text.toStdString()));
    });
    FTyping = false;
}

TButtonView::TButtonView(TButton &button, QWidget *parent)
    : QPushButton(parent)
    , FButton(button)
{
    PlaceWidget(*this, button);
    ApplyTabStop(*this, button);
    setAutoDefault(false);
    setText(ScreenText(button));
    FitCaption();
    connect(this, &QPushButton::clicked, this, [this] { RunGuarded([this] { FButton.Click(); }); });
    button.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TButtonView::~TButtonView()
{
    FButton.SetObserver(nullptr);
}

void TButtonView::Follow(TChange change)
{
    if (change == TChange::Text) {
        setText(ScreenText(FButton));
        FitCaption();
    } else if (change == TChange::Enabled) {
        setEnabled(FButton.Enabled());
    } else if (change == TChange::TabStop) {
        ApplyTabStop(*this, FButton);
    }
}

void TButtonView::FitCaption()
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    FitText(*this, text(), room.width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin));
}

TRadioButtonView::TRadioButtonView(TRadioButton &radio, QWidget *parent)
    : QRadioButton(parent)
    , FRadio(radio)
{
    PlaceWidget(*this, radio);
    ApplyTabStop(*this, radio);
    setAutoExclusive(false);
    // The gap of the platform this window was drawn for, a little narrower than Qt's own.
    setStyleSheet("QRadioButton { spacing: 3px; }");
    setText(ScreenText(radio));
    setChecked(radio.Checked());
    FitCaption();
    radio.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TRadioButtonView::~TRadioButtonView()
{
    FRadio.SetObserver(nullptr);
}

void TRadioButtonView::Choose()
{
    RunGuarded([this] {
        if (FRadio.Enabled())
            FRadio.SetChecked(true);
    });
    setChecked(FRadio.Checked());
}

void TRadioButtonView::nextCheckState()
{
    Choose();
}

void TRadioButtonView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (FArrowMove
        && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left
            || key == Qt::Key_Right)) {
        FArrowMove(*this, key == Qt::Key_Down || key == Qt::Key_Right);
        event->accept();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void TRadioButtonView::Follow(TChange change)
{
    if (change == TChange::Checked) {
        setChecked(FRadio.Checked());
    } else if (change == TChange::Enabled) {
        setEnabled(FRadio.Enabled());
    } else if (change == TChange::TabStop) {
        ApplyTabStop(*this, FRadio);
    } else if (change == TChange::Text) {
        setText(ScreenText(FRadio));
        FitCaption();
    }
}

void TRadioButtonView::FitCaption()
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    FitText(*this, text(), room.width());
}

TRadioGroupView::TRadioGroupView(TRadioGroup &group, QWidget *parent)
    : QGroupBox(parent)
    , FGroup(group)
{
    PlaceWidget(*this, group);
    // A frame without items of its own never takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setTitle(ScreenText(group));
    group.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TRadioGroupView::~TRadioGroupView()
{
    FGroup.SetObserver(nullptr);
}

// The caption sits on the frame's top line, which runs at half the caption's height, so that the
// buttons laid out inside the frame stay clear of it.
void TRadioGroupView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line, as the frame of a group of controls is drawn where this window comes from.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1, 0);
    if (title().isEmpty())
        return;
    const QRect caption(
        kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
        isEnabled(), title(), QPalette::WindowText);
}

void TRadioGroupView::Follow(TChange change)
{
    if (change == TChange::Text)
        setTitle(ScreenText(FGroup));
    else if (change == TChange::Enabled)
        setEnabled(FGroup.Enabled());
}
