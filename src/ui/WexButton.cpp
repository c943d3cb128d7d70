// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexButton.h"

#include "SkinPalette.h"
#include "WexAccessibleFactory.h"
#include "WexBtnDelege.h"
#include "messaging/InProcessNotifier.h"

#include <QAccessible>
#include <QBitmap>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace orvex {

namespace {

// Default caption size of the factory's buttons (the small system size).
constexpr int DefaultTitlePixelSize = 11;

int pressCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return WexBtnDelege::LeftDown;
    case Qt::RightButton:
        return WexBtnDelege::RightDown;
    default:
        return WexBtnDelege::OtherDown;
    }
}

int releaseCode(Qt::MouseButton button)
{
    return pressCode(button) + 1;
}

} // namespace

WexButton::WexButton(QWidget *parent) : QWidget(parent)
{
    WexAccessibleFactory::ensureInstalled();
    m_font = font();
    m_font.setPixelSize(DefaultTitlePixelSize);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

WexButton::~WexButton() = default;

void WexButton::setNormalImage(const QImage &image)
{
    m_normal = image;
    updateShapeMask();
    update();
}

void WexButton::setHoverImage(const QImage &image)
{
    m_hover = image;
    update();
}

void WexButton::setHightImage(const QImage &image)
{
    m_down = image;
    update();
}

void WexButton::setDisableImage(const QImage &image)
{
    m_disable = image;
    update();
}

QImage WexButton::image(State state) const
{
    switch (state) {
    case State::Normal:
        return m_normal;
    case State::Hover:
        return m_hover;
    case State::Down:
        return m_down;
    case State::Disable:
        return m_disable;
    }
    return {};
}

WexButton::State WexButton::currentState() const
{
    if (!isEnabled())
        return State::Disable;
    if ((m_leftPressed && m_pressInside) || m_checked)
        return State::Down;
    if (m_hovered && m_haveMouseOver)
        return State::Hover;
    return State::Normal;
}

void WexButton::setIsEnable(bool enable)
{
    if (enable == isEnabled())
        return;
    setEnabled(enable);
    if (!enable)
        m_leftPressed = m_rightPressed = false;
    update();
}

void WexButton::setIsCheckBox(bool isCheckBox)
{
    m_isCheckBox = isCheckBox;
    notifyStateChange();
}

void WexButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    notifyStateChange();
    update();
}

void WexButton::setHaveMouseOver(bool haveMouseOver)
{
    m_haveMouseOver = haveMouseOver;
    update();
}

void WexButton::setIsNoanomaly(bool isNoanomaly)
{
    m_isNoanomaly = isNoanomaly;
    updateShapeMask();
    update();
}

void WexButton::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, m_pickButton ? QAccessible::DescriptionChanged
                                                  : QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void WexButton::setBtnFont(const QFont &font)
{
    m_font = font;
    update();
}

void WexButton::setBtnColor(const QColor &color)
{
    m_color = color;
    update();
}

void WexButton::setBtnTextAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void WexButton::setLeftPad(int pad)
{
    m_leftPad = qMax(0, pad);
    update();
}

void WexButton::setRightPad(int pad)
{
    m_rightPad = qMax(0, pad);
    update();
}

void WexButton::setToolTipRect(const QRect &rect, const QString &text)
{
    m_toolTipRect = rect;
    setToolTip(text);
}

WexButton::Kind WexButton::accessibleKind() const
{
    if (m_stepItem)
        return Kind::StepItem;
    if (m_pickButton)
        return Kind::PickButton;
    return m_isCheckBox ? Kind::CheckBox : Kind::PushButton;
}

void WexButton::setStepItem(bool stepItem)
{
    m_stepItem = stepItem;
    notifyStateChange();
}

void WexButton::setPickButton(bool pickButton)
{
    m_pickButton = pickButton;
}

QString WexButton::accessibleLabel() const
{
    for (const QString &candidate : {m_title, toolTip(), accessibleName(), objectName()}) {
        const QString trimmed = candidate.trimmed();
        if (!trimmed.isEmpty())
            return trimmed;
    }
    return {};
}

void WexButton::performClick()
{
    if (!isEnabled())
        return;
    if (m_isCheckBox)
        setChecked(!m_checked);
    // The action may delete this button (a page closing its window).
    QPointer<WexButton> self(this);
    Q_EMIT clicked(this);
    if (self && m_action)
        m_action(this);
}

void WexButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage picture = image(currentState());
    if (!picture.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(rect(), picture);
    }
    paintTitle(painter);
    if (m_showFocus && hasFocus()) {
        painter.setPen(QPen(SkinPalette::accentBright(), 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void WexButton::paintTitle(QPainter &painter)
{
    if (m_title.isEmpty())
        return;
    const QRect area = rect().adjusted(m_leftPad, 0, -m_rightPad, 0);
    if (area.width() <= 0)
        return;
    painter.setFont(m_font);
    painter.setPen(m_color);
    const QString shown = painter.fontMetrics().elidedText(m_title, Qt::ElideRight, area.width());
    Qt::Alignment alignment = m_alignment;
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    painter.drawText(area, int(alignment), shown);
}

void WexButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    report(event, WexBtnDelege::MouseEntered);
    postTip(ShowTipNotification);
    update();
}

void WexButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    report(event, WexBtnDelege::MouseExited);
    postTip(HideTipNotification);
    update();
}

void WexButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    report(event, pressCode(event->button()));
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_pressInside = true;
        update();
    } else if (event->button() == Qt::RightButton) {
        m_rightPressed = true;
    }
}

void WexButton::mouseMoveEvent(QMouseEvent *event)
{
    report(event, WexBtnDelege::MouseMoved);
    if (m_leftPressed) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != m_pressInside) {
            m_pressInside = inside;
            update();
        }
    }
}

void WexButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    QPointer<WexButton> self(this);
    report(event, releaseCode(event->button()));
    if (!self)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        update();
        if (inside)
            performClick();
    } else if (event->button() == Qt::RightButton && m_rightPressed) {
        m_rightPressed = false;
        if (inside && m_rightAction && !m_captureMouse)
            m_rightAction(this);
    }
}

void WexButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_doubleAction || m_captureMouse) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    report(event, WexBtnDelege::LeftDown);
    m_leftPressed = false;
    update();
    m_doubleAction(this);
}

void WexButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        performClick();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WexButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateShapeMask();
}

void WexButton::focusInEvent(QFocusEvent *event)
{
    m_showFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event);
    update();
}

void WexButton::focusOutEvent(QFocusEvent *event)
{
    m_showFocus = false;
    QWidget::focusOutEvent(event);
    update();
}

bool WexButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && m_toolTipRect.isValid()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (!m_toolTipRect.contains(help->pos())) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QWidget::event(event);
}

void WexButton::report(QEvent *event, int type)
{
    if (m_delegate)
        m_delegate->onMouseEvent(this, event, type);
}

void WexButton::postTip(const char *name)
{
    InProcessNotifier::shared()->post(QLatin1String(name),
                                      QVariant::fromValue(static_cast<QObject *>(this)));
}

void WexButton::updateShapeMask()
{
    if (!m_isNoanomaly || m_normal.isNull() || !m_normal.hasAlphaChannel()) {
        clearMask();
        return;
    }
    // The mask is in units; a picture for a scaled screen has more pixels.
    QImage scaled = m_normal.size() == size()
                        ? m_normal
                        : m_normal.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1.0);
    const QBitmap shape = QBitmap::fromImage(scaled.createAlphaMask());
    // A picture with no opaque pixel would make the button unreachable.
    if (QRegion(shape).isEmpty())
        clearMask();
    else
        setMask(shape);
}

void WexButton::notifyStateChange()
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkable = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace orvex
