// SPDX-License-Identifier: GPL-3.0-or-later
#include "HidEventSource.h"

#include "HidInputReader.h"
#include "UdevHidMonitor.h"

#include "platform/WexLogger.h"

#include <hidapi.h>

#include <algorithm>

namespace orvex {

namespace {

constexpr unsigned short GenericDesktopPage = 0x01;
constexpr unsigned short PointerUsage = 0x01;
constexpr unsigned short MouseUsage = 0x02;

bool isPointerUsage(const hid_device_info &info)
{
    return info.usage_page == GenericDesktopPage &&
           (info.usage == PointerUsage || info.usage == MouseUsage);
}

} // namespace

HidEventSource::HidEventSource(std::uint16_t vendorId, std::uint16_t productId, const HidApi &api,
                               QObject *parent)
    : DeviceEventSource(parent), m_vendorId(vendorId), m_productId(productId), m_api(api),
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
        m_present = hasConfigurationInterface(enumerateNodes());
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
    const auto hex = [](std::uint16_t id) {
        return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
    };
    return QStringLiteral("USB mouse %1:%2").arg(hex(m_vendorId), hex(m_productId));
}

// hidraw lists a node once per top-level usage; merge them per node.
QList<HidEventSource::Node> HidEventSource::enumerateNodes() const
{
    QList<Node> nodes;
    hid_device_info *devices = m_api.enumerate(m_vendorId, m_productId);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (!info->path)
            continue;
        const QByteArray path(info->path);
        auto node = std::find_if(nodes.begin(), nodes.end(),
                                 [&](const Node &known) { return known.path == path; });
        if (node == nodes.end())
            node = nodes.insert(nodes.end(), Node{path, info->interface_number, true});
        node->pointerOnly = node->pointerOnly && isPointerUsage(*info);
    }
    m_api.freeEnumeration(devices);
    return nodes;
}

bool HidEventSource::hasConfigurationInterface(const QList<Node> &nodes)
{
    return std::any_of(nodes.begin(), nodes.end(), [](const Node &node) {
        return node.interfaceNumber == ConfigurationInterface;
    });
}

void HidEventSource::rescan()
{
    if (!m_started || m_paused)
        return;
    const QList<Node> nodes = enumerateNodes();
    for (const Node &node : nodes) {
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
    setPresent(hasConfigurationInterface(nodes));
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
