#pragma once

#include <QWidget>

// A plain light grey panel (white 237/255).
class BackgroundView : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundView(QWidget* parent = nullptr);
};
