// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace orvex {

// The shape of a pick list: outer border colour, width in pixels and the
// alignment of the captions (0 left, 1 right, 2 centred).
class WexMenulistAtt
{
public:
    static constexpr int AlignLeft = 0;
    static constexpr int AlignRight = 1;
    static constexpr int AlignCentre = 2;
    static constexpr int DefaultMenuWidth = 150;

    void setBorderColor(const QColor &color) { m_borderColor = color; }
    QColor borderColor() const { return m_borderColor; }
    // Widths below 1 are ignored.
    void setMenuWidth(int width)
    {
        if (width > 0)
            m_menuWidth = width;
    }
    int menuWidth() const { return m_menuWidth; }
    void setCaptionAlignment(int alignment) { m_captionAlignment = alignment; }
    int captionAlignment() const { return m_captionAlignment; }
    Qt::Alignment qtAlignment() const
    {
        switch (m_captionAlignment) {
        case AlignRight:
            return Qt::AlignRight | Qt::AlignVCenter;
        case AlignCentre:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
        }
    }

private:
    QColor m_borderColor = Qt::red;
    int m_menuWidth = DefaultMenuWidth;
    int m_captionAlignment = AlignLeft;
};

} // namespace orvex
