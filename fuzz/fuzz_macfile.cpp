// SPDX-License-Identifier: GPL-3.0-or-later
// .mac files: reading any bytes must not crash, and a macro that was read
// must come back unchanged after being archived again and re-read.
#include "catalogue/MacroInfo.h"
#include "catalogue/MenuInfo.h"
#include "platform/KeyedArchiver.h"
#include "platform/KeyedUnarchiver.h"
#include "platform/WexLogger.h"

#include <cstdint>
#include <cstdlib>

using namespace orvex;

namespace {

bool sameMacro(const MacroInfo &x, const MacroInfo &y)
{
    if (x.nameStr != y.nameStr || x.loopTime != y.loopTime ||
        x.keyInfoArr.size() != y.keyInfoArr.size())
        return false;
    for (qsizetype k = 0; k < x.keyInfoArr.size(); ++k) {
        if (!(*x.keyInfoArr.at(k) == *y.keyInfoArr.at(k)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WexLogger::setLevel(WexLogger::Level::Error);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto root = KeyedUnarchiver::rootObjectOfData(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!root)
        return 0;
    MenuInfo::initWithCoder(*root);
    const auto macro = MacroInfo::initWithCoder(*root);
    if (!macro)
        return 0;
    const auto again =
        KeyedUnarchiver::rootObjectOfData(KeyedArchiver::archivedDataWithRootObject(*macro));
    const auto copy = again ? MacroInfo::initWithCoder(*again) : nullptr;
    if (!copy || !sameMacro(*macro, *copy))
        std::abort();
    return 0;
}
