// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace orvex::test {

// The temporary root that holds this test program's XDG folders.
QString temporaryRoot();
// A fresh, empty folder below the temporary root.
QString freshFolder(const QString &name);
// Points XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at private
// folders below the temporary root; a test program's main calls it before
// any code under test can read them.
void useTemporaryXdgFolders();

// Writes `bytes` to `path` (a failed test when it cannot).
void writeFile(const QString &path, const QByteArray &bytes);
// The file's contents; empty when it cannot be read.
QByteArray readFile(const QString &path);

} // namespace orvex::test
