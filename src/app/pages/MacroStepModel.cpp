// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroStepModel.h"

#include "KeltoImageView.h"
#include "OrvexAction.h"
#include "platform/WexKey.h"

#include <QColor>
#include <QPixmap>

#include <algorithm>

namespace orvex {

namespace {

// Positions in iconNames().
enum IconIndex
{
    KeyDownIcon = 0,
    KeyUpIcon = 1,
    CommandIcon = 2,
    DelayIcon = 3,
    MouseDownIcon = 4,
    MouseUpIcon = 5,
};

int iconIndexOf(int keyFlag)
{
    switch (keyFlag) {
    case MacroKeyInfo::KeyPress:
        return KeyDownIcon;
    case MacroKeyInfo::KeyRelease:
        return KeyUpIcon;
    case MacroKeyInfo::Combination:
        return CommandIcon;
    case MacroKeyInfo::MouseDown:
        return MouseDownIcon;
    case MacroKeyInfo::MouseUp:
        return MouseUpIcon;
    default:
        return -1;
    }
}

// What an icon cell reads to an assistive technology.
QString iconText(int keyFlag)
{
    switch (keyFlag) {
    case MacroKeyInfo::KeyPress:
        return MacroStepModel::tr("Key pressed");
    case MacroKeyInfo::KeyRelease:
        return MacroStepModel::tr("Key released");
    case MacroKeyInfo::Combination:
        return MacroStepModel::tr("Command");
    case MacroKeyInfo::MouseDown:
        return MacroStepModel::tr("Mouse button down");
    case MacroKeyInfo::MouseUp:
        return MacroStepModel::tr("Mouse button up");
    default:
        return {};
    }
}

} // namespace

const QStringList &MacroStepModel::iconNames()
{
    static const QStringList names{
        QStringLiteral("MacroList_KeyDown.jpg"),   QStringLiteral("MacroList_KeyUp.jpg"),
        QStringLiteral("MacroList_Command.png"),   QStringLiteral("MacroList_Delay.jpg"),
        QStringLiteral("MacroList_MouseDown.jpg"), QStringLiteral("MacroList_MouseUp.jpg")};
    return names;
}

QString MacroStepModel::keyName(int keyCode)
{
    switch (keyCode) {
    case MacroKeyInfo::MouseLeftCode:
        return QStringLiteral("L Button");
    case MacroKeyInfo::MouseRightCode:
        return QStringLiteral("R Button");
    case MacroKeyInfo::MouseMiddleCode:
        return QStringLiteral("M Button");
    default:
        return WexKey::getStrByKeycode(keyCode);
    }
}

QString MacroStepModel::stepText(const MacroKeyInfo &step)
{
    const QString name = keyName(step.keyCode);
    switch (step.keyFlag) {
    case MacroKeyInfo::KeyPress:
        return QStringLiteral("Press %1").arg(name);
    case MacroKeyInfo::KeyRelease:
        return QStringLiteral("Release %1").arg(name);
    case MacroKeyInfo::Combination:
        return OrvexAction::getMacroMenuNameById(step.keyCode);
    case MacroKeyInfo::MouseDown:
        return QStringLiteral("%1 Down").arg(name);
    case MacroKeyInfo::MouseUp:
        return QStringLiteral("%1 Up").arg(name);
    default:
        return name;
    }
}

MacroStepModel::MacroStepModel(QObject *parent) : QAbstractTableModel(parent)
{
    for (const QString &name : iconNames())
        m_icons << QIcon(QPixmap::fromImage(KeltoImageView::loadImage(name)));
}

void MacroStepModel::setMacro(const MacroInfoPtr &macro)
{
    beginResetModel();
    m_macro = macro;
    endResetModel();
}

void MacroStepModel::reload()
{
    beginResetModel();
    endResetModel();
}

int MacroStepModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_macro ? 0 : int(m_macro->keyInfoArr.size());
}

int MacroStepModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

MacroKeyInfoPtr MacroStepModel::stepAt(const QModelIndex &index) const
{
    if (!index.isValid() || !m_macro || index.row() >= m_macro->keyInfoArr.size())
        return nullptr;
    return m_macro->keyInfoArr.at(index.row());
}

QVariant MacroStepModel::iconOf(const MacroKeyInfo &step) const
{
    const int icon = iconIndexOf(step.keyFlag);
    return icon < 0 ? QVariant() : QVariant(m_icons.at(icon));
}

QVariant MacroStepModel::data(const QModelIndex &index, int role) const
{
    const MacroKeyInfoPtr step = stepAt(index);
    if (!step)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DecorationRole:
        if (column == IconColumn)
            return iconOf(*step);
        if (column == DelayIconColumn)
            return m_icons.at(DelayIcon);
        return {};
    case Qt::DisplayRole:
        if (column == TextColumn)
            return stepText(*step);
        if (column == DelayColumn)
            return QStringLiteral("%1 ms").arg(step->delay);
        return {};
    case Qt::EditRole:
        if (column == TextColumn || column == DelayColumn)
            return QString::number(step->delay);
        return {};
    case Qt::AccessibleTextRole:
        if (column == IconColumn)
            return iconText(step->keyFlag);
        if (column == DelayIconColumn)
            return tr("Delay");
        return data(index, Qt::DisplayRole);
    case Qt::ForegroundRole:
        return QColor(Qt::white);
    default:
        return {};
    }
}

bool MacroStepModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const MacroKeyInfoPtr step = stepAt(index);
    if (!step || role != Qt::EditRole || index.column() != DelayColumn)
        return false;
    bool isNumber = false;
    const int delay = value.toString().trimmed().toInt(&isNumber);
    if (!isNumber)
        return false;
    step->delay = std::clamp(delay, 0, MaxDelay);
    Q_EMIT dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    return true;
}

Qt::ItemFlags MacroStepModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == DelayColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

} // namespace orvex
