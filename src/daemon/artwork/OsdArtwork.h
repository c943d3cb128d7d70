// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

// The on-screen display's pictures: what the build-time artwork tool draws and
// what the agent loads and draws into. Both sides include this header, so a
// picture and the places the agent writes figures into it cannot drift apart.
namespace orvex::osd {

// Every picture is drawn at the size of the display window.
constexpr int Width = 613;
constexpr int Height = 130;

// Folder of the pictures inside the resource folder.
inline constexpr char Folder[] = "osd";

struct Picture
{
    const char *tag;      // what the agent is asked to show
    const char *fileName; // PNG in Folder
    const char *caption;  // the picture's words, for a desktop notification
};

inline constexpr std::array<Picture, 19> Pictures = {{
    {"dpi0", "Level1.png", "DPI stage 1"},
    {"dpi1", "Level2.png", "DPI stage 2"},
    {"dpi2", "Level3.png", "DPI stage 3"},
    {"dpi3", "Level4.png", "DPI stage 4"},
    {"dpixy0", "LevelXY1.png", "DPI stage 1"},
    {"dpixy1", "LevelXY2.png", "DPI stage 2"},
    {"dpixy2", "LevelXY3.png", "DPI stage 3"},
    {"dpixy3", "LevelXY4.png", "DPI stage 4"},
    {"rate0", "Rate_125.png", "Report rate 125 Hz"},
    {"rate1", "Rate_250.png", "Report rate 250 Hz"},
    {"rate2", "Rate_500.png", "Report rate 500 Hz"},
    {"rate3", "Rate_1000.png", "Report rate 1000 Hz"},
    {"P1", "P1.png", "Profile 1"},
    {"P2", "P2.png", "Profile 2"},
    {"P3", "P3.png", "Profile 3"},
    {"P4", "P4.png", "Profile 4"},
    {"P5", "P5.png", "Profile 5"},
    {"battle", "Battle.png", "Battle mode"},
    {"normal", "Normal.png", "Normal mode"},
}};

// Tag prefixes of the DPI pictures: "dpi<stage>" when X and Y are equal,
// "dpixy<stage>" otherwise.
inline constexpr char DpiTagPrefix[] = "dpi";
inline constexpr char DpiXYTagPrefix[] = "dpixy";
constexpr int DpiStageCount = 4;

// Where the agent writes the resolution into a DPI picture, and the font
// sizes it uses (pixels). Rectangles are in the picture's pixels, origin at
// the top left; the artwork leaves them empty.
constexpr QRect DpiValueRect{56, Height - 12 - 71, 273, 71}; // X = Y: one figure
constexpr QRect DpiXRect{251, Height - 74 - 50, 202, 50};    // X above ...
constexpr QRect DpiYRect{251, Height - 9 - 50, 202, 50};     // ... Y
constexpr int DpiValueFontSize = 90;
constexpr int DpiXYFontSize = 70;

// The font the figures are drawn with, shipped beside the pictures.
inline constexpr char FontFile[] = "osd/OsdFigures.ttf";

// The figures in that font, drawn ahead of time, so that the agent composes
// them from pictures and never starts a font engine (which would hold a few
// MB for as long as the session lasts). One sheet per figure size: the digits
// 0 to 9 side by side in cells of equal width, white on transparent, all on
// one baseline. Without a sheet the agent draws with the font above, or with
// the default font.
struct FigureSheet
{
    int pixelSize;
    const char *fileName; // PNG in Folder
};
inline constexpr std::array<FigureSheet, 2> FigureSheets = {{
    {DpiValueFontSize, "Figures90.png"},
    {DpiXYFontSize, "Figures70.png"},
}};
inline constexpr char FigureDigits[] = "0123456789";
constexpr int FigureDigitCount = 10;

} // namespace orvex::osd
