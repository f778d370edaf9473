#include "ListBoxView.h"

#include "ControlViews.h"
#include "ui/Cp932.h"

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
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= FRows
        || index.row() >= FList.Items()->Count())
        return QVariant();
    return QString::fromStdString(Cp932ToUtf8((*FList.Items())[index.row()]));
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
    setSelectionMode(QAbstractItemView::SingleSelection);
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

void TListBoxView::Follow(TChange change)
{
    if (change == TChange::Items || change == TChange::ItemAdded)
        FModel->Follow(change);
    else if (change == TChange::Enabled)
        setEnabled(FList.Enabled());
    else if (change == TChange::TabStop)
        ApplyTabStop(*this, FList);
}
