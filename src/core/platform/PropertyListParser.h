// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <plist/plist.h>

namespace orvex {

// libplist's parser of in-memory property lists, for every libplist version
// we build with: 2.3 gave plist_from_memory() a fourth argument (the format
// it found), which the build detects (ORVEX_PLIST_FROM_MEMORY_HAS_FORMAT).
class PropertyListParser
{
public:
    // The property list in `data` (binary or XML), which the caller frees
    // with plist_free(); null when `data` does not parse.
    static plist_t fromMemory(const QByteArray &data);
};

} // namespace orvex
