// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFilePanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace orvex {

namespace {

// Where the next panel opens: the folder of the last file chosen, as long
// as the application runs.
QString &lastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

QString filter()
{
    return QCoreApplication::translate("ProfileFilePanel", "Profiles (*.%1)")
        .arg(QLatin1String(ProfileFilePanel::Suffix));
}

QString run(QFileDialog &panel, const char *name)
{
    panel.setObjectName(QLatin1String(name));
    panel.setAccessibleName(QLatin1String(name));
    panel.setOption(QFileDialog::DontUseNativeDialog);
    panel.setNameFilter(filter());
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return {};
    const QString path = panel.selectedFiles().constFirst();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

QString ProfileFilePanel::chooseImport(QWidget *parent)
{
    QFileDialog panel(parent, QLatin1String(ImportPanelName), lastFolder());
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    return run(panel, ImportPanelName);
}

QString ProfileFilePanel::chooseExport(QWidget *parent, const QString &name)
{
    QFileDialog panel(parent, QLatin1String(ExportPanelName), lastFolder());
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    // A name may hold a slash, which the panel would take for a folder.
    panel.selectFile(withSuffix(QString(name).replace(u'/', u'_')));
    const QString path = run(panel, ExportPanelName);
    return path.isEmpty() ? path : withSuffix(path);
}

QString ProfileFilePanel::withSuffix(const QString &path)
{
    const QString suffix = QLatin1Char('.') + QLatin1String(Suffix);
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

} // namespace orvex
