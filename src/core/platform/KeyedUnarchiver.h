// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace orvex {

// Reads keyed archives (the NSKeyedArchiver layout, see KeyedArchiver) from
// binary or XML property lists. A KeyedUnarchiver stands for one archived
// object and shares the parsed archive with the objects reached from it.
//
// Tolerant in what it accepts, as archives written by other archivers vary:
// scalars stored inline or as UID references to "$objects" slots; strings
// stored plain or as NSMutableString objects ({"NS.string": ...}); UIDs in
// binary form or as XML {"CF$UID": n} dictionaries; class names with a module
// prefix ("Module.MacroInfo"). A UID outside "$objects" reads as nil, so a
// damaged archive yields missing values, never a crash, and cycles are
// harmless because objects are only resolved one reference at a time.
class KeyedUnarchiver
{
public:
    // The root object of the archive in `data`; nothing when `data` is not a
    // property list, is shaped beyond PropertyListLimits, is not a keyed
    // archive of version 100000, or has no object as "$top"/"root".
    static std::optional<KeyedUnarchiver> rootObjectOfData(const QByteArray &data);

    // The object's class ("$classname" without a module prefix).
    QString className() const;
    // Whether the class or one of its "$classes" ancestors is `name`.
    bool isKindOfClass(const QString &name) const;

    bool containsValueForKey(const QString &key) const;
    // Integer, boolean (0/1) or real (truncated) values; anything else, a
    // missing key or a value outside int32 reads as 0.
    std::int32_t decodeInt32ForKey(const QString &key) const;
    bool decodeBoolForKey(const QString &key) const;
    // A plain or mutable string; null when missing, nil or not a string.
    QString decodeStringForKey(const QString &key) const;
    // The archived object under `key`; nothing for nil or non-objects.
    std::optional<KeyedUnarchiver> decodeObjectForKey(const QString &key) const;
    // The objects of an archived NSArray/NSMutableArray under `key`, in order;
    // elements that are not objects are left out.
    QList<KeyedUnarchiver> decodeArrayOfObjectsForKey(const QString &key) const;

private:
    struct Archive;
    KeyedUnarchiver(std::shared_ptr<const Archive> archive, void *object);

    void *valueForKey(const QString &key) const;
    std::optional<KeyedUnarchiver> objectFrom(void *value) const;

    std::shared_ptr<const Archive> m_archive;
    void *m_object = nullptr; // a dictionary with "$class", owned by m_archive
};

} // namespace orvex
