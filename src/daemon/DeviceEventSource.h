// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QObject>

#include <functional>

namespace orvex {

// Where the listener hears the mouse: its 8-byte input reports and its
// coming and going. Implementations: the real mouse (hidraw readers and a
// udev monitor) and the virtual mouse (its socket's event stream).
//
// Contract: start() answers whether the mouse is there now; afterwards the
// callbacks run on the thread that called start() (which runs a Qt event
// loop), presence() only when presence changes. Nothing runs while nothing
// happens: no implementation polls.
class DeviceEventSource : public QObject
{
    Q_OBJECT
public:
    struct Callbacks
    {
        std::function<void(const Report &report)> report;
        std::function<void(bool present)> presence;
    };

    using QObject::QObject;

    virtual bool start(Callbacks callbacks) = 0;
    // While paused the source lets go of the mouse: it delivers no report and
    // no change of presence. Resuming delivers a presence that changed in the
    // meantime. A source paused before start() still answers whether the
    // mouse is there, without taking hold of it. (A login session in the
    // background leaves the mouse to the one in front.)
    virtual void setPaused(bool paused) = 0;
    // A short description for the log.
    virtual QString describe() const = 0;
};

} // namespace orvex
