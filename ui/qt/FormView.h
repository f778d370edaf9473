// A form on screen: one widget per component, made from the form's control objects after the form
// has read its description, in the order of creation.
#pragma once

#include "ui/Forms.h"

#include <QWidget>

#include <vector>

class TRadioButtonView;
class TOpenDialog;

class TFormView : public QWidget
{
    Q_OBJECT

public:
    // The form must outlive the view.
    explicit TFormView(TForm &form, QWidget *parent = nullptr);
    ~TFormView() override;

    TForm &Form() const { return FForm; }

private:
    void Follow(TChange change);
    void CreateView(TComponent &component);
    void LinkTabOrder();
    void MoveChoice(TRadioButtonView &from, bool forward);

    struct TTabStop
    {
        const TWinControl *Control;
        QWidget *Widget;
    };

    TForm &FForm;
    std::vector<TTabStop> FWinControls;
    std::vector<TRadioButtonView *> FRadios; // in tab order
    std::vector<TOpenDialog *> FDialogs;
};
