#pragma once

#include <QList>
#include <QString>

// What the settings list shows: the general rows (about, the statistics start, the decimals),
// one row per fuel grade with its default price, and whether new fill-ups record their
// position. Read afresh for every showing, so that a value changed in an editor shows at once.
class SettingFigures
{
public:
    struct Row
    {
        QString label;
        QString detail;
    };

    enum GeneralRow
    {
        AboutRow,
        StartDateRow,
        PrecisionRow,
        GeneralRowCount
    };

    // Reads the preferences, the grade list and the currency symbol.
    void read();

    const QList<Row>& generalRows() const { return m_generalRows; }
    // One per entry of the grade list, in its order: the name, and the default price with the
    // currency symbol and the user's decimals. Blank while the car manager has no current car;
    // the rows are there all the same and open the grade editor.
    const QList<Row>& gradeRows() const { return m_gradeRows; }
    bool recordsPosition() const { return m_recordsPosition; }

private:
    QList<Row> m_generalRows;
    QList<Row> m_gradeRows;
    bool m_recordsPosition = false;
};
