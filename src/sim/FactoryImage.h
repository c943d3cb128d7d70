// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/FactoryProfiles.h"

#include <QByteArray>
#include <QList>

namespace orvex::sim {

// The configuration memory of a factory-fresh mouse: the five factory
// profiles stored the way the firmware keeps them, profile 0 active.
class FactoryImage
{
public:
    // The image of the shipped factory profiles (fwmem::Size bytes).
    static QByteArray build();
    // The image holding `profiles`, each in the firmware slot named by its
    // slot number (1..5); slots without a profile stay zero. Lift-off is
    // global on the mouse and is taken from the first listed profile.
    static QByteArray encode(const QList<FactoryProfile> &profiles);

private:
    static void encodeProfile(QByteArray &image, int firmwareProfile,
                              const FactoryProfile &profile);
    static void encodePerformance(QByteArray &image, int firmwareProfile,
                                  const ORVEX_PROFILE &profile);
    static void encodeLighting(QByteArray &image, int firmwareProfile,
                               const ORVEX_PROFILE &profile);
    static void encodeButtons(QByteArray &image, int firmwareProfile, const ORVEX_PROFILE &profile);
    static void encodeName(QByteArray &image, int firmwareProfile, const QString &name);
};

} // namespace orvex::sim
