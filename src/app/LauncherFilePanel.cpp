// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherFilePanel.h"

#include "LauncherFileFilter.h"
#include "WexUiAction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace orvex {

namespace {

constexpr char SystemEntries[] = "/usr/share/applications";
constexpr char DesktopSuffix[] = "desktop";

} // namespace

QString LauncherFilePanel::startFolder()
{
    const QFileInfo entries{QLatin1String(SystemEntries)};
    return entries.isDir() ? entries.absoluteFilePath() : QDir::homePath();
}

bool LauncherFilePanel::isLaunchable(const QFileInfo &file)
{
    if (!file.isFile())
        return false;
    return file.suffix() == QLatin1String(DesktopSuffix) || file.isExecutable();
}

QString LauncherFilePanel::choose(QWidget *parent)
{
    // Qt's own panel, so that the filter below applies on every desktop.
    QFileDialog panel(parent, QLatin1String(PanelName), startFolder());
    panel.setObjectName(QLatin1String(PanelName));
    panel.setAccessibleName(QLatin1String(PanelName));
    panel.setOption(QFileDialog::DontUseNativeDialog);
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setProxyModel(new LauncherFileFilter(&panel));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return {};
    const QString path = panel.selectedFiles().constFirst();
    if (!isLaunchable(QFileInfo(path))) {
        WexUiAction::showInfoMessage(
            QCoreApplication::translate("LauncherFilePanel",
                                        "%1 is neither a desktop entry (.desktop) nor a program.")
                .arg(path));
        return {};
    }
    return path;
}

} // namespace orvex
