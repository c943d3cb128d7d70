// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopDialogLayout.h"

namespace orvex {

const QList<PopDialogLayout> &PopDialogLayout::all()
{
    static const QList<PopDialogLayout> dialogs{
        {QStringLiteral("WarningResetAll"), QSize(494, 174), QPoint(284, 124), QPoint(387, 124),
         QStringLiteral("Reset profile"),
         QStringLiteral("Reset this profile to the factory settings?")},
        {QStringLiteral("WarningNeedSave"), QSize(494, 171), QPoint(283, 124), QPoint(384, 124),
         QStringLiteral("Unsaved changes"),
         QStringLiteral("This profile has changes that were not applied. Switch profiles "
                        "and drop them?")},
        {QStringLiteral("WarningNeedLeft"), QSize(556, 164), QPoint(448, 117), QPoint(0, 0),
         QStringLiteral("Left click needed"),
         QStringLiteral("At least one button must keep the left-click function.")},
        {QStringLiteral("WarningPlusIn"), QSize(556, 164), QPoint(448, 117), QPoint(0, 0),
         QStringLiteral("Mouse not found"),
         QStringLiteral("No Orvex mouse is connected. Plug in the mouse, then start Orvex "
                        "again.")},
        {QStringLiteral("WarningBattle"), QSize(598, 173), QPoint(489, 124), QPoint(0, 0),
         QStringLiteral("Battle LED mode"),
         QStringLiteral("Battle LED mode is on: the three zones now show the battle lighting of "
                        "this profile.")},
        {QStringLiteral("WarningExistProfileName"), QSize(598, 173), QPoint(489, 124), QPoint(0, 0),
         QStringLiteral("Profile name in use"),
         QStringLiteral("A profile with this name already exists. Rename that profile, then "
                        "import the file again.")},
    };
    return dialogs;
}

const PopDialogLayout *PopDialogLayout::find(const QString &name)
{
    for (const PopDialogLayout &dialog : all()) {
        if (dialog.name == name)
            return &dialog;
    }
    return nullptr;
}

} // namespace orvex
