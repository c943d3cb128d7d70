// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "MemoryImageFile.h"
#include "PersonEvent.h"
#include "SendCommand.h"
#include "ServeCommand.h"

#include "device/VirtualMouseProtocol.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace orvex::sim {

namespace {

const QLatin1String ProgramName("orvex-virtual-mouse");
const QLatin1String CommandServe("serve");
const QLatin1String CommandSend("send");

QString description()
{
    return QStringLiteral(
               "The mouse's firmware as a program: configuration memory, commands, input reports.\n"
               "\n"
               "  serve [--socket PATH] [--uhid] [--memory FILE] [--trace FILE]\n"
               "      run the virtual mouse until SIGTERM or SIGINT; with --uhid also as a\n"
               "      kernel HID device through /dev/uhid, found as the real mouse is\n"
               "  send [--socket PATH] EVENT\n"
               "      act as a person using the mouse; EVENT is %1\n"
               "\n"
               "The socket defaults to %2.")
        .arg(PersonEvent::forms(), vmouse::defaultSocketPath());
}

} // namespace

int CommandLine::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("serve or send"),
                                 QStringLiteral("serve|send [EVENT]"));
    const QCommandLineOption socket(QStringLiteral("socket"),
                                    QStringLiteral("The virtual mouse's socket."),
                                    QStringLiteral("PATH"), vmouse::defaultSocketPath());
    const QCommandLineOption memory(QStringLiteral("memory"),
                                    QStringLiteral("serve: the file that keeps the memory image "
                                                   "(default %1).")
                                        .arg(MemoryImageFile::defaultPath()),
                                    QStringLiteral("FILE"), MemoryImageFile::defaultPath());
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("serve: write one line per report to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption uhid(
        QStringLiteral("uhid"),
        QStringLiteral("serve: also be a kernel HID device through /dev/uhid (module uhid)."));
    parser.addOptions({socket, memory, trace, uhid});

    if (!parser.parse(arguments))
        return fail(ExitUsage, parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(ExitOk);

    if (parser.isSet(socket) && parser.value(socket).isEmpty())
        return fail(ExitUsage, QStringLiteral("--socket needs a path"));

    QStringList words = parser.positionalArguments();
    const QString command = words.isEmpty() ? QString() : words.takeFirst();
    QString message;
    // The default socket's folder is checked (and made) only once it is used.
    const auto socketPath = [&parser, &socket, &message] {
        return parser.isSet(socket) ? parser.value(socket)
                                    : vmouse::prepareDefaultSocketPath(&message);
    };
    if (command == CommandServe) {
        if (!words.isEmpty())
            return fail(ExitUsage, QStringLiteral("serve takes no arguments besides its options"));
        const ServeCommand::Options options{socketPath(), parser.value(memory), parser.value(trace),
                                            parser.isSet(uhid)};
        if (options.socketPath.isEmpty())
            return fail(ExitFailed, message);
        const int status = ServeCommand::run(options, &message);
        return status == ExitOk ? status : fail(status, message);
    }
    if (command == CommandSend) {
        if (parser.isSet(memory) || parser.isSet(trace) || parser.isSet(uhid))
            return fail(ExitUsage, QStringLiteral("--memory, --trace and --uhid belong to serve"));
        const std::optional<PersonEvent> event = PersonEvent::parse(words, &message);
        if (!event)
            return fail(ExitUsage, message);
        const QString path = socketPath();
        if (path.isEmpty())
            return fail(ExitFailed, message);
        return SendCommand::run(path, *event, &message) ? ExitOk : fail(ExitFailed, message);
    }
    return fail(
        ExitUsage,
        command.isEmpty()
            ? QStringLiteral("missing command: use serve or send (see --help)")
            : QStringLiteral("unknown command '%1': use serve or send (see --help)").arg(command));
}

int CommandLine::fail(int status, const QString &message)
{
    QTextStream(stderr) << ProgramName << ": " << message << Qt::endl;
    return status;
}

} // namespace orvex::sim
