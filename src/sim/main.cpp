// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "platform/WexLogger.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvex-virtual-mouse"));
    orvex::WexLogger::applyEnvironment();
    return orvex::sim::CommandLine::run(QCoreApplication::arguments());
}
