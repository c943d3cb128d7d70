// SPDX-License-Identifier: GPL-3.0-or-later
// OrvexDaemon: the per-login agent. Shows profile, DPI, lighting and report
// rate changes on screen, starts launcher applications and the configuration
// application, and relays the mouse's events to the application.
#include "AgentInstance.h"
#include "DealwithMessage.h"
#include "PlainGuiScope.h"
#include "WexUSBListen.h"

#include "device/DeviceLink.h"
#include "device/DeviceSelector.h"
#include "platform/WexLogger.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QThreadPool>

#include <cstdio>
#include <optional>

#include <malloc.h>

namespace {

constexpr int ExitUsageError = 2;
constexpr int NeverExpire = -1; // QThreadPool expiry: threads wait without a timeout
constexpr char DriverIdentify[] = "com_kelto_driver_OrvexDriver";
constexpr char PrintName[] = "Orvex";
// Picture buffers (about 300 KiB each) are mapped on their own and unmapped
// when freed. The allocator would otherwise raise this threshold after the
// first one is freed and keep later ones in the heap, which a session-long
// agent would then hold at its peak size for good.
constexpr int PictureSizedAllocation = 128 * 1024;

// Answers whether to go on; sets *status when not.
bool readCommandLine(const QGuiApplication &app, int *status)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The Orvex mouse's background agent."));
    parser.addHelpOption();
    const QCommandLineOption device(QStringLiteral("device"),
                                    orvex::DeviceSelector::acceptedForms(),
                                    QStringLiteral("SELECTOR"));
    parser.addOption(device);
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "OrvexDaemon: %s\n",
                     qPrintable(parser.errorText().isEmpty() ? QStringLiteral("unexpected argument")
                                                             : parser.errorText()));
        *status = ExitUsageError;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        *status = 0;
        return false;
    }
    orvex::DeviceSelector::setProcessOption(parser.value(device));
    QString error;
    if (!orvex::DeviceSelector::current(&error)) {
        std::fprintf(stderr, "OrvexDaemon: %s\n", qPrintable(error));
        *status = ExitUsageError;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    mallopt(M_MMAP_THRESHOLD, PictureSizedAllocation);
    QGuiApplication::setDesktopSettingsAware(false);
    std::optional<orvex::PlainGuiScope> plainGui(std::in_place);
    QGuiApplication app(argc, argv);
    plainGui.reset();
    QGuiApplication::setApplicationName(QStringLiteral("OrvexDaemon"));
    // The display window comes and goes; the agent stays.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Qt's image code lends work to the global thread pool; its idle threads
    // would wake to expire 30 s after each display. Let them sleep instead.
    QThreadPool::globalInstance()->setExpiryTimeout(NeverExpire);
    orvex::WexLogger::applyEnvironment();

    int status = 0;
    if (!readCommandLine(app, &status))
        return status;
    if (!orvex::AgentInstance::claim())
        return 0;

    orvex::WexUSBListen *listener = orvex::WexUSBListen::shareUsbListen();
    listener->setSelDealMessage(std::make_unique<orvex::DealwithMessage>());
    listener->setDriverIdentify(QLatin1String(DriverIdentify));
    listener->setProductID(orvex::OrvexProductId);
    listener->setVendorID(orvex::OrvexVendorId);
    listener->setPrintName(QLatin1String(PrintName));
    listener->setIsPrintMsg(true);

    status = listener->startListen();
    listener->resetState();
    ORVEX_DEBUG(QStringLiteral("结束"));
    return status;
}
