// The list box on screen: a list view over a model that reads the lines from the control object
// itself, so that a listing of tens of thousands of lines costs one model reset and the screen
// converts only the lines it shows. A line's tooltip is its event's place and bytes, kept as the
// line's item data. Several lines can be selected and copied; the selection is the screen's alone,
// and a new listing clears it.
#pragma once

#include "ui/StdCtrls.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

// The list's lines as rows. Its row count changes only when the list announces a change, so the
// view never sees rows that it was not told about.
class TListBoxModel : public QAbstractListModel
{
    Q_OBJECT

public:
    TListBoxModel(const TListBox &list, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // "000C  C1 05 3C 64": the event's offset in its track slot, two spaces, its bytes.
    QString ToolTip(int row) const;

    void Follow(TChange change);

private:
    const TListBox &FList;
    int FRows = 0;
};

// Every row is one item height high.
class TItemHeightDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    TItemHeightDelegate(int itemHeight, QObject *parent);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int FItemHeight;
};

// One column, no header, not sorted, uniform rows.
class TListBoxView : public QListView
{
    Q_OBJECT

public:
    TListBoxView(TListBox &list, QWidget *parent);
    ~TListBoxView() override;

    TListBox &Control() const { return FList; }

    // The selected lines, or all of them, in list order, each ending with a line break; empty when
    // there is none.
    QString SelectedText() const;
    QString AllText() const;
    // Put that text on the clipboard; nothing is copied when there is no line.
    void CopySelection();
    void CopyAll();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void Follow(TChange change);
    QString TextOfRows(const QList<int> &rows) const;

    TListBox &FList;
    TListBoxModel *FModel;
};
