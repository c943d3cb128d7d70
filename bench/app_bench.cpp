// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration application's start-up and its responsiveness during the
// import of the five onboard profiles. The built OrvexOption runs against an
// in-process virtual mouse on a private session bus, in fresh XDG folders.
//
// - Start-up: from just before the process is started to the first answer of
//   its Raise() on the bus. The application answers only once its main window
//   is shown and its event loop runs, so this is "started to window shown".
//   The import that follows is not counted.
// - Responsiveness: while the import runs behind the overlay, Raise() is
//   called every 20 ms without waiting; the time to each answer is how long
//   the event loop took to get to it.
//
//   build/bench/app_bench [--app PATH] [--runs N]
//
// Targets: window shown in under 500 ms; event loop latency under 50 ms.
#include "BenchSupport.h"
#include "FirmwareModel.h"
#include "VirtualMouseServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace orvex;
using bench::percentile;
using bench::runUntil;
using bench::startBus;

namespace {

constexpr int DefaultRuns = 5;
constexpr int StartTimeoutMs = 15000;
constexpr int ImportTimeoutMs = 90000;
constexpr int ProbeIntervalMs = 20;
// The import has ended once the mouse has heard nothing for this long after
// most of an import's requests.
constexpr int QuietAfterImportMs = 1500;
constexpr int RequestsOfAnImport = 300;
constexpr double TargetStartMs = 500.0;
constexpr double TargetLatencyMs = 50.0;
constexpr char BusName[] = "com.kelto.orvexOption";
constexpr char ObjectPath[] = "/com/kelto/orvexOption";
constexpr char Interface[] = "com.kelto.orvexOption.Application";

QDBusMessage raiseCall()
{
    return QDBusMessage::createMethodCall(QLatin1String(BusName), QLatin1String(ObjectPath),
                                          QLatin1String(Interface), QStringLiteral("Raise"));
}

// Calls Raise() without waiting and reports the time to its answer.
void probe(QDBusConnection &bus, const std::function<void(bool answered, double ms)> &done)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(raiseCall()));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [clock, done](QDBusPendingCallWatcher *call) {
                         done(!call->isError(), double(clock->nsecsElapsed()) / 1e6);
                         call->deleteLater();
                     });
}

struct Run
{
    double startMs = -1;
    std::vector<double> latencies;
    int requests = 0;
};

class Bench
{
public:
    Bench(QString appPath, QString busAddress, QString socketPath, sim::FirmwareModel &model)
        : m_appPath(std::move(appPath)), m_busAddress(std::move(busAddress)),
          m_socketPath(std::move(socketPath)),
          m_bus(QDBusConnection::connectToBus(m_busAddress, QStringLiteral("bench")))
    {
        model.setTraceSink([this](sim::ReportDirection direction, const Report &) {
            if (direction == sim::ReportDirection::Set)
                ++m_requests;
        });
    }

    Run run(bool watchImport)
    {
        Run result;
        QTemporaryDir home;
        QProcess app;
        app.setProcessEnvironment(environment(home.path()));
        app.setStandardOutputFile(QProcess::nullDevice());
        app.setStandardErrorFile(QProcess::nullDevice());
        const int requestsBefore = m_requests;
        QElapsedTimer clock;
        clock.start();
        app.start(m_appPath, {});
        result.startMs = waitForWindow(clock);
        if (result.startMs >= 0 && watchImport)
            result.latencies = latenciesDuringImport(requestsBefore);
        result.requests = m_requests - requestsBefore;
        app.terminate();
        if (!app.waitForFinished(StartTimeoutMs))
            app.kill();
        return result;
    }

private:
    QProcessEnvironment environment(const QString &home) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
        environment.insert(QStringLiteral("ORVEX_DEVICE"), QStringLiteral("sim:") + m_socketPath);
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")) &&
            !environment.contains(QStringLiteral("DISPLAY")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable),
                               home + QLatin1Char('/') + QString::fromLatin1(variable).toLower());
        return environment;
    }

    // Probes until the first answer; the time to the start of that probe.
    double waitForWindow(const QElapsedTimer &clock)
    {
        double shownAt = -1;
        bool waiting = false;
        runUntil(
            [&] {
                if (!waiting && shownAt < 0) {
                    waiting = true;
                    const double sentAt = double(clock.nsecsElapsed()) / 1e6;
                    probe(m_bus, [&, sentAt](bool answered, double ms) {
                        waiting = false;
                        if (answered)
                            shownAt = sentAt + ms;
                    });
                }
                return shownAt >= 0;
            },
            StartTimeoutMs);
        return shownAt;
    }

    std::vector<double> latenciesDuringImport(int requestsBefore)
    {
        std::vector<double> latencies;
        int lastCount = m_requests;
        QElapsedTimer quiet;
        quiet.start();
        QElapsedTimer sinceProbe;
        sinceProbe.start();
        runUntil(
            [&] {
                if (sinceProbe.elapsed() >= ProbeIntervalMs) {
                    sinceProbe.restart();
                    probe(m_bus, [&latencies](bool answered, double ms) {
                        if (answered)
                            latencies.push_back(ms);
                    });
                }
                if (m_requests != lastCount) {
                    lastCount = m_requests;
                    quiet.restart();
                }
                return m_requests - requestsBefore > RequestsOfAnImport &&
                       quiet.elapsed() > QuietAfterImportMs;
            },
            ImportTimeoutMs);
        runUntil([] { return false; }, 200); // the last answers
        return latencies;
    }

    QString m_appPath;
    QString m_busAddress;
    QString m_socketPath;
    QDBusConnection m_bus;
    std::atomic<int> m_requests{0};
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption appOption(QStringLiteral("app"), QStringLiteral("OrvexOption to run."),
                                       QStringLiteral("PATH"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Start-ups."),
                                        QStringLiteral("N"));
    parser.addOptions({appOption, runsOption});
    parser.addHelpOption();
    parser.process(application);
    const QString appPath = parser.isSet(appOption) ? parser.value(appOption)
                                                    : QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/../src/app/OrvexOption");
    const int runs = parser.isSet(runsOption) ? parser.value(runsOption).toInt() : DefaultRuns;
    if (!QFile::exists(appPath)) {
        std::fprintf(stderr, "app_bench: no application at %s (use --app PATH)\n",
                     qPrintable(appPath));
        return 1;
    }

    QTemporaryDir folder;
    QProcess busProcess;
    const QString busAddress = startBus(busProcess);
    sim::FirmwareModel model;
    sim::VirtualMouseServer server(model);
    const QString socketPath = folder.path() + QStringLiteral("/mouse.sock");
    QString error;
    if (busAddress.isEmpty() || !server.listen(socketPath, &error)) {
        std::fprintf(stderr, "app_bench: cannot start the bus or the virtual mouse %s\n",
                     qPrintable(error));
        return 1;
    }

    Bench bench(appPath, busAddress, socketPath, model);
    std::vector<double> starts;
    Run watched;
    for (int i = 0; i < runs; ++i) {
        // The last run stays until its import has ended, probing as it goes.
        const bool last = i == runs - 1;
        Run run = bench.run(last);
        if (run.startMs < 0) {
            std::fprintf(stderr, "app_bench: the window did not appear (run %d)\n", i + 1);
            return 1;
        }
        starts.push_back(run.startMs);
        if (last)
            watched = std::move(run);
    }
    std::printf("%-30s median %6.1f ms  max %6.1f ms  (%d runs)  target < %.0f ms: ratio %.2f\n",
                "started to window shown", percentile(starts, 0.5), percentile(starts, 1.0), runs,
                TargetStartMs, percentile(starts, 0.5) / TargetStartMs);
    std::printf("%-30s median %6.2f ms  p95 %6.2f ms  max %6.2f ms  (%zu probes, %d requests)"
                "  target < %.0f ms: ratio %.2f\n",
                "event loop during import", percentile(watched.latencies, 0.5),
                percentile(watched.latencies, 0.95), percentile(watched.latencies, 1.0),
                watched.latencies.size(), watched.requests, TargetLatencyMs,
                percentile(watched.latencies, 1.0) / TargetLatencyMs);
    busProcess.kill();
    busProcess.waitForFinished();
    return 0;
}
