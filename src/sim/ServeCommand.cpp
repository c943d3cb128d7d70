// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServeCommand.h"

#include "FirmwareModel.h"
#include "MemoryImageFile.h"
#include "ReportTrace.h"
#include "TerminationSignals.h"
#include "UhidServer.h"
#include "VirtualMouseServer.h"

#include "platform/WexLogger.h"

#include <QCoreApplication>

#include <memory>

namespace orvex::sim {

namespace {
constexpr int ExitFailure = 1;
} // namespace

int ServeCommand::run(const Options &options, QString *message)
{
    const MemoryImageFile memory(options.memoryPath);
    FirmwareModel model(memory.loadOrFactory());

    std::unique_ptr<ReportTrace> trace;
    if (!options.tracePath.isEmpty()) {
        trace = std::make_unique<ReportTrace>(options.tracePath);
        QString error;
        if (!trace->open(&error)) {
            *message =
                QStringLiteral("cannot write the trace %1: %2").arg(options.tracePath, error);
            return ExitFailure;
        }
        model.setTraceSink([&trace](ReportDirection direction, const Report &report) {
            trace->record(direction, report);
        });
    }

    FirmwareObserver persistence;
    persistence.appliedMemoryChanged = [&memory, &model] { memory.save(model.appliedImage()); };
    const int persistenceId = model.addObserver(std::move(persistence));

    TerminationSignals termination;
    QString error;
    if (!termination.install(&error)) {
        *message = QStringLiteral("cannot handle termination signals: %1").arg(error);
        return ExitFailure;
    }
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [](int number) {
        ORVEX_INFO(QStringLiteral("signal %1: stopping").arg(number));
        QCoreApplication::quit();
    });

    // The kernel device first: without uhid nothing is left listening.
    UhidServer kernelDevice(model);
    if (options.uhid && !kernelDevice.start(&error)) {
        *message = error;
        return ExitFailure;
    }
    VirtualMouseServer server(model);
    if (!server.listen(options.socketPath, &error)) {
        *message = error;
        return ExitFailure;
    }
    const int status = QCoreApplication::exec();

    server.close();
    kernelDevice.stop();
    model.removeObserver(persistenceId);
    model.setTraceSink({});
    if (!memory.save(model.appliedImage()))
        return ExitFailure;
    return status;
}

} // namespace orvex::sim
