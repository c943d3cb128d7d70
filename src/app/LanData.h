// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TooltipData.h"

#include <QList>
#include <QString>

#include <memory>

namespace orvex {

// One language of Tooltip.xml: a "Lan" element and its items in file order.
class LanData
{
public:
    // The language name of the language table ("English", "SC", ...).
    QString name;
    QList<std::shared_ptr<TooltipData>> tooltips;
};

} // namespace orvex
