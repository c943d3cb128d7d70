// SPDX-License-Identifier: GPL-3.0-or-later
#include "UhidServer.h"

#include "FirmwareModel.h"
#include "KernelMouseIdentity.h"

#include "device/ReportText.h"
#include "platform/WexLogger.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

namespace orvex::sim {

namespace {

// Where the kernel says the device is plugged in (HID_PHYS): the same on
// every plug, as a mouse that stays in its port.
constexpr char PhysicalPath[] = "orvex-virtual-mouse/input0";
// The report number of unnumbered reports, in front of the bytes hidraw passes.
constexpr std::uint8_t UnnumberedReport = 0;
constexpr std::size_t NumberedLength = 1 + kernelmouse::ReportSize;

static_assert(kernelmouse::ReportSize == std::tuple_size_v<Report>);
static_assert(kernelmouse::ReportDescriptor.size() <= HID_MAX_DESCRIPTOR_SIZE);

template <std::size_t N> void copyText(__u8 (&field)[N], const char *text)
{
    std::strncpy(reinterpret_cast<char *>(field), text, N - 1);
}

const char *eventName(__u32 type)
{
    switch (type) {
    case UHID_START:
        return "start";
    case UHID_STOP:
        return "stop";
    case UHID_OPEN:
        return "open";
    case UHID_CLOSE:
        return "close";
    default:
        return nullptr;
    }
}

} // namespace

UhidServer::UhidServer(FirmwareModel &model, QObject *parent) : QObject(parent), m_model(model) {}

UhidServer::~UhidServer()
{
    stop();
}

bool UhidServer::start(QString *error)
{
    m_fd = ::open(DevicePath, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) {
        *error = openError(errno);
        return false;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UhidServer::receive);

    FirmwareObserver observer;
    observer.inputReport = [this](const Report &report) {
        QMetaObject::invokeMethod(this, [this, report] { sendInput(report); });
    };
    observer.plugChanged = [this](bool plugged) {
        QMetaObject::invokeMethod(this, [this, plugged] { plugChanged(plugged); });
    };
    m_observerId = m_model.addObserver(std::move(observer));

    if (m_model.isPlugged() && !create()) {
        *error = QStringLiteral("cannot create the kernel HID device through %1: %2")
                     .arg(QLatin1String(DevicePath), QString::fromLocal8Bit(std::strerror(errno)));
        stop();
        return false;
    }
    return true;
}

void UhidServer::stop()
{
    if (m_observerId) {
        m_model.removeObserver(m_observerId);
        m_observerId = 0;
    }
    if (m_fd < 0)
        return;
    destroy();
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
}

// Both reasons name the module and the access, since either may be missing
// as well once the first is mended.
QString UhidServer::openError(int error)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    const QLatin1String path(DevicePath);
    if (error == ENOENT || error == ENODEV || error == ENXIO)
        return QStringLiteral("cannot open %1 (%2): load the kernel module uhid "
                              "(sudo modprobe uhid); serving also needs read and write access "
                              "to %1")
            .arg(path, reason);
    if (error == EACCES || error == EPERM)
        return QStringLiteral("cannot open %1 (%2): serving needs read and write access to %1 "
                              "(run as root, or grant it with a udev rule); the kernel module "
                              "uhid makes it")
            .arg(path, reason);
    return QStringLiteral("cannot open %1: %2").arg(path, reason);
}

bool UhidServer::create()
{
    if (m_created)
        return true;
    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req &request = event.u.create2;
    copyText(request.name, kernelmouse::Name);
    copyText(request.phys, PhysicalPath);
    request.rd_size = __u16(kernelmouse::ReportDescriptor.size());
    request.bus = kernelmouse::BusUsb;
    request.vendor = kernelmouse::VendorId;
    request.product = kernelmouse::ProductId;
    request.version = kernelmouse::Release;
    std::copy(kernelmouse::ReportDescriptor.begin(), kernelmouse::ReportDescriptor.end(),
              request.rd_data);
    if (!write(event, "create"))
        return false;
    m_created = true;
    ORVEX_INFO(QStringLiteral("virtual mouse created as a kernel HID device (%1)")
                   .arg(QLatin1String(DevicePath)));
    return true;
}

void UhidServer::destroy()
{
    if (!m_created)
        return;
    uhid_event event{};
    event.type = UHID_DESTROY;
    write(event, "destroy");
    m_created = false;
    ORVEX_INFO(QStringLiteral("kernel HID device destroyed"));
}

bool UhidServer::write(const uhid_event &event, const char *what)
{
    const ssize_t written = ::write(m_fd, &event, sizeof event);
    if (written == ssize_t(sizeof event))
        return true;
    const int error = written < 0 ? errno : EIO;
    ORVEX_WARNING(QStringLiteral("uhid %1 failed: %2")
                      .arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(error))));
    errno = error;
    return false;
}

// The descriptor is non-blocking: take every queued event.
void UhidServer::receive()
{
    for (;;) {
        uhid_event event{};
        const ssize_t length = ::read(m_fd, &event, sizeof event);
        if (length < 0) {
            if (errno != EAGAIN && errno != EINTR)
                ORVEX_WARNING(QStringLiteral("reading %1 failed: %2")
                                  .arg(QLatin1String(DevicePath),
                                       QString::fromLocal8Bit(std::strerror(errno))));
            return;
        }
        if (length < ssize_t(sizeof event.type))
            return;
        handle(event);
    }
}

void UhidServer::handle(const uhid_event &event)
{
    switch (event.type) {
    case UHID_GET_REPORT:
        answerGet(event);
        return;
    case UHID_SET_REPORT:
        answerSet(event);
        return;
    case UHID_OUTPUT:
        // The descriptor declares no output report; hidraw writes land here.
        ORVEX_DEBUG(
            QStringLiteral("uhid: output report of %1 bytes ignored").arg(event.u.output.size));
        return;
    default:
        if (const char *name = eventName(event.type))
            ORVEX_DEBUG(QStringLiteral("uhid: %1").arg(QLatin1String(name)));
        return;
    }
}

// Only report 0 of type feature exists; anything else is refused, as the
// real mouse stalls a request for a report it does not have.
void UhidServer::answerGet(const uhid_event &event)
{
    const uhid_get_report_req &request = event.u.get_report;
    uhid_event reply{};
    reply.type = UHID_GET_REPORT_REPLY;
    reply.u.get_report_reply.id = request.id;
    Report report{};
    if (request.rtype != UHID_FEATURE_REPORT || request.rnum != UnnumberedReport) {
        reply.u.get_report_reply.err = EIO;
    } else if (m_model.isPlugged() && m_model.isSilent()) {
        ORVEX_DEBUG(QStringLiteral("uhid: GET left unanswered (silent)"));
        return;
    } else if (!m_model.getFeatureReport(report)) {
        reply.u.get_report_reply.err = EIO;
    } else {
        reply.u.get_report_reply.size = NumberedLength;
        reply.u.get_report_reply.data[0] = UnnumberedReport;
        std::copy(report.begin(), report.end(), reply.u.get_report_reply.data + 1);
    }
    write(reply, "GET answer");
}

void UhidServer::answerSet(const uhid_event &event)
{
    const uhid_set_report_req &request = event.u.set_report;
    uhid_event reply{};
    reply.type = UHID_SET_REPORT_REPLY;
    reply.u.set_report_reply.id = request.id;
    const bool wellFormed = request.rtype == UHID_FEATURE_REPORT &&
                            request.rnum == UnnumberedReport && request.size == NumberedLength &&
                            request.data[0] == UnnumberedReport;
    if (wellFormed) {
        Report report{};
        std::copy_n(request.data + 1, report.size(), report.begin());
        if (!m_model.setFeatureReport(report))
            reply.u.set_report_reply.err = EIO;
    } else {
        ORVEX_WARNING(QStringLiteral("uhid: refusing a SET of report %1, type %2, %3 bytes")
                          .arg(request.rnum)
                          .arg(request.rtype)
                          .arg(request.size));
        reply.u.set_report_reply.err = EIO;
    }
    write(reply, "SET answer");
}

void UhidServer::plugChanged(bool plugged)
{
    if (plugged)
        create();
    else
        destroy();
}

void UhidServer::sendInput(const Report &report)
{
    if (!m_created)
        return;
    uhid_event event{};
    event.type = UHID_INPUT2;
    event.u.input2.size = __u16(report.size());
    std::copy(report.begin(), report.end(), event.u.input2.data);
    ORVEX_TRACE(QStringLiteral("uhid: IN %1").arg(QString::fromLatin1(ReportText::format(report))));
    write(event, "input");
}

} // namespace orvex::sim
