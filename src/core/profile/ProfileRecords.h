// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace orvex {

// The fixed-layout records of a profile. ORVEX_CONFIG is also the exact
// profile file: its in-memory image on a 64-bit little-endian machine with
// natural alignment. Offsets are part of the file format; each is checked below.

// One button assignment.
struct BTN_INFO
{
    std::uint32_t FuncID;      // function shown to the user: catalogue functionID, or 6 macro,
                               // 15 launcher, 239 "T Key", 240 "Page UP(Win)", 241 "Page Down(Win)"
    std::uint32_t FuncTableId; // firmware function class (one byte on the device)
    std::uint32_t btnType;     // 1 single function, 2 macro, 3 launcher
    std::uint32_t KeyBit[4];   // firmware parameter bytes (low byte travels); for a macro:
                               // [0] repeat mode 0..3, [1] repeat count, [2] macro id
    char app_path[256];        // launcher: UTF-8 path, NUL-terminated
    std::uint32_t singlekey_code;
    std::uint32_t MacroID; // macroId of the assigned macro, 0 = none
};

constexpr int ButtonCount = 11;
constexpr int LedZoneCount = 3;
constexpr int DpiStageCount = 4;
constexpr int FirmwareSlotCount = 5;

// Button order inside a profile.
enum ButtonIndex
{
    LeftClick = 0,
    MiddleClick,
    RightClick,
    Left2,
    Left3,
    Right4,
    Right5,
    DpiUpButton,
    DpiDownButton,
    DpiRightButton,
    DpiLeftButton,
};

// Stable names of the buttons in profile order, used by readable files and
// the command line.
inline constexpr const char *ButtonKeyNames[ButtonCount] = {
    "LeftClick", "MiddleClick", "RightClick", "Left2",    "Left3",   "Right4",
    "Right5",    "DpiUp",       "DpiDown",    "DpiRight", "DpiLeft",
};

// The lighting palette in colour-index order.
inline constexpr const char *PaletteColourNames[] = {"red",   "purple", "blue", "light-blue",
                                                     "white", "yellow", "green"};
constexpr int PaletteColourCount = 7;

// One profile's settings.
struct ORVEX_PROFILE
{
    BTN_INFO btnInfo[ButtonCount];
    std::uint32_t modeType;                         // lighting: 0 normal, 1 battle
    std::uint32_t islightOnArr[LedZoneCount];       // 0 off, non-zero on
    std::uint32_t lightColorIndexArr[LedZoneCount]; // palette index 0..6
    std::uint32_t xSensArr[DpiStageCount];          // DPI = value * 50
    std::uint32_t ySensArr[DpiStageCount];          // DPI = value * 50
    std::uint32_t currSelectDPI;                    // active stage 0..3
    std::uint32_t acceler;                          // system pointer acceleration (type 1)
    std::uint32_t doubleSpeed;                      // system double-click speed (type 3)
    std::uint32_t srcSpeed;                         // system scroll speed (type 2)
    std::uint32_t poRate;                           // 0 125 Hz, 1 250 Hz, 2 500 Hz, 3 1000 Hz
    std::uint32_t enableSrcDes;                     // on-screen display switch
    std::uint32_t liftHeight;                       // lift-off code, 5 bits on the device
};

// One stored profile; the profile file.
struct ORVEX_CONFIG
{
    std::uint32_t setProfileId[FirmwareSlotCount]; // carried through unchanged
    std::uint8_t padding0[4];
    std::uint64_t profileId;     // 1-based list position when last saved
    std::uint64_t currProfileId; // carried through unchanged
    char isDefault;              // non-zero: a factory profile
    char profileName[256];       // UTF-8, NUL-terminated, <= 255 bytes of text
    std::uint8_t padding1[3];
    ORVEX_PROFILE profile;
    std::uint64_t fwProfileID[FirmwareSlotCount]; // profileId bound to each firmware slot
};

static_assert(std::is_trivially_copyable_v<BTN_INFO>);
static_assert(std::is_trivially_copyable_v<ORVEX_PROFILE>);
static_assert(std::is_trivially_copyable_v<ORVEX_CONFIG>);

static_assert(sizeof(BTN_INFO) == 292);
static_assert(offsetof(BTN_INFO, FuncID) == 0);
static_assert(offsetof(BTN_INFO, FuncTableId) == 4);
static_assert(offsetof(BTN_INFO, btnType) == 8);
static_assert(offsetof(BTN_INFO, KeyBit) == 12);
static_assert(offsetof(BTN_INFO, app_path) == 28);
static_assert(offsetof(BTN_INFO, singlekey_code) == 284);
static_assert(offsetof(BTN_INFO, MacroID) == 288);

static_assert(sizeof(ORVEX_PROFILE) == 3300);
static_assert(offsetof(ORVEX_PROFILE, btnInfo) == 0);
static_assert(offsetof(ORVEX_PROFILE, modeType) == 3212);
static_assert(offsetof(ORVEX_PROFILE, islightOnArr) == 3216);
static_assert(offsetof(ORVEX_PROFILE, lightColorIndexArr) == 3228);
static_assert(offsetof(ORVEX_PROFILE, xSensArr) == 3240);
static_assert(offsetof(ORVEX_PROFILE, ySensArr) == 3256);
static_assert(offsetof(ORVEX_PROFILE, currSelectDPI) == 3272);
static_assert(offsetof(ORVEX_PROFILE, acceler) == 3276);
static_assert(offsetof(ORVEX_PROFILE, doubleSpeed) == 3280);
static_assert(offsetof(ORVEX_PROFILE, srcSpeed) == 3284);
static_assert(offsetof(ORVEX_PROFILE, poRate) == 3288);
static_assert(offsetof(ORVEX_PROFILE, enableSrcDes) == 3292);
static_assert(offsetof(ORVEX_PROFILE, liftHeight) == 3296);

static_assert(sizeof(ORVEX_CONFIG) == 3640);
static_assert(offsetof(ORVEX_CONFIG, setProfileId) == 0);
static_assert(offsetof(ORVEX_CONFIG, padding0) == 20);
static_assert(offsetof(ORVEX_CONFIG, profileId) == 24);
static_assert(offsetof(ORVEX_CONFIG, currProfileId) == 32);
static_assert(offsetof(ORVEX_CONFIG, isDefault) == 40);
static_assert(offsetof(ORVEX_CONFIG, profileName) == 41);
static_assert(offsetof(ORVEX_CONFIG, padding1) == 297);
static_assert(offsetof(ORVEX_CONFIG, profile) == 300);
static_assert(offsetof(ORVEX_CONFIG, fwProfileID) == 3600);

// The file is the little-endian image; this build writes it byte for byte.
static_assert(std::endian::native == std::endian::little,
              "profile files are little-endian memory images");

} // namespace orvex
