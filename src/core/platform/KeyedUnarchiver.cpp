// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyedUnarchiver.h"

#include "platform/KeyedArchiver.h"
#include "platform/PropertyListLimits.h"
#include "platform/PropertyListParser.h"

#include <plist/plist.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace orvex {

namespace {

constexpr char XmlUidKey[] = "CF$UID";
// No string of an archive this reader is for comes near this.
constexpr std::uint64_t MaxStringBytes = 1024 * 1024;

struct PlistDeleter
{
    void operator()(void *node) const { plist_free(node); }
};

bool isType(plist_t node, plist_type type)
{
    return node && plist_get_node_type(node) == type;
}

QString stringOf(plist_t node)
{
    if (!isType(node, PLIST_STRING))
        return {};
    // By pointer and length: a string may hold NUL characters, which the
    // copying accessor refuses with an assertion. Like the C-string readers
    // of other tools, the text ends at the first NUL.
    std::uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    if (!text)
        return {};
    const std::size_t size = std::size_t(std::min<std::uint64_t>(length, MaxStringBytes));
    return QString::fromUtf8(text, qsizetype(::strnlen(text, size)));
}

std::optional<std::uint64_t> unsignedOf(plist_t node)
{
    if (!isType(node, PLIST_UINT))
        return std::nullopt;
    std::uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return value;
}

// The UID a value stands for: a binary UID, or an XML {"CF$UID": n}.
std::optional<std::uint64_t> uidOf(plist_t node)
{
    if (isType(node, PLIST_UID)) {
        std::uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return value;
    }
    if (isType(node, PLIST_DICT) && plist_dict_get_size(node) == 1)
        return unsignedOf(plist_dict_get_item(node, XmlUidKey));
    return std::nullopt;
}

std::int32_t toInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return std::int32_t(value);
}

QString withoutModule(const QString &className)
{
    return className.mid(className.lastIndexOf(QLatin1Char('.')) + 1);
}

} // namespace

struct KeyedUnarchiver::Archive
{
    std::unique_ptr<void, PlistDeleter> root;
    plist_t objects = nullptr;
    std::uint32_t objectCount = 0;

    // A value with UID references followed one step: the slot a UID names
    // (null for nil or a UID outside "$objects"), or the value itself.
    plist_t resolve(plist_t value) const
    {
        const auto uid = uidOf(value);
        if (!uid)
            return value;
        if (*uid == 0 || *uid >= objectCount)
            return nullptr;
        return plist_array_get_item(objects, std::uint32_t(*uid));
    }
};

KeyedUnarchiver::KeyedUnarchiver(std::shared_ptr<const Archive> archive, void *object)
    : m_archive(std::move(archive)), m_object(object)
{
}

std::optional<KeyedUnarchiver> KeyedUnarchiver::rootObjectOfData(const QByteArray &data)
{
    if (data.isEmpty() || data.size() > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    if (!PropertyListLimits::isWithinLimits(data))
        return std::nullopt;
    plist_t parsed = PropertyListParser::fromMemory(data);
    auto archive = std::make_shared<Archive>();
    archive->root.reset(parsed);
    if (!isType(parsed, PLIST_DICT))
        return std::nullopt;
    if (stringOf(plist_dict_get_item(parsed, "$archiver")) !=
            QLatin1String(KeyedArchiver::ArchiverName) ||
        unsignedOf(plist_dict_get_item(parsed, "$version")) != KeyedArchiver::ArchiveVersion)
        return std::nullopt;
    archive->objects = plist_dict_get_item(parsed, "$objects");
    plist_t top = plist_dict_get_item(parsed, "$top");
    if (!isType(archive->objects, PLIST_ARRAY) || !isType(top, PLIST_DICT))
        return std::nullopt;
    archive->objectCount = plist_array_get_size(archive->objects);
    const KeyedUnarchiver none(archive, nullptr);
    return none.objectFrom(plist_dict_get_item(top, "root"));
}

QString KeyedUnarchiver::className() const
{
    plist_t classDictionary = m_archive->resolve(plist_dict_get_item(m_object, "$class"));
    if (!isType(classDictionary, PLIST_DICT))
        return {};
    return withoutModule(stringOf(plist_dict_get_item(classDictionary, "$classname")));
}

bool KeyedUnarchiver::isKindOfClass(const QString &name) const
{
    if (className() == name)
        return true;
    plist_t classDictionary = m_archive->resolve(plist_dict_get_item(m_object, "$class"));
    plist_t chain = isType(classDictionary, PLIST_DICT)
                        ? plist_dict_get_item(classDictionary, "$classes")
                        : nullptr;
    if (!isType(chain, PLIST_ARRAY))
        return false;
    const std::uint32_t count = plist_array_get_size(chain);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (withoutModule(stringOf(plist_array_get_item(chain, i))) == name)
            return true;
    }
    return false;
}

bool KeyedUnarchiver::containsValueForKey(const QString &key) const
{
    return valueForKey(key) != nullptr;
}

std::int32_t KeyedUnarchiver::decodeInt32ForKey(const QString &key) const
{
    plist_t value = m_archive->resolve(valueForKey(key));
    if (const auto number = unsignedOf(value))
        return toInt32(std::int64_t(*number));
    if (isType(value, PLIST_BOOLEAN)) {
        std::uint8_t flag = 0;
        plist_get_bool_val(value, &flag);
        return flag ? 1 : 0;
    }
    if (isType(value, PLIST_REAL)) {
        double real = 0;
        plist_get_real_val(value, &real);
        if (std::isfinite(real) && std::fabs(real) < 2147483648.0)
            return std::int32_t(real);
    }
    return 0;
}

bool KeyedUnarchiver::decodeBoolForKey(const QString &key) const
{
    return decodeInt32ForKey(key) != 0;
}

QString KeyedUnarchiver::decodeStringForKey(const QString &key) const
{
    plist_t value = m_archive->resolve(valueForKey(key));
    if (isType(value, PLIST_DICT))
        value = m_archive->resolve(plist_dict_get_item(value, "NS.string"));
    return stringOf(value);
}

std::optional<KeyedUnarchiver> KeyedUnarchiver::decodeObjectForKey(const QString &key) const
{
    return objectFrom(valueForKey(key));
}

QList<KeyedUnarchiver> KeyedUnarchiver::decodeArrayOfObjectsForKey(const QString &key) const
{
    QList<KeyedUnarchiver> objects;
    plist_t array = m_archive->resolve(valueForKey(key));
    plist_t elements =
        isType(array, PLIST_DICT) ? plist_dict_get_item(array, "NS.objects") : nullptr;
    if (!isType(elements, PLIST_ARRAY))
        return objects;
    const std::uint32_t count = plist_array_get_size(elements);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (auto object = objectFrom(plist_array_get_item(elements, i)))
            objects.append(*object);
    }
    return objects;
}

void *KeyedUnarchiver::valueForKey(const QString &key) const
{
    if (!m_object)
        return nullptr;
    QByteArray name = key.toUtf8();
    if (name.startsWith('$'))
        name.prepend('$');
    return plist_dict_get_item(m_object, name.constData());
}

std::optional<KeyedUnarchiver> KeyedUnarchiver::objectFrom(void *value) const
{
    plist_t object = m_archive->resolve(value);
    if (!isType(object, PLIST_DICT) || !plist_dict_get_item(object, "$class"))
        return std::nullopt;
    return KeyedUnarchiver(m_archive, object);
}

} // namespace orvex
