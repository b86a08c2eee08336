#include "screens/history/HistoryTableView.h"

HistoryTableView::HistoryTableView(QWidget* parent)
    : QTreeView(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // By rows, not pixels: scrolling by pixels would ask the height of every row of the log
    // before the first paint, a third of the time a log of a hundred thousand fill-ups takes
    // to open.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

QModelIndex HistoryTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Left and right would step out to a header or into nothing: the list has one column.
    if (cursorAction == MoveLeft || cursorAction == MoveRight)
        return currentIndex();
    const QModelIndex target = QTreeView::moveCursor(cursorAction, modifiers);
    const bool backwards
        = cursorAction == MoveUp || cursorAction == MovePageUp || cursorAction == MovePrevious;
    const auto selectable = [](const QModelIndex& index) { return index.flags() & Qt::ItemIsSelectable; };
    // From a header on in the direction of the move; at the list's end, back the other way.
    for (const bool up : { backwards, !backwards }) {
        for (QModelIndex index = target; index.isValid();
             index = up ? indexAbove(index) : indexBelow(index)) {
            if (selectable(index))
                return index;
        }
    }
    return currentIndex();
}
