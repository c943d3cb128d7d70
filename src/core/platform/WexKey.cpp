// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexKey.h"

#include "platform/KeyCodeTable.h"

namespace orvex {

QString WexKey::getStrByKeycode(int keyCode)
{
    if (const KeyCodeTable::Key *key = KeyCodeTable::byMacVirtualKey(keyCode))
        return QString::fromLatin1(key->displayName.data(), qsizetype(key->displayName.size()));
    return QStringLiteral("Key %1").arg(keyCode);
}

} // namespace orvex
