// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PopDialogLayout.h"
#include "SkinPainter.h"

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The picture dialogs: for each dialog of the table its three pictures
// "<name>_Normal.png", "_Over.png" and "_Down.png" (and their @2x
// siblings), identical but for the state of the OK and Cancel faces. Each
// carries its title, a sign and its message.
class DialogArt
{
public:
    static constexpr int TitleHeight = 40;
    static constexpr int Margin = 20;

    static void paint(QPainter &painter, const PopDialogLayout &dialog, SkinPainter::Face face);
    // Writes every dialog's pictures into `folder`; false (with the path in
    // `failed`) when one cannot be written.
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
