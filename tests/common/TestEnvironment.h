// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::test {

// The temporary root that holds this test program's XDG folders.
QString temporaryRoot();
// A fresh, empty folder below the temporary root.
QString freshFolder(const QString &name);

} // namespace orvex::test
