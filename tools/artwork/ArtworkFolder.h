// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace orvex::artwork {

// The resource folder the tool draws into, and the list of the files it
// writes there. Every writer asks it for the path of each file, so the list
// comes from the same tables that name the pictures: it is the manifest the
// build installs from, and the dependency file that makes the build draw
// again when one of the files goes missing.
class ArtworkFolder
{
public:
    explicit ArtworkFolder(const QString &root);

    // The full path of `name` (relative to the folder, '/' between parts),
    // recorded as one of the tool's files; its folder is created.
    QString claim(const QString &name);

    // The names claimed so far, in the order they were claimed.
    const QStringList &names() const { return m_names; }

    // One name per line.
    bool writeManifest(const QString &path) const;
    // A make rule "target: <every file>", which the build reads as the
    // files `target` depends on.
    bool writeDependencies(const QString &path, const QString &target) const;

private:
    QString m_root;
    QStringList m_names;
};

} // namespace orvex::artwork
