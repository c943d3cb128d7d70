// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/InProcessNotifier.h"

namespace orvex {

InProcessNotifier *InProcessNotifier::shared()
{
    // Never destroyed: workers may still post while the process exits.
    static auto *notifier = new InProcessNotifier;
    return notifier;
}

void InProcessNotifier::post(const QString &name, const QVariant &object,
                             const QVariantMap &userInfo)
{
    Q_EMIT notified(name, object, userInfo);
}

} // namespace orvex
