// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileState.h"

#include "platform/ProcessState.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <memory>

namespace orvex {

namespace {
// Owns the shared controller; it lives until the process ends (or a test
// resets the state).
std::unique_ptr<ProfieController> &sharedController()
{
    static std::unique_ptr<ProfieController> controller;
    return controller;
}

std::atomic<int> offMainThreadCalls{0};

void checkThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return;
    ++offMainThreadCalls;
    ORVEX_ERROR(QStringLiteral("the profile store was used off the main thread"));
}

const bool registeredReset = ProcessState::add("ProfileState", &ProfileState::resetState);
} // namespace

int ProfileState::offMainThreadUses()
{
    return offMainThreadCalls.load();
}

ProfieController *ProfileState::getShareProCon()
{
    checkThread();
    std::unique_ptr<ProfieController> &controller = sharedController();
    if (!controller) {
        controller = std::make_unique<ProfieController>();
        sysProCon = controller.get();
    }
    return controller.get();
}

void ProfileState::resetState()
{
    sharedController().reset();
    sysProCon = nullptr;
    selProfile = {};
    isNeedSave = false;
    offMainThreadCalls = 0;
}

} // namespace orvex
