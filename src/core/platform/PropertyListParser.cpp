// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PropertyListParser.h"

#include <cstdint>
#include <limits>

namespace orvex {

plist_t PropertyListParser::fromMemory(const QByteArray &data)
{
    if (data.size() > std::numeric_limits<std::uint32_t>::max())
        return nullptr;
    plist_t parsed = nullptr;
#ifdef ORVEX_PLIST_FROM_MEMORY_HAS_FORMAT
    // The error code adds nothing to a null result; the format is not needed.
    plist_from_memory(data.constData(), std::uint32_t(data.size()), &parsed, nullptr);
#else
    plist_from_memory(data.constData(), std::uint32_t(data.size()), &parsed);
#endif
    return parsed;
}

} // namespace orvex
