// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyedArchiver.h"

#include "platform/KeyedArchivable.h"
#include "platform/WexLogger.h"

#include <plist/plist.h>

#include <cstdlib>

namespace orvex {

namespace {

// Slot 0 of "$objects": what UID 0 (nil) stands for.
constexpr char NullSlot[] = "$null";
const QStringList MutableArrayClasses = {QStringLiteral("NSMutableArray"),
                                         QStringLiteral("NSArray"), QStringLiteral("NSObject")};

QByteArray escapedKey(const QString &key)
{
    const QByteArray utf8 = key.toUtf8();
    return utf8.startsWith('$') ? '$' + utf8 : utf8;
}

plist_t stringNode(const QString &text)
{
    return plist_new_string(text.toUtf8().constData());
}

} // namespace

KeyedArchiver::KeyedArchiver() : m_objects(plist_new_array())
{
    addSlot(plist_new_string(NullSlot));
}

KeyedArchiver::~KeyedArchiver()
{
    if (m_objects)
        plist_free(m_objects);
}

QByteArray KeyedArchiver::archivedDataWithRootObject(const KeyedArchivable &root)
{
    KeyedArchiver coder;
    const std::uint64_t rootUid = coder.addObject(root);

    plist_t top = plist_new_dict();
    plist_dict_set_item(top, "root", plist_new_uid(rootUid));
    plist_t archive = plist_new_dict();
    plist_dict_set_item(archive, "$archiver", plist_new_string(ArchiverName));
    plist_dict_set_item(archive, "$version", plist_new_uint(ArchiveVersion));
    plist_dict_set_item(archive, "$top", top);
    plist_dict_set_item(archive, "$objects", coder.m_objects);
    coder.m_objects = nullptr;

    char *bytes = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(archive, &bytes, &length);
    plist_free(archive);
    if (!bytes) {
        ORVEX_WARNING(QStringLiteral("keyed archive could not be serialised"));
        return {};
    }
    QByteArray data(bytes, qsizetype(length));
    std::free(bytes);
    return data;
}

void KeyedArchiver::encodeInt(const QString &key, std::int64_t value)
{
    // Binary property lists store integers as signed big-endian values; the
    // writer takes the two's-complement bit pattern.
    setInCurrent(key, plist_new_uint(std::uint64_t(value)));
}

void KeyedArchiver::encodeBool(const QString &key, bool value)
{
    setInCurrent(key, plist_new_bool(value ? 1 : 0));
}

void KeyedArchiver::encodeString(const QString &key, const QString &value)
{
    const std::uint64_t uid = value.isNull() ? 0 : addSlot(stringNode(value));
    setInCurrent(key, plist_new_uid(uid));
}

void KeyedArchiver::encodeObject(const QString &key, const KeyedArchivable *object)
{
    const std::uint64_t uid = object ? addObject(*object) : 0;
    setInCurrent(key, plist_new_uid(uid));
}

void KeyedArchiver::encodeArrayOfObjects(const QString &key,
                                         const QList<const KeyedArchivable *> &objects)
{
    plist_t array = plist_new_dict();
    const std::uint64_t uid = addSlot(array);
    setInCurrent(key, plist_new_uid(uid));

    plist_t elements = plist_new_array();
    for (const KeyedArchivable *object : objects) {
        if (object)
            plist_array_append_item(elements, plist_new_uid(addObject(*object)));
    }
    plist_dict_set_item(array, "NS.objects", elements);
    plist_dict_set_item(array, "$class", plist_new_uid(addClass(MutableArrayClasses)));
}

std::uint64_t KeyedArchiver::addSlot(void *node)
{
    const std::uint64_t uid = plist_array_get_size(m_objects);
    plist_array_append_item(m_objects, node);
    return uid;
}

std::uint64_t KeyedArchiver::addObject(const KeyedArchivable &object)
{
    const auto known = m_encoded.constFind(&object);
    if (known != m_encoded.constEnd())
        return *known;
    plist_t dictionary = plist_new_dict();
    const std::uint64_t uid = addSlot(dictionary);
    m_encoded.insert(&object, uid);

    void *outer = m_current;
    m_current = dictionary;
    object.encodeWithCoder(*this);
    m_current = outer;
    plist_dict_set_item(dictionary, "$class", plist_new_uid(addClass(object.archiveClassNames())));
    return uid;
}

std::uint64_t KeyedArchiver::addClass(const QStringList &classNames)
{
    const QString name = classNames.value(0);
    const auto known = m_classes.constFind(name);
    if (known != m_classes.constEnd())
        return *known;
    plist_t chain = plist_new_array();
    for (const QString &className : classNames)
        plist_array_append_item(chain, stringNode(className));
    plist_t classDictionary = plist_new_dict();
    plist_dict_set_item(classDictionary, "$classname", stringNode(name));
    plist_dict_set_item(classDictionary, "$classes", chain);
    const std::uint64_t uid = addSlot(classDictionary);
    m_classes.insert(name, uid);
    return uid;
}

void KeyedArchiver::setInCurrent(const QString &key, void *node)
{
    if (!m_current) {
        plist_free(node);
        return;
    }
    plist_dict_set_item(m_current, escapedKey(key).constData(), node);
}

} // namespace orvex
