// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingViewLayout.h"

namespace orvex {

namespace {

using Kind = SettingViewLayout::Kind;
using View = SettingViewLayout::View;

constexpr int RowLabelLeft = 34;
constexpr int RowLabelGap = 8;
constexpr int BesideEndWidth = 42;

SettingViewLayout::Control button(const char *field, int tag, Kind kind, const QRect &rect,
                                  const char *caption)
{
    return {QLatin1String(field), tag, kind, View::Page, rect, QLatin1String(caption), 0, 0};
}

SettingViewLayout::Control slider(const char *field, int tag, View view, const QRect &rect,
                                  const char *label, int minimum, int maximum)
{
    return {QLatin1String(field), tag,     Kind::Slider, view, rect,
            QLatin1String(label), minimum, maximum};
}

SettingViewLayout::Control numberField(const char *field, View view, const QRect &rect)
{
    // The resolution in DPI: 50 to 8200, four digits.
    return {
        QLatin1String(field), 0, Kind::NumberField, view, rect, QStringLiteral("DPI"), 50, 8200};
}

bool isDesktopSetting(const QString &field)
{
    return field == QLatin1String("doubleSpeedPro") || field == QLatin1String("mouseSpeedPro") ||
           field == QLatin1String("scrSpeedPro");
}

} // namespace

const QList<SettingViewLayout::Control> &SettingViewLayout::controls()
{
    static const QList<Control> table{
        button("enableIndChk", 5050, Kind::CheckBox, QRect(412, 80, 160, 22), "Separate X and Y"),
        slider("dpiLevelPro", 5051, View::Page, QRect(150, 112, 300, 26), "DPI level", 0, 3),
        slider("doubleSpeedPro", 5052, View::Page, QRect(220, 548, 290, 26), "Double-click speed",
               1, 10),
        slider("mouseSpeedPro", 5053, View::Page, QRect(220, 432, 290, 26), "Pointer speed", 1, 10),
        slider("scrSpeedPro", 5054, View::Page, QRect(220, 480, 290, 26), "Scroll speed", 1, 10),
        button("rate125Btn", 5055, Kind::RateItem, QRect(34, 332, 71, 34), "125 Hz"),
        button("rate250Btn", 5056, Kind::RateItem, QRect(113, 332, 71, 34), "250 Hz"),
        button("rate500Btn", 5057, Kind::RateItem, QRect(192, 332, 71, 34), "500 Hz"),
        button("rate1000Btn", 5058, Kind::RateItem, QRect(271, 332, 71, 34), "1000 Hz"),
        button("oneScreenBtn", 5059, Kind::CheckBox, QRect(220, 513, 220, 22),
               "One screen at a time"),
        button("okBtn", 5060, Kind::Button, QRect(505, 622, 80, 30), "OK"),
        button("cancelBtn", 5061, Kind::Button, QRect(417, 622, 80, 30), "Cancel"),
        button("applyBtn", 5062, Kind::Button, QRect(329, 622, 80, 30), "Apply"),
        button("reDefBtn", 5063, Kind::Button, QRect(20, 622, 150, 30), "Reset to default"),
        slider("dpiPro", 5064, View::Page, QRect(150, 204, 300, 26), "Resolution", 1, 164),
        numberField("dpiTxt", View::Page, QRect(470, 207, 52, 20)),
        slider("dpiXPro", 5065, View::Dpi, QRect(129, 16, 300, 26), "Resolution X", 1, 164),
        numberField("dpiXTxt", View::Dpi, QRect(449, 19, 52, 20)),
        slider("dpiYPro", 5066, View::Dpi, QRect(129, 64, 300, 26), "Resolution Y", 1, 164),
        numberField("dpiYTxt", View::Dpi, QRect(449, 67, 52, 20)),
        slider("liftHeightPro", 5067, View::Page, QRect(380, 334, 191, 26), "Lift-off distance", 1,
               25),
    };
    return table;
}

QList<SettingViewLayout::Control> SettingViewLayout::controlsOf(View view)
{
    QList<Control> found;
    for (const Control &control : controls()) {
        if (control.view == view)
            found << control;
    }
    return found;
}

const SettingViewLayout::Control *SettingViewLayout::byField(const QString &field)
{
    for (const Control &control : controls()) {
        if (control.field == field)
            return &control;
    }
    return nullptr;
}

const SettingViewLayout::Control *SettingViewLayout::byTag(int tag)
{
    for (const Control &control : controls()) {
        if (tag != 0 && control.tag == tag)
            return &control;
    }
    return nullptr;
}

const QList<SettingViewLayout::Panel> &SettingViewLayout::panels()
{
    static const QList<Panel> table{
        {QStringLiteral("Resolution"), QRect(20, 72, 565, 214)},
        {QStringLiteral("Report rate"), QRect(20, 300, 334, 84)},
        {QStringLiteral("Lift-off distance"), QRect(366, 300, 219, 84)},
        {QStringLiteral("Desktop pointer"), QRect(20, 398, 565, 200)},
    };
    return table;
}

QRect SettingViewLayout::fieldBox(const Control &field)
{
    return field.rect.adjusted(-2 * FieldBoxMargin, -FieldBoxMargin, FieldBoxMargin,
                               FieldBoxMargin);
}

QRect SettingViewLayout::rowLabel(const Control &slider)
{
    // The lift-off distance has a panel of its own, titled with its name.
    if (slider.field == QLatin1String("liftHeightPro"))
        return {};
    const int left = slider.view == View::Dpi ? RowLabelLeft - DpiViewRect.left() : RowLabelLeft;
    const int right =
        isDesktopSetting(slider.field) ? slider.rect.left() - BesideEndWidth : slider.rect.left();
    return QRect(left, slider.rect.top(), right - RowLabelGap - left, slider.rect.height());
}

SettingViewLayout::TrackEnds SettingViewLayout::trackEnds(const Control &slider)
{
    if (isDesktopSetting(slider.field))
        return {QStringLiteral("Slow"), QStringLiteral("Fast"), true};
    if (slider.field == QLatin1String("liftHeightPro"))
        return {QStringLiteral("Low"), QStringLiteral("High"), false};
    if (slider.field == QLatin1String("dpiPro") || slider.field == QLatin1String("dpiYPro"))
        return {QStringLiteral("50"), QStringLiteral("8200"), false};
    return {};
}

QRect SettingViewLayout::lowEndRect(const Control &slider)
{
    const QRect track = slider.rect;
    if (trackEnds(slider).beside)
        return QRect(track.left() - BesideEndWidth, track.top(), BesideEndWidth - 4,
                     track.height());
    return QRect(track.left(), track.bottom() + 1, track.width() / 2, TrackEndLabelHeight);
}

QRect SettingViewLayout::highEndRect(const Control &slider)
{
    const QRect track = slider.rect;
    if (trackEnds(slider).beside)
        return QRect(track.right() + 5, track.top(), BesideEndWidth, track.height());
    return QRect(track.center().x(), track.bottom() + 1, track.width() - track.width() / 2,
                 TrackEndLabelHeight);
}

int SettingViewLayout::levelMark(int level)
{
    const Control *slider = byField(QStringLiteral("dpiLevelPro"));
    if (!slider)
        return 0;
    const int travel = slider->rect.width() - LevelThumbWidth;
    const int steps = slider->maximum - slider->minimum;
    // Rounded to the nearest pixel, as the slider places its thumb.
    const int along = steps > 0 ? (2 * travel * level + steps) / (2 * steps) : 0;
    return slider->rect.left() + LevelThumbWidth / 2 + along;
}

} // namespace orvex
