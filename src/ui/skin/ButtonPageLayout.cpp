// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageLayout.h"

namespace orvex {

namespace {

using Kind = ButtonPageLayout::Kind;

ButtonPageLayout::Control control(const char *field, int tag, const QRect &rect, Kind kind,
                                  const char *caption)
{
    return {QLatin1String(field), tag, rect, kind, QLatin1String(caption)};
}

ButtonPageLayout::Panel panel(const QRect &rect, const QRect &labelRect, const char *label)
{
    return {rect, labelRect, QLatin1String(label)};
}

} // namespace

const ButtonPageLayout::Control *ButtonPageLayout::Page::byTag(int tag) const
{
    for (const Control &entry : controls) {
        if (entry.tag == tag)
            return &entry;
    }
    return nullptr;
}

const ButtonPageLayout::Control *ButtonPageLayout::Page::byField(const QString &field) const
{
    for (const Control &entry : controls) {
        if (entry.field == field)
            return &entry;
    }
    return nullptr;
}

QList<ButtonPageLayout::Control> ButtonPageLayout::Page::buttons() const
{
    QList<Control> list;
    for (const Control &entry : controls) {
        if (entry.kind != Kind::NumberField)
            list << entry;
    }
    return list;
}

const ButtonPageLayout::Page &ButtonPageLayout::tkeyView()
{
    static const Page page{
        QStringLiteral("TKeyView_Normal.png"),
        QSize(281, 324),
        40,
        QStringLiteral("Macro function"),
        u'T',
        QRect(24, 62, 31, 31),
        {panel(QRect(14, 52, 253, 52), QRect(62, 52, 46, 52), "Macro"),
         panel(QRect(14, 116, 253, 152), QRect(26, 120, 200, 22), "Repeat")},
        {control("selMacroBtn", 5250, QRect(112, 66, 141, 24), Kind::PickField, "Macro"),
         control("onceChk", 5251, QRect(22, 146, 237, 26), Kind::ModeItem, "Once"),
         control("multTimesChk", 5252, QRect(22, 176, 237, 26), Kind::ModeItem,
                 "A number of times"),
         control("holdChk", 5253, QRect(22, 206, 237, 26), Kind::ModeItem, "While held"),
         control("untilPreChk", 5254, QRect(22, 236, 237, 26), Kind::ModeItem,
                 "Until pressed again"),
         control("okBtn", 5255, QRect(71, 284, 92, 26), Kind::PushButton, "OK"),
         control("cancelBtn", 5256, QRect(175, 284, 92, 26), Kind::PushButton, "Cancel")},
    };
    return page;
}

const ButtonPageLayout::Page &ButtonPageLayout::singleKeyView()
{
    static const Page page{
        QStringLiteral("SingleView_Normal.png"),
        QSize(282, 181),
        40,
        QStringLiteral("Single key function"),
        u'S',
        QRect(24, 67, 31, 31),
        {panel(QRect(14, 52, 254, 62), QRect(62, 52, 40, 62), "Key")},
        {control("selComBtn", 5200, QRect(108, 71, 146, 24), Kind::PickField, "Key"),
         control("okBtn", 5201, QRect(72, 136, 92, 26), Kind::PushButton, "OK"),
         control("cancelBtn", 5202, QRect(176, 136, 92, 26), Kind::PushButton, "Cancel")},
    };
    return page;
}

const ButtonPageLayout::Page &ButtonPageLayout::repeatView()
{
    static const Page page{
        QStringLiteral("TKeyRepeatView_Normal.png"),
        QSize(281, 95),
        38,
        QStringLiteral("Repeat count"),
        QChar(),
        QRect(),
        {panel(QRect(), QRect(94, 52, 36, 28), "Times")},
        {control("countTxt", 0, QRect(16, 52, 72, 28), Kind::NumberField, "Repeat count"),
         control("okBtn", 5270, QRect(135, 53, 64, 26), Kind::PushButton, "OK"),
         control("cancelBtn", 5271, QRect(203, 53, 64, 26), Kind::PushButton, "Cancel")},
    };
    return page;
}

QList<const ButtonPageLayout::Page *> ButtonPageLayout::all()
{
    return {&tkeyView(), &singleKeyView(), &repeatView()};
}

} // namespace orvex
