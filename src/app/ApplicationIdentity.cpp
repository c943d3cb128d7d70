// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

namespace orvex {

QString ApplicationIdentity::version()
{
    return QStringLiteral(ORVEX_VERSION);
}

} // namespace orvex
