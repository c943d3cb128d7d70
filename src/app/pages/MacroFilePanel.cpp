// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroFilePanel.h"

#include <QDir>
#include <QFileDialog>

namespace orvex {

namespace {

QString filter()
{
    return QFileDialog::tr("Macros (*.%1)").arg(QLatin1String(MacroFilePanel::Extension));
}

// Qt's own panel, so that it looks and behaves the same on every desktop.
QString runPanel(QFileDialog &panel, const char *name)
{
    panel.setObjectName(QLatin1String(name));
    panel.setAccessibleName(QLatin1String(name));
    panel.setOption(QFileDialog::DontUseNativeDialog);
    panel.setNameFilter(filter());
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return {};
    return panel.selectedFiles().constFirst();
}

} // namespace

QString MacroFilePanel::withExtension(const QString &path)
{
    const QString suffix = u'.' + QLatin1String(Extension);
    return path.endsWith(suffix) ? path : path + suffix;
}

QString MacroFilePanel::chooseSavePath(QWidget *parent, const QString &proposedName)
{
    QFileDialog panel(parent, QLatin1String(SavePanelName), QDir::homePath());
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.selectFile(proposedName);
    const QString path = runPanel(panel, SavePanelName);
    return path.isEmpty() ? path : withExtension(path);
}

QString MacroFilePanel::chooseOpenPath(QWidget *parent)
{
    QFileDialog panel(parent, QLatin1String(OpenPanelName), QDir::homePath());
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    return runPanel(panel, OpenPanelName);
}

} // namespace orvex
