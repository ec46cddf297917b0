#include "widgets/dstrackbar.h"

DSTrackBar::DSTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 0);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(60);
}
