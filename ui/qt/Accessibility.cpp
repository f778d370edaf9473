#include "Accessibility.h"

#include "ControlViews.h"
#include "FormView.h"
#include "ListBoxView.h"
#include "ui/Cp932.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <vector>

namespace {

// How far a label's caption may end before the control it names.
constexpr int kLabelGap = 32;

// Qt reports a checkable button without its own exclusivity as a check box; these are radio
// buttons, whose one group the control objects keep.
class TRadioButtonAccessible : public QAccessibleWidget
{
public:
    explicit TRadioButtonAccessible(TRadioButtonView *radio)
        : QAccessibleWidget(radio, QAccessible::RadioButton)
    { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Radio()->isChecked();
        return state;
    }

    // QAccessibleWidget is its own action interface.
    QStringList actionNames() const override
    {
        return Radio()->isEnabled() ? QStringList {toggleAction()} : QStringList();
    }

    void doAction(const QString &actionName) override
    {
        if (Radio()->isEnabled() && (actionName == toggleAction() || actionName == pressAction()))
            Radio()->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    TRadioButtonView *Radio() const { return static_cast<TRadioButtonView *>(widget()); }
};

// What Qt cannot tell by itself: a form is a window (a plain widget says it is a client area), and
// the radio buttons are radio buttons.
QAccessibleInterface *ViewAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(TFormView::staticMetaObject.className())) {
        if (auto *form = qobject_cast<TFormView *>(object))
            return new QAccessibleWidget(form, QAccessible::Window);
    } else if (className == QLatin1String(TRadioButtonView::staticMetaObject.className())) {
        if (auto *radio = qobject_cast<TRadioButtonView *>(object))
            return new TRadioButtonAccessible(radio);
    }
    return nullptr;
}

// The label that stands before a control: on the control's line, left of it, its caption ending
// close before the control; the nearest of them.
const TLabel *LabelBefore(const TControl &control, const std::vector<const TLabel *> &labels)
{
    const TLabel *nearest = nullptr;
    for (const TLabel *label : labels) {
        const int middle = label->Top() + label->Height() / 2;
        const int gap = control.Left() - (label->Left() + label->Width());
        if (middle < control.Top() || middle >= control.Top() + control.Height())
            continue;
        if (label->Left() >= control.Left() || gap > kLabelGap)
            continue;
        if (!nearest || label->Left() > nearest->Left())
            nearest = label;
    }
    return nearest;
}

QString Caption(const TControl &control)
{
    return QString::fromStdString(Cp932ToUtf8(control.Caption()));
}

void Describe(QWidget &widget, const TControl &control, const QString &description)
{
    widget.setAccessibleName(QString::fromStdString(control.Name()));
    widget.setAccessibleDescription(description);
}

} // namespace

void InstallAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(ViewAccessible), true);
    (void)installed;
}

void DescribeForAssistiveTechnology(TFormView &view)
{
    std::vector<const TLabel *> labels;
    for (const TLabelView *label : view.findChildren<TLabelView *>(Qt::FindDirectChildrenOnly))
        labels.push_back(&label->Control());

    for (QWidget *widget : view.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (auto *label = dynamic_cast<TLabelView *>(widget)) {
            // The caption stays the name, as Qt reports it for a label by itself.
            label->setAccessibleDescription(QString::fromStdString(label->Control().Name()));
        } else if (auto *edit = dynamic_cast<TEditView *>(widget)) {
            const TLabel *label = LabelBefore(edit->Control(), labels);
            Describe(*edit, edit->Control(), label ? Caption(*label) : QString());
        } else if (auto *list = dynamic_cast<TListBoxView *>(widget)) {
            const TLabel *label = LabelBefore(list->Control(), labels);
            Describe(*list, list->Control(), label ? Caption(*label) : QString());
        } else if (auto *button = dynamic_cast<TButtonView *>(widget)) {
            Describe(*button, button->Control(), Caption(button->Control()));
        } else if (auto *radio = dynamic_cast<TRadioButtonView *>(widget)) {
            Describe(*radio, radio->Control(), Caption(radio->Control()));
        } else if (auto *group = dynamic_cast<TRadioGroupView *>(widget)) {
            Describe(*group, group->Control(), Caption(group->Control()));
        }
    }
}
