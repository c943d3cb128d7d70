// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexAction.h"

#include "platform/KeyedArchiver.h"

namespace orvex {

bool WexAction::SaveObject(const KeyedArchivable &object, const QString &path)
{
    const QByteArray archive = KeyedArchiver::archivedDataWithRootObject(object);
    return !archive.isEmpty() && writeFileAtomically(path, archive);
}

} // namespace orvex
