// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QColor>

class QPainter;

namespace orvex::artwork {

// The picture of the mouse in the main window: its body in the window's
// skin, and each of its eleven buttons in every state, both in the skin
// (at rest) and as the hot-spots' own pictures (lit under the pointer and
// when pressed). See MouseShapes for the outlines.
class MouseArt
{
public:
    // The mouse's lights: the strip along the front edge, the logo on the
    // palm, and the strips along both wings (one LED zone each).
    enum class Light
    {
        Front,
        Logo,
        Wings,
    };
    // The colours of a lit light: its glow and body, the brighter core
    // along a strip's middle, and the rim of the logo's centre.
    struct Lamp
    {
        QColor light;
        QColor core;
        QColor rim;
    };
    // The main window's red.
    static Lamp redLamp();
    // A light of `colour`, its core paler towards white.
    static Lamp lamp(const QColor &colour);

    // The cord up to `cableTop`, the shadow, the wings, the shell with its
    // vents, lights and logo, and the sockets and pad the buttons sit in; no
    // button. The lights are lit red, or dark and the shadow without their
    // glow when `lightsOn` is false.
    static void paintBody(QPainter &painter, qreal cableTop, bool lightsOn = true);
    // `light` lit with `lamp`, over the body, glow included.
    static void paintLight(QPainter &painter, Light light, const Lamp &lamp);
    // Button `index` (button index 0..10) in `face`, in window coordinates.
    static void paintButton(QPainter &painter, int index, SkinPainter::Face face);
    // The own picture of button `index` in `face`: the button alone, on a
    // transparent picture of its hot-spot's rectangle (the painter's origin
    // at the rectangle's top-left corner).
    static void paintOwnPicture(QPainter &painter, int index, SkinPainter::Face face);
};

} // namespace orvex::artwork
