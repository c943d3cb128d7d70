// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace orvex {

// Checks a property list before it is handed to the parser, which recurses
// once per level of nesting and copies an object once per reference: a
// small file of deeply nested arrays would overflow the stack, and one of
// arrays referring twice to the next would expand beyond any memory. Keyed
// archives are shallow (the archive dictionary, "$objects", an object, its
// array of references), so the limits below leave ample room.
class PropertyListLimits
{
public:
    static constexpr int MaxDepth = 64;
    // Objects the parser would build, counting each reference of a shared
    // object again.
    static constexpr qint64 MaxExpandedObjects = 1 << 20;

    // Whether `data` (a binary "bplist00" or an XML property list) is
    // structurally sound and within the limits. XML with entity declarations
    // or entity references other than the predefined ones is refused.
    static bool isWithinLimits(const QByteArray &data);

private:
    static bool binaryWithinLimits(const QByteArray &data);
    static bool xmlWithinLimits(const QByteArray &data);
};

} // namespace orvex
