// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceMirror.h"

#include "device/MemoryMap.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"

#include <QMutex>
#include <QMutexLocker>

#include <array>
#include <bitset>

namespace orvex {

namespace {

struct Image
{
    std::array<std::uint8_t, fwmem::Size> bytes{};
    std::bitset<fwmem::Size> known;
};

QMutex mutex;
// Guarded by mutex.
Image image;

bool inMemory(std::uint16_t address)
{
    return address < fwmem::Size;
}

const bool registeredReset = ProcessState::add("DeviceMirror", &DeviceMirror::resetState);

} // namespace

bool DeviceMirror::isEnabled()
{
    return qEnvironmentVariable("ORVEX_FULL_WRITES") != QLatin1String("1");
}

bool DeviceMirror::holds(std::uint16_t address, std::uint8_t value)
{
    const std::optional<std::uint8_t> known = byteAt(address);
    return known && *known == value;
}

std::optional<std::uint8_t> DeviceMirror::byteAt(std::uint16_t address)
{
    if (!inMemory(address) || !isEnabled())
        return std::nullopt;
    QMutexLocker lock(&mutex);
    if (!image.known.test(address))
        return std::nullopt;
    return image.bytes[address];
}

void DeviceMirror::remember(std::uint16_t address, std::uint8_t value)
{
    // The mouse does not decode addresses past its memory: nothing to know there.
    if (!inMemory(address))
        return;
    QMutexLocker lock(&mutex);
    // Switched off, a byte that moved is no longer known: should the mirror
    // be switched on again, it holds nothing stale.
    if (!isEnabled()) {
        image.known.reset(address);
        return;
    }
    image.bytes[address] = value;
    image.known.set(address);
}

void DeviceMirror::forget(std::uint16_t address)
{
    if (!inMemory(address))
        return;
    QMutexLocker lock(&mutex);
    image.known.reset(address);
}

void DeviceMirror::forgetActiveProfile()
{
    forget(fwmem::ActiveProfile);
}

void DeviceMirror::forgetPerformance()
{
    for (int slot = 0; slot < fwmem::ProfileCount; ++slot)
        forget(MemoryMap::getOffsetAdrBy(fwmem::Performance, slot));
}

void DeviceMirror::forgetAll(const QString &why)
{
    QMutexLocker lock(&mutex);
    if (image.known.none())
        return;
    image.known.reset();
    ORVEX_DEBUG(QStringLiteral("mirror of the mouse's memory dropped: %1").arg(why));
}

int DeviceMirror::knownBytes()
{
    QMutexLocker lock(&mutex);
    return int(image.known.count());
}

void DeviceMirror::resetState()
{
    QMutexLocker lock(&mutex);
    image.known.reset();
}

} // namespace orvex
