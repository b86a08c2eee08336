#pragma once

#include <QTreeView>

// The history list's view: every section open, no branch marks, rows of the height their
// delegate gives. The month headers sit between the fill-ups but are never stepped on: the
// arrow keys, Page Up and Page Down, Home and End move from fill-up to fill-up.
class HistoryTableView : public QTreeView
{
    Q_OBJECT

public:
    explicit HistoryTableView(QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
