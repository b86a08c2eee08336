#pragma once

#include <QWidget>

class CKeyHelpViewActionDelegate;
class QAbstractButton;
class QButtonGroup;

// A bar of extra keys that sits under an editor's fields while it takes typing. Each key's
// index (its tag) is its position in the captions; a press reports the index to the delegate.
class CKeyHelpView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 42;

    explicit CKeyHelpView(const QStringList& keyCaptions, QWidget* parent = nullptr);

    void setActionDelegate(CKeyHelpViewActionDelegate* delegate) { m_actionDelegate = delegate; }
    QAbstractButton* key(int index) const;
    int keyCount() const;

    // A "." key at the bar's right end, for editors whose keyboard has no decimal point.
    QAbstractButton* addDecimalKey();
    QAbstractButton* decimalKey() const { return m_decimalKey; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void itemAction(QAbstractButton* key);

    CKeyHelpViewActionDelegate* m_actionDelegate = nullptr;
    QButtonGroup* m_keys;
    QAbstractButton* m_decimalKey = nullptr;
};
