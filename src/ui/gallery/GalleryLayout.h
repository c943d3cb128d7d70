// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace orvex::gallery {

// Where the gallery's skin draws its panels and button faces, and where the
// controls cut them: one table so the two cannot drift apart.
class GalleryLayout
{
public:
    struct Face
    {
        QRect rect;
        QString caption;
    };
    struct Panel
    {
        QRect rect;
        QString title;
    };

    static constexpr int Width = 900;
    static constexpr int Height = 620;
    static constexpr int TitleHeight = 40;

    static QList<Panel> panels()
    {
        return {{QRect(20, 56, 270, 250), QStringLiteral("Buttons")},
                {QRect(310, 56, 280, 250), QStringLiteral("Selectors and pictures")},
                {QRect(610, 56, 270, 250), QStringLiteral("Fields and sliders")},
                {QRect(20, 322, 270, 280), QStringLiteral("Macro steps")},
                {QRect(310, 322, 400, 280), QStringLiteral("Dialogs")},
                {QRect(730, 322, 150, 280), QStringLiteral("Loading")}};
    }

    static QList<Face> pushButtons()
    {
        return {{QRect(40, 92, 92, 26), QStringLiteral("Apply")},
                {QRect(150, 92, 92, 26), QStringLiteral("Cancel")},
                {QRect(40, 130, 92, 26), QStringLiteral("Disabled")}};
    }
    static QList<Face> checkBoxes()
    {
        return {{QRect(40, 172, 200, 20), QStringLiteral("Separate X and Y")},
                {QRect(40, 198, 200, 20), QStringLiteral("One screen at a time")}};
    }
    static QRect pickButton() { return QRect(40, 236, 200, 24); }
    static QList<Face> profileTabs()
    {
        QList<Face> tabs;
        for (int i = 0; i < 5; ++i)
            tabs.append({QRect(330 + i * 50, 92, 46, 28), QStringLiteral("P%1").arg(i + 1)});
        return tabs;
    }
    static QList<Face> modeButtons()
    {
        return {{QRect(330, 136, 110, 28), QStringLiteral("Normal")},
                {QRect(450, 136, 110, 28), QStringLiteral("Battle")}};
    }
    static QRect functionIcon(int index) { return QRect(330 + index * 44, 190, 31, 31); }
    static QRect zoneMarker() { return QRect(510, 190, 31, 31); }
    static QRect hotSpotMarker() { return QRect(552, 198, 14, 14); }
    static QRect functionCaption() { return QRect(330, 232, 240, 22); }
    static QRect textField() { return QRect(630, 92, 150, 22); }
    static QRect label() { return QRect(630, 124, 230, 22); }
    static QRect numberField() { return QRect(630, 156, 60, 22); }
    static QRect numberUnit() { return QRect(694, 156, 60, 22); }
    static QRect dpiSlider() { return QRect(630, 196, 230, 22); }
    static QRect speedSlider() { return QRect(630, 236, 230, 22); }
    static QRect stepIcon(int row) { return QRect(40, 356 + row * 30, 19, 20); }
    static QRect stepText(int row) { return QRect(66, 356 + row * 30, 200, 20); }
    static QRect dialogThumbnail(int index)
    {
        return QRect(330 + (index % 2) * 190, 356 + (index / 2) * 76, 176, 60);
    }
    static QRect loadingAnimation() { return QRect(732, 356, 146, 87); }
    static Face overlayButton()
    {
        return {QRect(742, 470, 126, 26), QStringLiteral("Show overlay")};
    }
};

} // namespace orvex::gallery
