#pragma once

#include "widgets/TableViewCell.h"

// A settings row: its caption on the left, its value on the right, and a chevron, for it opens
// an editor or a further screen. The caption is its name for a screen reader.
class SettingCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit SettingCell(QWidget* parent = nullptr);

    void setTexts(const QString& label, const QString& detail);
    QString label() const { return mLabel; }
    QString detail() const { return mDetail; }

protected:
    void paintContent(QPainter& painter, const QRect& area) override;

private:
    QString mLabel;
    QString mDetail;
};
