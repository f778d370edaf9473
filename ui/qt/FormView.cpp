#include "FormView.h"

#include "Accessibility.h"
#include "ControlViews.h"
#include "Guard.h"
#include "ListBoxView.h"
#include "QtPlatform.h"
#include "WindowFont.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include <algorithm>

namespace {

// A fixed dialog frame: caption bar, system menu and close box, no minimise or maximise box.
constexpr Qt::WindowFlags kDialogFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The first local file among the dragged addresses; empty when there is none.
QString DraggedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

// The file is only read, so a drop copies or links it; accepting a move would let the source
// remove the file afterwards.
Qt::DropAction ReadingAction(Qt::DropActions possible)
{
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    if (possible & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

TFormView::TFormView(TForm &form, QWidget *parent)
    : QWidget(parent)
    , FForm(form)
    , FActions(FormActionsOf(form))
{
    InstallAccessibleFactory();
    setObjectName(QString::fromStdString(form.Name()));
    setWindowFlags(form.BorderStyle() == TBorderStyle::bsDialog ? kDialogFrame : Qt::Window);
    setWindowTitle(ScreenText(form));
    setWindowIcon(QIcon(":/icons/kestro-read.png"));
    // The form's Left and Top are the place of the whole window, frame included, as move() takes.
    move(form.Left(), form.Top());
    if (form.BorderStyle() == TBorderStyle::bsDialog)
        setFixedSize(form.ClientWidth(), form.ClientHeight());
    else
        resize(form.ClientWidth(), form.ClientHeight());
    // Set before any child exists, so that every control inherits it and fits its caption to it.
    setFont(WindowFont(form));

    for (int i = 0; i < form.ComponentCount(); ++i)
        CreateView(*form.Components(i));
    LinkTabOrder();
    DescribeForAssistiveTechnology(*this);
    if (FActions.OpenFile) {
        setAcceptDrops(true);
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->acceptDrops())
                child->installEventFilter(this);
        }
    }
    if (FActions.OpenButton) {
        auto *open = new QShortcut(QKeySequence::Open, this);
        connect(open, &QShortcut::activated, this, [this] { ClickOpenButton(); });
    }
    form.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TFormView::~TFormView()
{
    FForm.SetObserver(nullptr);
    for (TOpenDialog *dialog : FDialogs)
        dialog->SetChooser(nullptr);
}

void TFormView::OpenFileLater(const std::string &name)
{
    if (!FActions.OpenFile)
        return;
    // After the event that asked for it has been answered: a drop's source is not kept waiting
    // while an error box is open.
    QMetaObject::invokeMethod(
        this, [open = FActions.OpenFile, name] { RunGuarded([&] { open(name); }); },
        Qt::QueuedConnection);
}

void TFormView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!TakeFileDrop(event))
        event->ignore();
}

void TFormView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!TakeFileDrop(event))
        event->ignore();
}

void TFormView::dropEvent(QDropEvent *event)
{
    if (!TakeFileDrop(event))
        event->ignore();
}

bool TFormView::eventFilter(QObject *watched, QEvent *event)
{
    return TakeFileDrop(event) || QWidget::eventFilter(watched, event);
}

// A drag that carries a local file is the form's, wherever it is over the window; any other drag
// is left to the control under it.
bool TFormView::TakeFileDrop(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!FActions.OpenFile
        || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return false;
    auto *drop = static_cast<QDropEvent *>(event); // the base of the drag enter and move events
    const QString file = DraggedFile(drop->mimeData());
    const Qt::DropAction action = ReadingAction(drop->possibleActions());
    if (file.isEmpty() || action == Qt::IgnoreAction)
        return false;
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop)
        OpenFileLater(QFile::encodeName(file).toStdString());
    return true;
}

// Through the button's own click, so that the Open key does exactly what a click does, and nothing
// while the button is disabled.
void TFormView::ClickOpenButton()
{
    for (const TTabStop &stop : FWinControls) {
        if (stop.Control == FActions.OpenButton) {
            if (auto *button = qobject_cast<QAbstractButton *>(stop.Widget))
                button->click();
            return;
        }
    }
}

void TFormView::Follow(TChange change)
{
    if (change == TChange::Text)
        setWindowTitle(ScreenText(FForm));
    else if (change == TChange::Enabled)
        setEnabled(FForm.Enabled());
}

void TFormView::CreateView(TComponent &component)
{
    QWidget *widget = nullptr;
    if (auto *label = dynamic_cast<TLabel *>(&component)) {
        widget = new TLabelView(*label, this);
    } else if (auto *edit = dynamic_cast<TEdit *>(&component)) {
        widget = new TEditView(*edit, this);
    } else if (auto *button = dynamic_cast<TButton *>(&component)) {
        widget = new TButtonView(*button, this);
    } else if (auto *radio = dynamic_cast<TRadioButton *>(&component)) {
        auto *view = new TRadioButtonView(*radio, this);
        view->SetArrowMove(
            [this](TRadioButtonView &from, bool forward) { MoveChoice(from, forward); });
        FRadios.push_back(view);
        widget = view;
    } else if (auto *group = dynamic_cast<TRadioGroup *>(&component)) {
        widget = new TRadioGroupView(*group, this);
    } else if (auto *list = dynamic_cast<TListBox *>(&component)) {
        widget = new TListBoxView(*list, this);
    } else if (auto *dialog = dynamic_cast<TOpenDialog *>(&component)) {
        dialog->SetChooser([this](TOpenDialog &) { return ChooseFileToOpen(this); });
        FDialogs.push_back(dialog);
    }
    if (auto *control = dynamic_cast<TWinControl *>(&component); widget && control)
        FWinControls.push_back({control, widget});
}

// Qt's focus chain follows the tab order; whether Tab stops at a widget is its focus policy.
void TFormView::LinkTabOrder()
{
    std::stable_sort(
        FWinControls.begin(), FWinControls.end(), [](const TTabStop &a, const TTabStop &b) {
            return a.Control->TabOrder() < b.Control->TabOrder();
        });
    for (std::size_t i = 1; i < FWinControls.size(); ++i)
        QWidget::setTabOrder(FWinControls[i - 1].Widget, FWinControls[i].Widget);
    std::stable_sort(FRadios.begin(), FRadios.end(), [](TRadioButtonView *a, TRadioButtonView *b) {
        return a->Control().TabOrder() < b->Control().TabOrder();
    });
    // The window opens with the focus on the first tab stop.
    auto first = std::find_if(FWinControls.begin(), FWinControls.end(),
        [](const TTabStop &stop) { return stop.Control->TabStop(); });
    if (first != FWinControls.end())
        first->Widget->setFocus();
}

// The arrow keys move the choice among the radio buttons that the user may operate, in tab order
// and round, as in a group of radio buttons.
void TFormView::MoveChoice(TRadioButtonView &from, bool forward)
{
    const auto at = std::find(FRadios.begin(), FRadios.end(), &from);
    if (at == FRadios.end())
        return;
    const std::size_t count = FRadios.size();
    std::size_t index = std::size_t(at - FRadios.begin());
    for (std::size_t step = 1; step < count; ++step) {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
        TRadioButtonView *next = FRadios[index];
        if (next->Control().Enabled()) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            next->Choose();
            return;
        }
    }
}
