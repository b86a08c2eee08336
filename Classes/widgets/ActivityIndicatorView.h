#pragma once

#include <QTimer>
#include <QWidget>

// The spinning busy sign: twelve spokes, the brightest turning round. It keeps itself centred
// on its parent.
class ActivityIndicatorView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSize = 32;

    explicit ActivityIndicatorView(QWidget* parent);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();

    QTimer m_timer;
    int m_step = 0;
};
