// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The library's own opaque types, declared as its header declares them so that
// users of this header do not need the library's include path.
struct hid_device_;
typedef struct hid_device_ hid_device;
struct hid_device_info;

namespace orvex {

// The hidapi calls the suite makes, as a table of function pointers. Code that
// talks to the mouse takes a `const HidApi &`; production passes system(),
// tests a double that records the calls and scripts the answers.
//
// Each member has exactly the signature and contract of the library call it
// names: buffers for feature reports start with the report id byte (0 here)
// and their length includes it; -1 means failure; error() never returns null.
struct HidApi
{
    int (*init)();
    hid_device_info *(*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*freeEnumeration)(hid_device_info *devices);
    hid_device *(*openPath)(const char *path);
    void (*close)(hid_device *device);
    int (*sendFeatureReport)(hid_device *device, const unsigned char *data, std::size_t length);
    int (*getFeatureReport)(hid_device *device, unsigned char *data, std::size_t length);
    int (*readTimeout)(hid_device *device, unsigned char *data, std::size_t length,
                       int milliseconds);
    const wchar_t *(*error)(hid_device *device);

    // The hidraw backend of the installed library.
    static const HidApi &system();
};

} // namespace orvex
