// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainViewLayout.h"

namespace orvex {

namespace {

MainViewLayout::Control control(const char *field, int tag, int x, int top, int width, int height,
                                const char *ownPicture = "", const char *caption = "")
{
    return {QLatin1String(field), tag, QRect(x, top, width, height), QLatin1String(ownPicture),
            QLatin1String(caption)};
}

} // namespace

QList<QString> MainViewLayout::functionTypeIcons()
{
    return {QStringLiteral("BtnFunType_D.png"), QStringLiteral("BtnFunType_S.png"),
            QStringLiteral("BtnFunType_T.png"), QStringLiteral("BtnFunType_L.png")};
}

const QList<MainViewLayout::Control> &MainViewLayout::controls()
{
    static const QList<Control> table{
        control("reDefBtn", 257, 662, 16, 43, 29, "", "Reset"),
        control("homeBtn", 258, 726, 16, 43, 29, "", "Web"),
        control("helpBtn", 259, 789, 16, 43, 29, "", "Help"),
        control("closeBtn", 260, 855, 16, 43, 29, "", "Close"),
        control("profile1Btn", 261, 38, 110, 163, 42, "profile1", "Profile 1"),
        control("profile2Btn", 262, 141, 109, 152, 43, "profile2", "Profile 2"),
        control("profile3Btn", 263, 220, 109, 152, 42, "profile3", "Profile 3"),
        control("profile4Btn", 264, 289, 109, 167, 42, "profile4", "Profile 4"),
        control("profile5Btn", 265, 391, 109, 156, 43, "profile5", "Profile 5"),
        control("normalModeBtn", 26, 120, 183, 75, 32, "", "Normal"),
        control("battleModeBtn", 27, 206, 183, 75, 32, "", "Battle"),
        control("currProfileBtn", 28, 352, 193, 153, 19),
        control("lightOptionBtn", 29, 559, 152, 63, 142, "LightOption", "Lighting"),
        control("macroBtn", 272, 510, 233, 62, 147, "MacroKey", "Macros"),
        control("settingBtn", 274, 539, 320, 62, 146, "SettingOption", "Performance"),
        control("profileOptionBtn", 273, 485, 414, 72, 151, "ProfileOption", "Profiles"),
        control("tkeyBtn", 275, 635, 235, 193, 40, "", "Macro"),
        control("singleBtn", 276, 635, 288, 193, 40, "", "Single key"),
        control("defaultBtn", 277, 634, 342, 196, 40, "", "Default"),
        control("launchProBtn", 293, 634, 395, 196, 40, "", "Launcher"),
        control("moiveAirBtn", 294, 633, 448, 196, 40, "", "Air Through"),
        control("moive3dBtn", 295, 631, 505, 206, 50, "", "3D Axis"),
        control("applyBtn", 278, 631, 721, 83, 31, "", "Apply"),
        control("cancelBtn", 280, 741, 721, 103, 31, "", "Cancel"),
        control("okBtn", 279, 874, 721, 49, 31, "", "OK"),
        control("leftClickBtn", 281, 118, 319, 72, 132, "LeftClick"),
        control("middleClickBtn", 282, 178, 360, 201, 50, "MiddleClick"),
        control("rightBtn", 283, 368, 324, 65, 131, "RightClick"),
        control("left2Btn", 284, 77, 432, 17, 25, "Left2"),
        control("left3Btn", 285, 78, 474, 22, 35, "Left3"),
        control("right4Btn", 286, 451, 438, 16, 25, "Right4"),
        control("right5Btn", 287, 444, 480, 20, 34, "Right5"),
        control("dpiUpBtn", 289, 74, 507, 18, 18),
        control("dpiDownBtn", 290, 83, 545, 18, 18),
        control("dpiRightBtn", 291, 92, 523, 18, 18),
        control("dpiLeftBtn", 292, 65, 530, 18, 18),
    };
    return table;
}

const MainViewLayout::Control *MainViewLayout::byTag(int tag)
{
    for (const Control &entry : controls()) {
        if (entry.tag == tag)
            return &entry;
    }
    return nullptr;
}

const MainViewLayout::Control *MainViewLayout::byField(const QString &field)
{
    for (const Control &entry : controls()) {
        if (entry.field == field)
            return &entry;
    }
    return nullptr;
}

QRect MainViewLayout::tabFace(int slot)
{
    static const QRect faces[TabCount]{
        {0, 0, 105, 42}, {22, 0, 78, 42}, {22, 0, 78, 42}, {32, 0, 95, 42}, {40, 0, 116, 42}};
    return slot >= 0 && slot < TabCount ? faces[slot] : QRect();
}

QList<int> MainViewLayout::hotSpotTags()
{
    QList<int> tags;
    for (int tag = FirstHotSpotTag; tags.size() < 11; ++tag) {
        if (tag != UnusedTag)
            tags << tag;
    }
    return tags;
}

} // namespace orvex
