#include "ListBoxView.h"

#include "ControlViews.h"
#include "listing/EventBytes.h"
#include "ui/Cp932.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

TListBoxModel::TListBoxModel(const TListBox &list, QObject *parent)
    : QAbstractListModel(parent)
    , FList(list)
    , FRows(list.Items()->Count())
{ }

int TListBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FRows;
}

QVariant TListBoxModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= FRows || index.row() >= FList.Items()->Count())
        return QVariant();
    if (role == Qt::DisplayRole)
        return QString::fromStdString(Cp932ToUtf8((*FList.Items())[index.row()]));
    if (role == Qt::ToolTipRole)
        return ToolTip(index.row());
    return QVariant();
}

QString TListBoxModel::ToolTip(int row) const
{
    const EventBytes event = EventBytes::Unpack(FList.Items()->ItemData(row));
    std::string text = event.OffsetText();
    if (event.Count > 0)
        text += "  " + event.BytesText();
    return QString::fromStdString(text);
}

Qt::ItemFlags TListBoxModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void TListBoxModel::Follow(TChange change)
{
    const int count = FList.Items()->Count();
    if (change == TChange::Items) {
        beginResetModel();
        FRows = count;
        endResetModel();
    } else if (change == TChange::ItemAdded && count > FRows) {
        beginInsertRows(QModelIndex(), FRows, count - 1);
        FRows = count;
        endInsertRows();
    }
}

TItemHeightDelegate::TItemHeightDelegate(int itemHeight, QObject *parent)
    : QStyledItemDelegate(parent)
    , FItemHeight(itemHeight)
{ }

QSize TItemHeightDelegate::sizeHint(
    const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), FItemHeight);
}

TListBoxView::TListBoxView(TListBox &list, QWidget *parent)
    : QListView(parent)
    , FList(list)
    , FModel(new TListBoxModel(list, this))
{
    PlaceWidget(*this, list);
    ApplyTabStop(*this, list);
    setUniformItemSizes(true);
    setItemDelegate(new TItemHeightDelegate(list.ItemHeight(), this));
    // Click, Shift- and Ctrl-click, and Ctrl+A select lines to copy.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A list box shows no horizontal scroll bar unless it is given a scroll width.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    setModel(FModel);
    list.SetObserver([this](TControl &, TChange change) { Follow(change); });
}

TListBoxView::~TListBoxView()
{
    FList.SetObserver(nullptr);
}

QString TListBoxView::SelectedText() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return TextOfRows(rows);
}

QString TListBoxView::AllText() const
{
    QList<int> rows;
    for (int row = 0; row < FModel->rowCount(); ++row)
        rows << row;
    return TextOfRows(rows);
}

QString TListBoxView::TextOfRows(const QList<int> &rows) const
{
    QString text;
    for (int row : rows)
        text += FModel->index(row).data().toString() + '\n';
    return text;
}

void TListBoxView::CopySelection()
{
    if (const QString text = SelectedText(); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TListBoxView::CopyAll()
{
    if (const QString text = AllText(); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// The item view's own copy takes the current line only.
void TListBoxView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TListBoxView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(QIcon::fromTheme("edit-copy"), tr("&Copy"));
    copy->setShortcut(QKeySequence::Copy); // shown in the menu; the key itself is handled above
    copy->setEnabled(selectionModel()->hasSelection());
    connect(copy, &QAction::triggered, this, &TListBoxView::CopySelection);
    QAction *copyAll = menu.addAction(tr("Copy &All"));
    copyAll->setEnabled(FModel->rowCount() > 0);
    connect(copyAll, &QAction::triggered, this, &TListBoxView::CopyAll);
    menu.exec(event->globalPos());
}

void TListBoxView::Follow(TChange change)
{
    if (change == TChange::Items || change == TChange::ItemAdded)
        FModel->Follow(change);
    else if (change == TChange::Enabled)
        setEnabled(FList.Enabled());
    else if (change == TChange::TabStop)
        ApplyTabStop(*this, FList);
}
