// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace orvex::sim {

// The virtual mouse's flash: the raw configuration memory (byte N at offset
// N, fwmem::Size bytes) kept in a file between runs.
class MemoryImageFile
{
public:
    explicit MemoryImageFile(const QString &path = defaultPath());

    // virtual-mouse.bin in the user data folder.
    static QString defaultPath();
    QString path() const { return m_path; }

    // The stored image; the factory image when the file is missing, unreadable
    // or of the wrong size (the last two are logged).
    QByteArray loadOrFactory() const;
    // Replaces the file atomically, creating missing folders. Logs failures.
    bool save(const QByteArray &image) const;

private:
    QString m_path;
};

} // namespace orvex::sim
