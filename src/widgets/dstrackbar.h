#pragma once

#include <QSlider>

// The position bar of the preview: a horizontal bar in whole seconds.
class DSTrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit DSTrackBar(QWidget* parent = nullptr);
};
