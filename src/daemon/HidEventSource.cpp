// SPDX-License-Identifier: GPL-3.0-or-later
#include "HidEventSource.h"

#include "HidInputReader.h"
#include "UdevHidMonitor.h"

#include "platform/WexLogger.h"

namespace orvex {

HidEventSource::HidEventSource(std::uint16_t vendorId, std::uint16_t productId, const HidApi &api,
                               QObject *parent)
    : DeviceEventSource(parent), m_api(api), m_enumeration(api, vendorId, productId),
      m_monitor(new UdevHidMonitor(this))
{
    connect(m_monitor, &UdevHidMonitor::changed, this, [this] { rescan(); });
}

HidEventSource::~HidEventSource()
{
    for (const auto &reader : std::as_const(m_readers))
        reader->stop();
}

bool HidEventSource::start(Callbacks callbacks)
{
    m_started = true;
    m_monitor->start();
    if (m_api.init() != 0)
        ORVEX_WARNING(QStringLiteral("hidapi failed to initialise"));
    // The state at start is answered, not reported.
    if (m_paused)
        m_present = HidEnumeration::hasConfigurationInterface(m_enumeration.nodes());
    else
        rescan();
    m_callbacks = std::move(callbacks);
    return m_present;
}

void HidEventSource::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused)
        m_readers.clear();
    else
        rescan();
}

QString HidEventSource::describe() const
{
    return m_enumeration.identity();
}

void HidEventSource::rescan()
{
    if (!m_started || m_paused)
        return;
    const QList<HidEnumeration::Node> nodes = m_enumeration.nodes();
    for (const HidEnumeration::Node &node : nodes) {
        if (node.pointerOnly || m_readers.contains(node.path))
            continue;
        std::unique_ptr<HidInputReader> reader = HidInputReader::start(
            m_api, node.path, this,
            [this](const Report &report) {
                if (m_callbacks.report)
                    m_callbacks.report(report);
            },
            [this](const QByteArray &path) { readerEnded(path); });
        if (reader)
            m_readers.insert(node.path, std::move(reader));
    }
    setPresent(HidEnumeration::hasConfigurationInterface(nodes));
}

// A node that was removed and added again under the same name before its old
// reader noticed gets a new reader here.
void HidEventSource::readerEnded(const QByteArray &path)
{
    ORVEX_DEBUG(QStringLiteral("input reports of %1 ended").arg(QString::fromLocal8Bit(path)));
    m_readers.remove(path);
    rescan();
}

void HidEventSource::setPresent(bool present)
{
    if (present == m_present)
        return;
    m_present = present;
    ORVEX_INFO(QStringLiteral("%1 %2").arg(describe(), present ? QStringLiteral("plugged in")
                                                               : QStringLiteral("unplugged")));
    if (m_callbacks.presence)
        m_callbacks.presence(present);
}

} // namespace orvex
