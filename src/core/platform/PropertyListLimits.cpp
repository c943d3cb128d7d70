// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PropertyListLimits.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvex {

namespace {

// Binary property list layout: "bplist00", the objects, a table of object
// offsets, and a 32-byte trailer: 6 unused bytes, the size of an offset, the
// size of an object reference, then the object count, the top object and the
// offset of the offset table as big-endian 64-bit numbers.
constexpr char BinaryMagic[] = "bplist00";
constexpr qsizetype MagicSize = 8;
constexpr qsizetype TrailerSize = 32;
constexpr int OffsetSizeAt = 6;
constexpr int RefSizeAt = 7;
constexpr int ObjectCountAt = 8;
constexpr int TopObjectAt = 16;
constexpr int TableOffsetAt = 24;

// Object markers: the high nibble is the type, the low nibble the count,
// 0xF meaning that an integer object with the count follows.
constexpr std::uint8_t ArrayType = 0xA;
constexpr std::uint8_t SetType = 0xC;
constexpr std::uint8_t DictType = 0xD;
constexpr std::uint8_t IntegerType = 0x1;
constexpr std::uint8_t CountFollows = 0xF;

class BinaryScan
{
public:
    explicit BinaryScan(const QByteArray &data)
        : m_bytes(reinterpret_cast<const std::uint8_t *>(data.constData())), m_size(data.size())
    {
    }

    bool readTrailer()
    {
        if (m_size < MagicSize + TrailerSize)
            return false;
        const qsizetype trailer = m_size - TrailerSize;
        m_offsetSize = m_bytes[trailer + OffsetSizeAt];
        m_refSize = m_bytes[trailer + RefSizeAt];
        m_count = number(trailer + ObjectCountAt, 8);
        m_top = number(trailer + TopObjectAt, 8);
        m_table = number(trailer + TableOffsetAt, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8)
            return false;
        if (m_count < 1 || m_top >= m_count || m_table < std::uint64_t(MagicSize))
            return false;
        const std::uint64_t tableEnd = std::uint64_t(trailer);
        return m_count <= (tableEnd - std::min(m_table, tableEnd)) / m_offsetSize;
    }

    std::uint64_t count() const { return m_count; }
    std::uint64_t top() const { return m_top; }

    // The objects a container refers to; nothing for a damaged object.
    std::optional<std::vector<std::uint64_t>> children(std::uint64_t object) const
    {
        const std::uint64_t offset =
            number(qsizetype(m_table + object * m_offsetSize), m_offsetSize);
        if (offset < std::uint64_t(MagicSize) || offset >= m_table)
            return std::nullopt;
        const std::uint8_t marker = m_bytes[offset];
        const std::uint8_t type = marker >> 4;
        if (type != ArrayType && type != SetType && type != DictType)
            return std::vector<std::uint64_t>{};
        std::uint64_t position = offset + 1;
        std::uint64_t entries = marker & 0x0F;
        if (entries == CountFollows && !readCount(&position, &entries))
            return std::nullopt;
        const std::uint64_t refs = type == DictType ? entries * 2 : entries;
        if (entries > m_table || refs > (m_table - position) / m_refSize)
            return std::nullopt;
        std::vector<std::uint64_t> result;
        result.reserve(size_t(refs));
        for (std::uint64_t i = 0; i < refs; ++i) {
            const std::uint64_t ref = number(qsizetype(position + i * m_refSize), m_refSize);
            if (ref >= m_count)
                return std::nullopt;
            result.push_back(ref);
        }
        return result;
    }

private:
    std::uint64_t number(qsizetype at, int size) const
    {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | m_bytes[at + i];
        return value;
    }

    bool readCount(std::uint64_t *position, std::uint64_t *entries) const
    {
        if (*position >= m_table)
            return false;
        const std::uint8_t marker = m_bytes[*position];
        const int size = 1 << (marker & 0x0F);
        if (marker >> 4 != IntegerType || size > 8 || *position + 1 + size > m_table)
            return false;
        *entries = number(qsizetype(*position + 1), size);
        *position += 1 + std::uint64_t(size);
        return true;
    }

    const std::uint8_t *m_bytes;
    qsizetype m_size;
    int m_offsetSize = 0;
    int m_refSize = 0;
    std::uint64_t m_count = 0;
    std::uint64_t m_top = 0;
    std::uint64_t m_table = 0;
};

// Height and expanded size of every object reachable from the top, by a
// depth-first walk with an explicit stack; a cycle, a damaged object or a
// limit passed ends the walk with false.
bool walkWithinLimits(const BinaryScan &scan)
{
    enum State : std::uint8_t
    {
        Unvisited,
        Open,
        Closed
    };
    struct Frame
    {
        std::uint64_t object;
        std::vector<std::uint64_t> children;
        size_t next = 0;
    };
    std::vector<State> state(size_t(scan.count()), Unvisited);
    std::vector<int> height(size_t(scan.count()), 0);
    std::vector<qint64> expanded(size_t(scan.count()), 1);
    std::vector<Frame> stack;

    auto open = [&](std::uint64_t object) {
        auto children = scan.children(object);
        if (!children || stack.size() >= size_t(PropertyListLimits::MaxDepth))
            return false;
        state[size_t(object)] = Open;
        stack.push_back({object, std::move(*children)});
        return true;
    };
    if (!open(scan.top()))
        return false;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.children.size()) {
            const std::uint64_t child = frame.children[frame.next++];
            if (state[size_t(child)] == Open)
                return false;
            if (state[size_t(child)] == Unvisited && !open(child))
                return false;
            continue;
        }
        const size_t object = size_t(frame.object);
        for (std::uint64_t child : frame.children) {
            height[object] = std::max(height[object], height[size_t(child)] + 1);
            expanded[object] += expanded[size_t(child)];
            if (expanded[object] > PropertyListLimits::MaxExpandedObjects)
                return false;
        }
        state[object] = Closed;
        stack.pop_back();
    }
    return height[size_t(scan.top())] < PropertyListLimits::MaxDepth;
}

} // namespace

bool PropertyListLimits::isWithinLimits(const QByteArray &data)
{
    if (data.startsWith(BinaryMagic))
        return binaryWithinLimits(data);
    return xmlWithinLimits(data);
}

bool PropertyListLimits::binaryWithinLimits(const QByteArray &data)
{
    BinaryScan scan(data);
    return scan.readTrailer() && walkWithinLimits(scan);
}

bool PropertyListLimits::xmlWithinLimits(const QByteArray &data)
{
    // The document element and <plist> come on top of the objects' nesting.
    constexpr int WrapperDepth = 2;
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > MaxDepth + WrapperDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::DTD:
            if (!reader.entityDeclarations().isEmpty())
                return false;
            break;
        case QXmlStreamReader::EntityReference:
            return false;
        default:
            break;
        }
    }
    return !reader.hasError();
}

} // namespace orvex
