// SPDX-License-Identifier: GPL-3.0-or-later
#include "UhidMouse.h"

#include "device/HidApi.h"
#include "device/HidEnumeration.h"

namespace orvex::test {

namespace {
constexpr std::uint16_t VendorId = 0x12CF;
constexpr std::uint16_t ProductId = 0x0219;
} // namespace

UhidMouse::UhidMouse(const QString &folder) : process(folder)
{
    process.serveOptions << QStringLiteral("--uhid");
}

bool UhidMouse::start()
{
    return process.start() && waitForNode(true);
}

QByteArray UhidMouse::node()
{
    const QList<QByteArray> paths =
        HidEnumeration(HidApi::system(), VendorId, ProductId).configurationPaths();
    return paths.isEmpty() ? QByteArray() : paths.front();
}

bool UhidMouse::waitForNode(bool present, int timeoutMs)
{
    return waitUntil([present] { return node().isEmpty() != present; }, timeoutMs);
}

} // namespace orvex::test
