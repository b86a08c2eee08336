#pragma once

#include "widgets/TableViewCell.h"

// The row of a car's tank volume, displacement and default grade, one line each under its
// caption; it opens their editor.
class SetGroupCell : public TableViewCell
{
    Q_OBJECT

public:
    static constexpr int kHeight = 90;

    explicit SetGroupCell(QWidget* parent = nullptr);

    void setTexts(const QString& top, const QString& middle, const QString& bottom);
    QString mTopLabel() const { return m_lines.at(0); }
    QString mMidLabel() const { return m_lines.at(1); }
    QString mBottomLabel() const { return m_lines.at(2); }

protected:
    void paintContent(QPainter& painter, const QRect& area) override;

private:
    QStringList m_captions;
    QStringList m_lines;
};
