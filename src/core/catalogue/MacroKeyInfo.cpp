// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/MacroKeyInfo.h"

#include "platform/KeyedArchiver.h"
#include "platform/KeyedUnarchiver.h"

namespace orvex {

namespace {
const QString KeyCodeKey = QStringLiteral("keyCode");
const QString KeyFlagKey = QStringLiteral("keyFlag");
const QString DelayKey = QStringLiteral("delay");
} // namespace

QStringList MacroKeyInfo::archiveClassNames() const
{
    return {QLatin1String(ArchiveClassName), QStringLiteral("NSObject")};
}

void MacroKeyInfo::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(KeyCodeKey, keyCode);
    coder.encodeInt(KeyFlagKey, keyFlag);
    coder.encodeInt(DelayKey, delay);
}

std::shared_ptr<MacroKeyInfo> MacroKeyInfo::initWithCoder(const KeyedUnarchiver &coder)
{
    if (!coder.isKindOfClass(QLatin1String(ArchiveClassName)))
        return nullptr;
    return std::make_shared<MacroKeyInfo>(coder.decodeInt32ForKey(KeyCodeKey),
                                          coder.decodeInt32ForKey(KeyFlagKey),
                                          coder.decodeInt32ForKey(DelayKey));
}

} // namespace orvex
