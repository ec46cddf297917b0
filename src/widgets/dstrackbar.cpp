#include "widgets/dstrackbar.h"

#include "widgets/mediaseeking.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <limits>

namespace {

int clampToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

const QColor kChannel(5, 13, 28);
const QColor kChannelBorder(58, 98, 150);
const QColor kBand(74, 168, 255);
const QColor kTick(235, 235, 235);
const QColor kThumbTop(247, 251, 255);
const QColor kThumbBottom(188, 209, 238);
const QColor kThumbBorder(127, 157, 198);
const QColor kThumbBorderActive(47, 125, 224);

} // namespace

DSTrackBar::DSTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // The platform control's defaults; the form sets its own Frequency and ThumbLength.
    setRange(0, 10);
    setSingleStep(1);
    setPageStep(2);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    m_timer.setInterval(kTimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &DSTrackBar::timerTick);
}

void DSTrackBar::setSelStart(int position)
{
    m_selStart = position;
    update();
}

void DSTrackBar::setSelEnd(int position)
{
    m_selEnd = position;
    update();
}

void DSTrackBar::setThumbLength(int pixels)
{
    m_thumbLength = std::max(pixels, 1);
    update();
}

void DSTrackBar::setTimerEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void DSTrackBar::timerTick()
{
    // A held thumb belongs to the user until the button is released.
    if (m_leftButtonHeld || m_graph == nullptr)
        return;
    const std::int64_t duration = m_graph->duration();
    const std::int64_t position = m_graph->currentPosition();
    setMinimum(0);
    setMaximum(clampToInt(duration / 1000));
    setValue(clampToInt(position / 1000));
    Q_EMIT OnTimer(position, duration);
}

void DSTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftButtonHeld = true;
    QSlider::mousePressEvent(event);
}

void DSTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_leftButtonHeld) {
        m_leftButtonHeld = false;
        seekToThumb();
    }
}

void DSTrackBar::seekToThumb()
{
    // A bar of no length has no position to seek to.
    if (m_graph == nullptr || maximum() == 0)
        return;
    m_graph->seek(m_graph->stopPosition() * value() / maximum());
}

int DSTrackBar::pixelOf(int position) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int clamped = std::clamp(position, minimum(), maximum());
    return groove.x() + handle.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), clamped, groove.width() - handle.width());
}

void DSTrackBar::paintEvent(QPaintEvent*)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!isEnabled())
        painter.setOpacity(0.45);

    // The thumb sits at the top, the channel through its middle, the tick marks below it.
    const int thumbHeight = std::min(m_thumbLength, height());
    const int channelTop = std::max(thumbHeight / 2 - 2, 0);
    // The channel runs the thumb's whole travel, whatever the range.
    const int left = groove.x() + handle.width() / 2;
    const int right = left + std::max(groove.width() - handle.width(), 0);
    painter.setPen(kChannelBorder);
    painter.setBrush(kChannel);
    painter.drawRect(QRect(QPoint(left - 2, channelTop), QPoint(right + 2, channelTop + 3)));

    if (m_selStart < m_selEnd) {
        const int bandLeft = pixelOf(m_selStart);
        const int bandRight = pixelOf(m_selEnd);
        painter.fillRect(QRect(QPoint(bandLeft, channelTop + 1), QPoint(bandRight, channelTop + 2)), kBand);
    }

    const int tickTop = thumbHeight + 1;
    if (tickTop < height()) {
        // Both ends, and every Frequency positions between them.
        painter.setPen(kTick);
        const auto tickAt = [&](int x) {
            painter.drawLine(x, tickTop, x, height() - 1);
        };
        tickAt(left);
        const int step = std::max(tickInterval(), 1);
        for (std::int64_t position = std::int64_t{minimum()} + step; position < maximum(); position += step)
            tickAt(pixelOf(static_cast<int>(position)));
        tickAt(right);
    }

    // A thumb pointing down at its tick marks.
    const int thumbLeft = handle.x() + handle.width() / 2 - 4;
    const int thumbRight = thumbLeft + 8;
    const int shoulder = std::max(thumbHeight - 3, 1);
    const QPolygon thumb({QPoint(thumbLeft, 0), QPoint(thumbRight, 0), QPoint(thumbRight, shoulder),
                          QPoint((thumbLeft + thumbRight) / 2, thumbHeight - 1), QPoint(thumbLeft, shoulder)});
    QLinearGradient fill(0, 0, 0, thumbHeight);
    fill.setColorAt(0, kThumbTop);
    fill.setColorAt(1, kThumbBottom);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(isSliderDown() || hasFocus() ? kThumbBorderActive : kThumbBorder);
    painter.setBrush(fill);
    painter.drawPolygon(thumb);
}
