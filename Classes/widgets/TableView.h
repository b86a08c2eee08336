#pragma once

#include <QScrollArea>

class QVBoxLayout;

// A grouped list as a phone's settings show it: sections one under another, each a rounded card
// whose rows are separated by hairlines, in a column at most kColumnWidth wide and centred in a
// wide window. The list scrolls when it is taller than the screen, and follows the keyboard from
// row to row. A bare section has no card, for a row that draws itself (a button bar).
class TableView : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int kColumnWidth = 560;

    // sectionSpacing: the room above and below each section (a phone's header and footer).
    explicit TableView(int sectionSpacing, QWidget* parent = nullptr);

    // Adds a section of these rows below the others; the list takes them over.
    void addSection(const QList<QWidget*>& rows, bool grouped = true);

private:
    QVBoxLayout* m_sections;
    int m_spacing;
};
