// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace orvex {

// A picture slider: a background picture, a thumb picture that travels along
// it, and with the continuous-image look the over picture drawn from the
// start of the track up to the thumb (the filled part). Horizontal when wider
// than tall (minimum at the left), otherwise vertical (minimum at the bottom).
//
// The change action runs whenever the user moves the thumb to a new value
// (pointer, wheel or keys); setCurrentPos() never runs it.
class WexProgressBar : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(WexProgressBar *sender)>;

    // setBarStyle(): a plain bar shows the value and takes no input.
    static constexpr int StylePlainBar = 0;
    static constexpr int StyleSlider = 1;
    // setCalcuPosType(): whole-number positions or any value in the range.
    static constexpr int PosInteger = 0;
    static constexpr int PosContinuous = 1;

    explicit WexProgressBar(QWidget *parent = nullptr);

    void setBarStyle(int style);
    int barStyle() const { return m_barStyle; }
    void setBgImage(const QImage &image);
    void setOverImage(const QImage &image);
    void setIndicateImage(const QImage &image);
    void setIsConImage(bool isConImage);

    void setChangeAction(Action action) { m_action = std::move(action); }

    // A maximum below the minimum is taken as equal to it.
    void setMaxValue(double value);
    void setMinValue(double value);
    double maxValue() const { return m_max; }
    double minValue() const { return m_min; }
    double currentPos() const { return m_pos; }
    // Limited to the range, and rounded with whole-number positions.
    void setCurrentPos(double pos);
    void setCalcuPosType(int type);

    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    // Where the thumb's centre lies for `pos`, in widget coordinates.
    QPoint thumbCentre(double pos) const;
    // The value under a point of the track.
    double valueAt(const QPoint &point) const;
    // Moves as the user would: runs the action when the value changes.
    void moveByUser(double pos);
    void stepBy(int steps) { moveByUser(m_pos + steps); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool isVertical() const;
    bool isInteractive() const;
    double normalised(double pos) const;
    // The thumb's travel: from its first to its last centre position.
    QSize thumbSize() const;
    int travelStart() const;
    int travelLength() const;

    QImage m_bg;
    QImage m_over;
    QImage m_thumb;
    Action m_action;
    double m_min = 0.0;
    double m_max = 100.0;
    double m_pos = 0.0;
    int m_barStyle = StyleSlider;
    int m_calcuPosType = PosInteger;
    int m_tag = 0;
    bool m_isConImage = false;
    bool m_dragging = false;
    bool m_showFocus = false;
};

} // namespace orvex
