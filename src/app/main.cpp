// SPDX-License-Identifier: GPL-3.0-or-later
// OrvexOption: the configuration application. It takes no options of its own;
// ORVEX_DEVICE chooses the mouse (see DeviceSelector.h). A second start
// brings the running window to the front and ends.
#include "ApplicationIdentity.h"
#include "OrvexOptionAppDelegate.h"
#include "SingleInstance.h"
#include "WexAccessibleFactory.h"
#include "platform/UserDataFolder.h"

#include <QApplication>
#include <QIcon>

using namespace orvex;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    // Before anything asks for the application's accessible interface.
    WexAccessibleFactory::ensureInstalled();
    QApplication::setApplicationName(QLatin1String(ApplicationIdentity::ProgramName));
    QApplication::setApplicationDisplayName(QLatin1String(ApplicationIdentity::DisplayName));
    QApplication::setApplicationVersion(ApplicationIdentity::version());
    QApplication::setDesktopFileName(QLatin1String(ApplicationIdentifier));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(ApplicationIdentifier),
                                                 QIcon::fromTheme(QStringLiteral("input-mouse"))));

    SingleInstance instance;
    if (instance.claim() == SingleInstance::Claim::RunsAlready) {
        SingleInstance::raiseRunning();
        return 0;
    }

    OrvexOptionAppDelegate delegate;
    instance.setRaiseHandler([&delegate] { delegate.raiseWindow(); });
    if (!delegate.launch())
        return 0;
    return QApplication::exec();
}
