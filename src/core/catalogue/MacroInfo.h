// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MacroKeyInfo.h"
#include "platform/KeyedArchivable.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

namespace orvex {

class KeyedUnarchiver;

// One macro of the catalogue. Steps are shared objects: the macro editor
// keeps pointers to the step it selected and to the one recorded last, and
// edits them in place.
//
// Archived (the .mac files) as class "MacroInfo" with "loopTime" (integer),
// "nameStr" (string) and "keyInfoArr" (array of MacroKeyInfo); macroId is
// not archived.
class MacroInfo : public KeyedArchivable
{
public:
    std::int32_t macroId = 0; // unique in the macro list, 1 or more; 0 = none yet
    QString nameStr;
    std::int32_t loopTime = 0; // carried through unchanged, never interpreted
    QList<MacroKeyInfoPtr> keyInfoArr;

    // Bytes the macro occupies in the mouse's macro data: per combination
    // step getComMacroCount(), per other step 1, plus 2 when its delay is
    // above 0.
    std::int32_t getMacroCount() const;
    // Bytes of one combination step: 2 per key of its combination-menu entry,
    // counting KeyBit1..KeyBit4 up to the first empty one (0xFF); 0 when the
    // catalogue has no entry for the step's keyCode.
    static std::int32_t getComMacroCount(const MacroKeyInfo &step);

    // Appends a new step and answers it.
    MacroKeyInfoPtr addStep(std::int32_t keyCode, std::int32_t keyFlag, std::int32_t delay);
    // A copy with copies of the steps, for callers that must not share them.
    std::shared_ptr<MacroInfo> deepCopy() const;

    static constexpr char ArchiveClassName[] = "MacroInfo";
    QStringList archiveClassNames() const override;
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // The macro an archived object holds, with macroId 0; null when the
    // object is not a MacroInfo. Array elements that are not steps are skipped.
    static std::shared_ptr<MacroInfo> initWithCoder(const KeyedUnarchiver &coder);
};

using MacroInfoPtr = std::shared_ptr<MacroInfo>;

} // namespace orvex
