// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileState.h"

#include "platform/ProcessState.h"
#include "profile/ProfieController.h"

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

const bool registeredReset = ProcessState::add("ProfileState", &ProfileState::resetState);
} // namespace

ProfieController *ProfileState::getShareProCon()
{
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
}

} // namespace orvex
