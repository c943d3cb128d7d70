// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexProgressBar.h"

#include "SkinPalette.h"
#include "WexAccessibleFactory.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace orvex {

namespace {

// A page step is a tenth of the range, at least one step.
constexpr double PageFraction = 0.1;

} // namespace

WexProgressBar::WexProgressBar(QWidget *parent) : QWidget(parent)
{
    WexAccessibleFactory::ensureInstalled();
    setFocusPolicy(Qt::StrongFocus);
}

void WexProgressBar::setBarStyle(int style)
{
    m_barStyle = style;
    update();
}

void WexProgressBar::setBgImage(const QImage &image)
{
    m_bg = image;
    update();
}

void WexProgressBar::setOverImage(const QImage &image)
{
    m_over = image;
    update();
}

void WexProgressBar::setIndicateImage(const QImage &image)
{
    m_thumb = image;
    update();
}

void WexProgressBar::setIsConImage(bool isConImage)
{
    m_isConImage = isConImage;
    update();
}

void WexProgressBar::setMaxValue(double value)
{
    m_max = value;
    setCurrentPos(m_pos);
}

void WexProgressBar::setMinValue(double value)
{
    m_min = value;
    setCurrentPos(m_pos);
}

void WexProgressBar::setCurrentPos(double pos)
{
    const double top = std::max(m_min, m_max);
    double limited = std::isfinite(pos) ? std::clamp(pos, m_min, top) : m_min;
    if (m_calcuPosType == PosInteger) {
        const double lowest = std::ceil(m_min);
        limited = std::clamp(std::round(limited), lowest, std::max(lowest, std::floor(top)));
    }
    if (limited == m_pos)
        return;
    m_pos = limited;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_pos);
        QAccessible::updateAccessibility(&event);
    }
}

void WexProgressBar::setCalcuPosType(int type)
{
    m_calcuPosType = type;
    setCurrentPos(m_pos);
}

bool WexProgressBar::isVertical() const
{
    return height() > width();
}

bool WexProgressBar::isInteractive() const
{
    return m_barStyle == StyleSlider && isEnabled();
}

double WexProgressBar::normalised(double pos) const
{
    const double span = std::max(m_min, m_max) - m_min;
    return span > 0.0 ? (pos - m_min) / span : 0.0;
}

QSize WexProgressBar::thumbSize() const
{
    // A thumb drawn for a scaled screen has more pixels than units.
    return m_thumb.deviceIndependentSize().toSize();
}

int WexProgressBar::travelStart() const
{
    const int thumb = isVertical() ? thumbSize().height() : thumbSize().width();
    return thumb / 2;
}

int WexProgressBar::travelLength() const
{
    const int thumb = isVertical() ? thumbSize().height() : thumbSize().width();
    const int length = isVertical() ? height() : width();
    return std::max(0, length - thumb);
}

QPoint WexProgressBar::thumbCentre(double pos) const
{
    const int along = travelStart() + int(std::lround(normalised(pos) * travelLength()));
    if (isVertical())
        return QPoint(width() / 2, height() - 1 - along);
    return QPoint(along, height() / 2);
}

double WexProgressBar::valueAt(const QPoint &point) const
{
    if (travelLength() <= 0)
        return m_min;
    const int along = isVertical() ? height() - 1 - point.y() : point.x();
    const double fraction = std::clamp(double(along - travelStart()) / travelLength(), 0.0, 1.0);
    return m_min + fraction * (std::max(m_min, m_max) - m_min);
}

void WexProgressBar::moveByUser(double pos)
{
    const double before = m_pos;
    setCurrentPos(pos);
    if (m_pos != before && m_action)
        m_action(this);
}

void WexProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_bg.isNull())
        painter.drawImage(rect(), m_bg);
    const QPoint centre = thumbCentre(m_pos);
    if (m_isConImage && !m_over.isNull()) {
        const QRect filled = isVertical() ? QRect(0, centre.y(), width(), height() - centre.y())
                                          : QRect(0, 0, centre.x(), height());
        painter.save();
        painter.setClipRect(filled);
        painter.drawImage(rect(), m_over);
        painter.restore();
    }
    if (m_barStyle == StyleSlider && !m_thumb.isNull()) {
        const QSize thumb = thumbSize();
        const QRect thumbRect(centre - QPoint(thumb.width() / 2, thumb.height() / 2), thumb);
        painter.drawImage(thumbRect, m_thumb);
    }
    if (m_showFocus && hasFocus()) {
        painter.setPen(QPen(SkinPalette::accentBright(), 1.0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void WexProgressBar::focusInEvent(QFocusEvent *event)
{
    m_showFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event);
    update();
}

void WexProgressBar::focusOutEvent(QFocusEvent *event)
{
    m_showFocus = false;
    QWidget::focusOutEvent(event);
    update();
}

void WexProgressBar::mousePressEvent(QMouseEvent *event)
{
    if (!isInteractive() || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    m_dragging = true;
    moveByUser(valueAt(event->position().toPoint()));
}

void WexProgressBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        moveByUser(valueAt(event->position().toPoint()));
}

void WexProgressBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::LeftButton)
        m_dragging = false;
}

void WexProgressBar::wheelEvent(QWheelEvent *event)
{
    if (!isInteractive()) {
        event->ignore();
        return;
    }
    const int delta =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta != 0)
        stepBy(delta > 0 ? 1 : -1);
    event->accept();
}

void WexProgressBar::keyPressEvent(QKeyEvent *event)
{
    if (!isInteractive()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int page = std::max(1, int((std::max(m_min, m_max) - m_min) * PageFraction));
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        stepBy(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        stepBy(1);
        break;
    case Qt::Key_PageDown:
        stepBy(-page);
        break;
    case Qt::Key_PageUp:
        stepBy(page);
        break;
    case Qt::Key_Home:
        moveByUser(m_min);
        break;
    case Qt::Key_End:
        moveByUser(m_max);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace orvex
