// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace orvex {

class KeyedArchivable;

// Writes keyed archives as binary property lists (bplist00) that any
// standard keyed-archive reader accepts:
//   { "$archiver": "NSKeyedArchiver", "$version": 100000,
//     "$top": { "root": UID 1 }, "$objects": [ "$null", ... ] }
// Each object takes a slot of "$objects" before its children; its class
// dictionary ({"$classname", "$classes"}) follows its children the first time
// the class is seen. Integers and booleans are stored inline in the owning
// object; strings, arrays and objects are stored as slots referred to by UID.
// Encoding the same object twice refers to one slot.
class KeyedArchiver
{
public:
    static constexpr char ArchiverName[] = "NSKeyedArchiver";
    static constexpr std::uint64_t ArchiveVersion = 100000;

    // The archive of `root`; empty when it could not be serialised.
    static QByteArray archivedDataWithRootObject(const KeyedArchivable &root);

    // The encode calls an object makes from its encodeWithCoder(). Keys that
    // start with '$' are escaped with one more '$', as readers expect.
    void encodeInt(const QString &key, std::int64_t value);
    void encodeBool(const QString &key, bool value);
    // A null string is stored as nil (UID 0).
    void encodeString(const QString &key, const QString &value);
    // A null object is stored as nil (UID 0).
    void encodeObject(const QString &key, const KeyedArchivable *object);
    // An NSMutableArray of the objects; null elements are skipped.
    void encodeArrayOfObjects(const QString &key, const QList<const KeyedArchivable *> &objects);

    KeyedArchiver(const KeyedArchiver &) = delete;
    KeyedArchiver &operator=(const KeyedArchiver &) = delete;

private:
    KeyedArchiver();
    ~KeyedArchiver();

    std::uint64_t addSlot(void *node);
    std::uint64_t addObject(const KeyedArchivable &object);
    std::uint64_t addClass(const QStringList &classNames);
    void setInCurrent(const QString &key, void *node);

    void *m_objects = nullptr; // the "$objects" array, owned until serialised
    void *m_current = nullptr; // the object dictionary being filled
    QHash<QString, std::uint64_t> m_classes;
    QHash<const KeyedArchivable *, std::uint64_t> m_encoded;
};

} // namespace orvex
