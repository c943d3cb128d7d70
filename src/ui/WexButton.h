// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

namespace orvex {

class WexBtnDelege;

// A skinned push button or check box: four pictures, one per state (normal,
// pointer over, pressed, disabled), and an optional caption drawn over them.
// A missing picture draws nothing for its state.
//
// Clicks call the button's actions with the button as sender: the action on a
// completed left click, the right action on a completed right click (none
// set: a right click does nothing) and the double action on a double click
// (none set: the second click counts as an ordinary click). The delegate
// receives every pointer event with the codes of WexBtnDelege, and entering
// and leaving post ShowTipNotification / HideTipNotification (object: the
// button as QObject *) on the in-process notifier.
class WexButton : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(WexButton *sender)>;

    static constexpr char ShowTipNotification[] = "WexNotifyShowTipNameStr";
    static constexpr char HideTipNotification[] = "WexNotifyHideTipNameStr";

    enum class State
    {
        Normal,
        Hover,
        Down,
        Disable
    };

    // How assistive technologies see the button.
    enum class Kind
    {
        PushButton,
        CheckBox,
        StepItem,
        // Shows a chosen entry as its title and opens a pick list: named by
        // its accessible name, the title read as its value.
        PickButton
    };

    explicit WexButton(QWidget *parent = nullptr);
    ~WexButton() override;

    void setNormalImage(const QImage &image);
    void setHoverImage(const QImage &image);
    void setHightImage(const QImage &image);
    void setDisableImage(const QImage &image);
    QImage image(State state) const;
    // The state drawn now.
    State currentState() const;

    void setAction(Action action) { m_action = std::move(action); }
    void setRightAction(Action action) { m_rightAction = std::move(action); }
    void setDoubleAction(Action action) { m_doubleAction = std::move(action); }

    void setIsEnable(bool enable);
    bool isEnable() const { return isEnabled(); }

    // Check-box mode: a click flips Checked() before the action runs. Checked
    // buttons (check boxes, and the selected item of a step selector) show
    // their pressed picture.
    void setIsCheckBox(bool isCheckBox);
    bool isCheckBox() const { return m_isCheckBox; }
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);

    // Whether the pointer-over picture is shown (default yes).
    void setHaveMouseOver(bool haveMouseOver);
    // Own pictures: the button shows whole pictures of its own instead of
    // slices of its parent's skin, and its transparent pixels are not part
    // of it, so clicks there reach what lies below (overlapping tabs).
    void setIsNoanomaly(bool isNoanomaly);
    bool isNoanomaly() const { return m_isNoanomaly; }

    void setTitle(const QString &title);
    QString title() const { return m_title; }
    void setBtnFont(const QFont &font);
    void setBtnColor(const QColor &color);
    void setBtnTextAlignment(Qt::Alignment alignment);
    // Room kept free of the caption at the left and right edges, in pixels.
    void setLeftPad(int pad);
    void setRightPad(int pad);

    // Not owned; the delegate must outlive the button or be cleared first.
    void setWexBtnDelege(WexBtnDelege *delegate) { m_delegate = delegate; }
    WexBtnDelege *wexBtnDelege() const { return m_delegate; }

    // Mouse-capture mode (a page recording mouse clicks): button events are
    // reported to the delegate as always, the right and double actions stay
    // silent, and the plain action still runs for an enabled button, so the
    // one control a recording page keeps enabled (its stop button) works.
    void setIsCaptureMouseEvent(bool capture) { m_captureMouse = capture; }
    bool isCaptureMouseEvent() const { return m_captureMouse; }

    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    // The tooltip shows only while the pointer is inside `rect` (button
    // coordinates); an empty rectangle shows it anywhere on the button.
    void setToolTipRect(const QRect &rect, const QString &text);

    Kind accessibleKind() const;
    void setStepItem(bool stepItem);
    void setPickButton(bool pickButton);
    // The name assistive technologies read: the title, else the tooltip,
    // else the accessible name the window gave, else the object name.
    QString accessibleLabel() const;

    // A completed left click, as from the keyboard or an assistive technology.
    void performClick();

Q_SIGNALS:
    // After every completed left click, before the action runs.
    void clicked(orvex::WexButton *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    void report(QEvent *event, int type);
    void postTip(const char *name);
    void updateShapeMask();
    void notifyStateChange();
    void paintTitle(QPainter &painter);

    QImage m_normal;
    QImage m_hover;
    QImage m_down;
    QImage m_disable;
    Action m_action;
    Action m_rightAction;
    Action m_doubleAction;
    QString m_title;
    QFont m_font;
    QColor m_color = Qt::white;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    int m_leftPad = 0;
    int m_rightPad = 0;
    QRect m_toolTipRect;
    WexBtnDelege *m_delegate = nullptr;
    int m_tag = 0;
    bool m_isCheckBox = false;
    bool m_checked = false;
    bool m_haveMouseOver = true;
    bool m_isNoanomaly = false;
    bool m_captureMouse = false;
    bool m_stepItem = false;
    bool m_pickButton = false;
    bool m_hovered = false;
    bool m_leftPressed = false;
    bool m_pressInside = false;
    bool m_rightPressed = false;
    // Reached with the keyboard: a thin red frame shows where the focus is.
    bool m_showFocus = false;
};

} // namespace orvex
