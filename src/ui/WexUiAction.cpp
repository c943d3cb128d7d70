// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexUiAction.h"

#include "WexMessageBox.h"
#include "platform/WexLogger.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orvex {

void WexUiAction::showInfoMessage(const QString &message)
{
    WexMessageBox::run(message, false);
}

bool WexUiAction::ChooseInfoMessage(const QString &message)
{
    return WexMessageBox::run(message, true) != 0;
}

bool WexUiAction::openFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        ORVEX_WARNING(QStringLiteral("Cannot open %1: no such file").arg(path));
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool WexUiAction::openPage(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        ORVEX_WARNING(QStringLiteral("Refusing to open the address %1").arg(address));
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace orvex
