// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvex {

class KeyedArchiver;

// An object that can be written into a keyed archive (the NSKeyedArchiver
// property-list layout our .mac files use). Reading back is a static
// initWithCoder(const KeyedUnarchiver &) of each class, since the reader
// makes the object.
class KeyedArchivable
{
public:
    virtual ~KeyedArchivable() = default;

    // "$classes" of the archive: the object's class first, up to "NSObject".
    virtual QStringList archiveClassNames() const = 0;
    // Writes the object's fields through the coder's encode* calls.
    virtual void encodeWithCoder(KeyedArchiver &coder) const = 0;
};

} // namespace orvex
