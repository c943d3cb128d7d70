// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtworkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvex::artwork {

namespace {

// Make's quoting: a space or '#' in a path is preceded by a backslash, a
// '$' doubled.
QByteArray makeQuoted(const QString &path)
{
    QByteArray quoted;
    for (const char c : QFile::encodeName(path)) {
        if (c == ' ' || c == '#')
            quoted += '\\';
        else if (c == '$')
            quoted += '$';
        quoted += c;
    }
    return quoted;
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contents) == contents.size() && file.flush();
}

} // namespace

ArtworkFolder::ArtworkFolder(const QString &root) : m_root(root) {}

QString ArtworkFolder::claim(const QString &name)
{
    const QString path = m_root + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_names.append(name);
    return path;
}

bool ArtworkFolder::writeManifest(const QString &path) const
{
    QByteArray lines;
    for (const QString &name : m_names)
        lines += QFile::encodeName(name) + '\n';
    return writeFile(path, lines);
}

bool ArtworkFolder::writeDependencies(const QString &path, const QString &target) const
{
    QByteArray rule = makeQuoted(target) + ':';
    for (const QString &name : m_names)
        rule +=
            " \\\n  " + makeQuoted(QFileInfo(m_root + QLatin1Char('/') + name).absoluteFilePath());
    return writeFile(path, rule + '\n');
}

} // namespace orvex::artwork
