// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace orvex {

// The drawing primitives of the application's look: brushed-metal window
// backgrounds, carbon-weave panels, title strips and button faces in their
// states. Everything is computed from fixed seeds, so a picture drawn twice
// is the same bit for bit (on the same fonts).
//
// Drawing is in the units of the 1x pictures. A picture for a screen scaled
// to 200 % is the same drawing on a blankImage() of scale 2: twice the
// pixels, and the textures made at that resolution rather than enlarged.
class SkinPainter
{
public:
    // The pictures a skinned control takes its states from.
    enum class Face
    {
        Normal,
        Over,
        Down,
        Disable,
        Active
    };
    static QString faceName(Face face);

    // A transparent image of `size` units at `scale` pixels per unit (its
    // device pixel ratio), ready to paint on in units.
    static QImage blankImage(const QSize &size, int scale = 1);

    // Brushed dark metal with a bevelled one-pixel rim; `seed` varies the grain.
    static void paintWindowBackground(QPainter &painter, const QRect &rect, quint32 seed = 1);
    // The top strip by which a window is dragged: darker metal, the title on
    // the left and a red line below.
    static void paintTitleStrip(QPainter &painter, const QRect &strip, const QString &title);
    // A sunken carbon-weave panel for messages and lists.
    static void paintCarbonPanel(QPainter &painter, const QRect &rect);
    // A push button in one of its states with a centred caption.
    static void paintButtonFace(QPainter &painter, const QRect &rect, Face face,
                                const QString &caption, int pixelSize = 13);
    // A square check box in one of its states, ticked or not, caption on its right.
    static void paintCheckBox(QPainter &painter, const QRect &rect, Face face, bool ticked,
                              const QString &caption);
    // Word-wrapped text in `rect`, vertically centred.
    static void paintMessage(QPainter &painter, const QRect &rect, const QString &text,
                             int pixelSize = 15);
    // A slider track: a sunken groove across the middle of `rect`.
    static void paintSliderTrack(QPainter &painter, const QRect &rect, bool filled);
};

} // namespace orvex
