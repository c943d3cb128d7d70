// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the profile store over and over until it is killed, through the same
// controller and folder the programs use (XDG_DATA_HOME names the folder).
//
// The store holds the five defaults and StableCount user profiles "Keep N";
// each carries its number N in the first button's singlekey_code, a field
// without a range that never changes, so the test
// can tell every profile apart whatever it is called on disk. Each round
// edits every profile, renames one back and forth (through a name with a
// "/"), swaps the names of three pairs, and adds or deletes a scratch
// profile, then saves. On start
// and after every save it prints one line "saved <round>".

#include "profile/ProfieController.h"
#include "profile/ProfileRanges.h"
#include "profile/ProfileState.h"

#include <QCoreApplication>

#include <cstdio>

using namespace orvex;

namespace {

constexpr int StableCount = 8;
constexpr std::uint32_t MarkBase = 100;
// Keep 1 and 2, 3 and 4, 5 and 6 swap names every round.
constexpr int FirstSwapped = 1;

QString keepName(int n)
{
    return QStringLiteral("Keep %1").arg(n);
}

// Only on the first start: a profile missing later must stay missing, for
// the test to see the loss.
void createStableProfiles(ProfieController &controller)
{
    QList<ProfileValuePtr> users;
    controller.getNoDefaultProArr(users);
    if (!users.isEmpty())
        return;
    for (int n = 0; n < StableCount; ++n) {
        const ProfileValuePtr profile = controller.addProfileByName(keepName(n), nullptr);
        ORVEX_PROFILE data = profile->profileData();
        data.btnInfo[0].singlekey_code = MarkBase + std::uint32_t(n);
        profile->setProfileData(data);
    }
}

ProfileValuePtr byMark(ProfieController &controller, int n)
{
    for (const ProfileValuePtr &profile : controller.profileArr) {
        if (profile->profileData().btnInfo[0].singlekey_code == MarkBase + std::uint32_t(n))
            return profile;
    }
    return nullptr;
}

void editRound(ProfieController &controller, int round)
{
    for (const ProfileValuePtr &profile : controller.profileArr) {
        ORVEX_PROFILE data = profile->profileData();
        data.xSensArr[0] =
            ProfileRanges::MinDpiValue + std::uint32_t(round) % ProfileRanges::MaxDpiValue;
        profile->setProfileData(data);
    }
    if (const ProfileValuePtr renamed = byMark(controller, 0))
        renamed->setName(round % 2 ? QStringLiteral("Renamed/%1").arg(round) : keepName(0));
    for (int n = FirstSwapped; n < StableCount - 1; n += 2) {
        const ProfileValuePtr a = byMark(controller, n);
        const ProfileValuePtr b = byMark(controller, n + 1);
        if (!a || !b)
            continue;
        const QString aName = a->name();
        a->setName(b->name());
        b->setName(aName);
    }
    if (const ProfileValuePtr scratch = controller.getProfileByName(QStringLiteral("Scratch")))
        controller.delProfile(scratch);
    else
        controller.addProfileByName(QStringLiteral("Scratch"), nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ProfieController &controller = *ProfileState::getShareProCon();
    createStableProfiles(controller);
    if (!controller.saveToSys())
        return 1;
    std::printf("saved 0\n");
    std::fflush(stdout);
    for (int round = 1;; ++round) {
        editRound(controller, round);
        if (!controller.saveToSys())
            return 1;
        std::printf("saved %d\n", round);
        std::fflush(stdout);
    }
}
