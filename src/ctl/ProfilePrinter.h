// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QJsonObject>
#include <QString>

namespace orvex::ctl {

// One profile as orvexctl shows it: readable text or a JSON object with the
// buttons (function class, parameters, the firmware's meaning and the
// catalogue caption), lighting, DPI stages in DPI, report rate in Hz and
// the lift-off code.
class ProfilePrinter
{
public:
    struct Heading
    {
        QString title;      // "Slot 2: Strategy (active)", "Profile file x.pro"
        QJsonObject fields; // extra JSON members: slot, name, active, ...
    };

    static QString text(const Heading &heading, const ORVEX_PROFILE &profile);
    static QJsonObject json(const Heading &heading, const ORVEX_PROFILE &profile);

private:
    static QString caption(const BTN_INFO &button);
    static QString describe(const BTN_INFO &button);
    static QJsonObject buttonJson(int index, const BTN_INFO &button);
    static QJsonObject lightingJson(const ORVEX_PROFILE &profile);
    static QString colourName(const ORVEX_PROFILE &profile, int zone);
};

} // namespace orvex::ctl
