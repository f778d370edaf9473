// A form on screen: one widget per component, made from the form's control objects after the form
// has read its description, in the order of creation. A form that opens files by name (see
// FormActions.h) takes a file dropped anywhere on it, and the Open key clicks its open button.
#pragma once

#include "FormActions.h"
#include "ui/Forms.h"

#include <QWidget>

#include <string>
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

    // Opens the file once the event loop next runs, as a handler would: an error is shown and the
    // window goes on. Does nothing for a form that opens no files by name.
    void OpenFileLater(const std::string &name);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Takes file drops from the controls that would take a drop themselves.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool TakeFileDrop(QEvent *event);
    void ClickOpenButton();
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
    TFormActions FActions;
    std::vector<TTabStop> FWinControls;
    std::vector<TRadioButtonView *> FRadios; // in tab order
    std::vector<TOpenDialog *> FDialogs;
};
