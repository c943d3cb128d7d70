// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidApi.h"

#include <hidapi.h>

namespace orvex {

const HidApi &HidApi::system()
{
    static const HidApi library{
        hid_init,  hid_enumerate,           hid_free_enumeration,   hid_open_path,
        hid_close, hid_send_feature_report, hid_get_feature_report, hid_read_timeout,
        hid_error,
    };
    return library;
}

} // namespace orvex
