// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroViewLayout.h"

namespace orvex {

namespace {

using Kind = ButtonPageLayout::Kind;

ButtonPageLayout::Control control(const char *field, int tag, const QRect &rect, Kind kind,
                                  const char *caption)
{
    return {QLatin1String(field), tag, rect, kind, QString::fromUtf8(caption)};
}

ButtonPageLayout::Panel panel(const QRect &rect, const QRect &labelRect, const char *label)
{
    return {rect, labelRect, QLatin1String(label)};
}

} // namespace

// Left: the macro and its steps with the recording buttons under them.
// Right, top to bottom: the macro files, how recording sets delays, the
// selected step's delay, the command to insert; OK, Cancel and Apply below.
const ButtonPageLayout::Page &MacroViewLayout::macroView()
{
    static const ButtonPageLayout::Page page{
        QStringLiteral("MacroView_Normal.png"),
        QSize(603, 474),
        46,
        QStringLiteral("Macro editor"),
        QChar(),
        QRect(),
        {panel(QRect(14, 58, 282, 40), QRect(24, 58, 52, 40), "Macro"),
         panel(QRect(14, 106, 282, 310), QRect(24, 108, 120, 20), "Steps"),
         panel(QRect(308, 58, 281, 40), QRect(), ""),
         panel(QRect(308, 106, 281, 112), QRect(318, 108, 200, 20), "Recording delay"),
         panel(QRect(), QRect(550, 158, 30, 24), "ms"),
         panel(QRect(308, 226, 281, 80), QRect(318, 228, 200, 20), "Step delay"),
         panel(QRect(), QRect(452, 258, 26, 26), "ms"),
         panel(QRect(308, 314, 281, 102), QRect(318, 316, 200, 20), "Command")},
        {control("macroNameBtn", 5109, QRect(80, 66, 206, 24), Kind::PickField, "Macro"),
         control("keytbView", 0, QRect(22, 132, 266, 238), Kind::NumberField, "Steps"),
         control("recordBtn", 5100, QRect(22, 380, 66, 26), Kind::PushButton, "Record"),
         control("stopBtn", 5101, QRect(92, 380, 50, 26), Kind::PushButton, "Stop"),
         control("delKeyBtn", 5102, QRect(146, 380, 54, 26), Kind::PushButton, "Delete"),
         control("keyUpBtn", 5103, QRect(204, 380, 40, 26), Kind::PushButton, "Up"),
         control("keyDownBtn", 5104, QRect(248, 380, 40, 26), Kind::PushButton, "Down"),
         control("newMacroBtn", 5105, QRect(316, 65, 62, 26), Kind::PushButton, "New"),
         control("delMacroBtn", 5108, QRect(382, 65, 62, 26), Kind::PushButton, "Delete"),
         control("loadMacroBtn", 5106, QRect(448, 65, 62, 26), Kind::PushButton, "Import"),
         control("saveMacroBtn", 5107, QRect(514, 65, 67, 26), Kind::PushButton, "Export"),
         control("lgnoreDelayChk", 5115, QRect(314, 130, 269, 24), Kind::ModeItem,
                 "Without any delay"),
         control("insertDefLayChk", 5116, QRect(314, 158, 170, 24), Kind::ModeItem,
                 "Default delay"),
         control("defDelayTxt", 0, QRect(488, 158, 58, 24), Kind::NumberField, "Default delay"),
         control("insertDefDelayBtn", 5111, QRect(316, 188, 265, 24), Kind::PushButton,
                 "Use for recording"),
         control("adjustDelayDownBtn", 5114, QRect(316, 258, 30, 26), Kind::PushButton, "\u2212"),
         control("adjustDelayTxt", 0, QRect(350, 258, 64, 26), Kind::NumberField, "Step delay"),
         control("adjustDelayUpBtn", 5113, QRect(418, 258, 30, 26), Kind::PushButton, "+"),
         control("insertDelayBtn", 5110, QRect(482, 258, 99, 26), Kind::PushButton, "Set delay"),
         control("comSelBtn", 5117, QRect(316, 344, 265, 24), Kind::PickField, "Command"),
         control("insertComBtn", 5112, QRect(482, 380, 99, 26), Kind::PushButton, "Insert"),
         control("okBtn", 5118, QRect(323, 434, 82, 28), Kind::PushButton, "OK"),
         control("cancelBtn", 5119, QRect(411, 434, 82, 28), Kind::PushButton, "Cancel"),
         control("applyBtn", 5120, QRect(499, 434, 82, 28), Kind::PushButton, "Apply")},
    };
    return page;
}

const ButtonPageLayout::Page &MacroViewLayout::createMacroView()
{
    static const ButtonPageLayout::Page page{
        QStringLiteral("CreateMacro_Normal.png"),
        QSize(344, 165),
        40,
        QStringLiteral("New macro"),
        QChar(),
        QRect(),
        {panel(QRect(14, 52, 316, 56), QRect(24, 52, 50, 56), "Name")},
        {control("nameTxt", 0, QRect(80, 66, 240, 28), Kind::NumberField, "Macro name"),
         control("okBtn", 5300, QRect(146, 124, 88, 26), Kind::PushButton, "OK"),
         control("cancelBtn", 5301, QRect(242, 124, 88, 26), Kind::PushButton, "Cancel")},
    };
    return page;
}

QList<const ButtonPageLayout::Page *> MacroViewLayout::all()
{
    return {&macroView(), &createMacroView()};
}

} // namespace orvex
