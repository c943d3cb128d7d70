// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfieController.h"

#include "platform/PreferencesFile.h"
#include "platform/UserDataFolder.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"
#include "profile/DefaultProfileFiles.h"
#include "profile/FixedText.h"
#include "profile/ProfileFileNames.h"
#include "profile/ProfileFolderWriter.h"
#include "profile/ProfileState.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace orvex {

namespace {

constexpr int ProfileNameBytes = int(sizeof(ORVEX_CONFIG::profileName)) - 1;

bool inSlotRange(int slot)
{
    return slot >= 0 && slot < FirmwareSlotCount;
}

// The profile files of a folder, in name order, copies of the resources'
// default files last: a default profile stored under its own name wins over
// such a copy left behind, which is skipped as a duplicate name.
QStringList profileFilesOf(const QString &folder)
{
    QStringList regular;
    QStringList seeded;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &fileName : entries) {
        if (!ProfileFileNames::isProfileFile(fileName))
            continue;
        (DefaultProfileFiles::isDefaultFileName(fileName) ? seeded : regular).append(fileName);
    }
    return regular + seeded;
}

} // namespace

ProfieController *ProfieController::getShareProCon()
{
    return ProfileState::getShareProCon();
}

ProfieController::ProfieController()
{
    QString dataFolder = UserDataFolder::sysPath();
    if (dataFolder.isEmpty())
        dataFolder = UserDataFolder::getSysPath();
    m_sysProPath = dataFolder + QLatin1Char('/') + QLatin1String(ProfileFolderName);
    if (!QDir().mkpath(m_sysProPath))
        ORVEX_WARNING(QStringLiteral("cannot create the profile folder %1").arg(m_sysProPath));
    m_defaultProfileArrs = DefaultProfileFiles::loadShipped();
    refreshProfile();
}

// --- Life and persistence ---------------------------------------------------

// A default profile the folder does not hold (by name) is copied in from the
// resources as Default<n>.pro and loaded. Defaults already stored under their
// own names are not copied again, so a reload writes nothing in the usual
// case and an edited default is never shadowed by a fresh copy.
void ProfieController::restoreMissingDefaults(const QString &folder)
{
    for (int slot = 1; slot <= FirmwareSlotCount; ++slot) {
        const ProfileValuePtr shipped = m_defaultProfileArrs.value(slot - 1);
        if (!shipped || getProfileByName(shipped->name()))
            continue;
        const QString fileName = DefaultProfileFiles::fileName(slot);
        if (WexAction::checkAddCopyFileFromResourceWithPath(folder, fileName))
            loadFile(folder, fileName);
    }
}

// Files of the profile folder keep their identifiers, even when two share
// one: the slot table names them, and the next save renumbers them.
void ProfieController::loadFile(const QString &folder, const QString &fileName)
{
    QString refusal;
    const ProfileValuePtr profile =
        ProfileValue::initWithPath(folder + QLatin1Char('/') + fileName, &refusal);
    if (!profile) {
        setAside(folder, fileName, refusal);
        return;
    }
    if (!checkProfileName(profile->name(), nullptr)) {
        ORVEX_DEBUG(QStringLiteral("profile file %1 skipped: its name is taken").arg(fileName));
        return;
    }
    profile->setStoredFileName(fileName);
    profileArr.append(profile);
}

// Out of the way of saves, which remove profile files no profile holds and
// may take the name for another profile.
void ProfieController::setAside(const QString &folder, const QString &fileName,
                                const QString &refusal)
{
    QString aside = fileName + QLatin1String(RefusedSuffix);
    for (int n = 2; QFileInfo::exists(folder + QLatin1Char('/') + aside); ++n)
        aside = fileName + QLatin1String(RefusedSuffix) + QString::number(n);
    if (QDir(folder).rename(fileName, aside))
        ORVEX_WARNING(QStringLiteral("profile file %1 refused (%2); kept as %3")
                          .arg(fileName, refusal, aside));
    else
        ORVEX_WARNING(QStringLiteral("profile file %1 refused (%2) and cannot be renamed")
                          .arg(fileName, refusal));
}

void ProfieController::refreshProfile()
{
    m_currProfileId = 0;
    m_currProfile.reset();
    profileArr.clear();
    if (QFileInfo(m_sysProPath).isDir()) {
        for (const QString &fileName : profileFilesOf(m_sysProPath))
            loadFile(m_sysProPath, fileName);
        restoreMissingDefaults(m_sysProPath);
    }
    if (profileArr.isEmpty())
        addProfile();
    sortProfile();
    selectedLast();
    if (m_currProfile)
        std::copy(std::begin(m_currProfile->fwProfileID), std::end(m_currProfile->fwProfileID),
                  std::begin(fwProfileID));
}

void ProfieController::sortProfile()
{
    std::stable_sort(profileArr.begin(), profileArr.end(),
                     [](const ProfileValuePtr &a, const ProfileValuePtr &b) {
                         return a->profileId() < b->profileId();
                     });
}

QStringList ProfieController::fileNames() const
{
    QStringList names;
    names.reserve(profileArr.size());
    for (const ProfileValuePtr &profile : profileArr)
        names.append(profile->name());
    return ProfileFileNames::assign(names);
}

QString ProfieController::fileNameOf(const ProfileValuePtr &profile) const
{
    const int index = indexOf(profile);
    if (index == NoPosition)
        return ProfileFileNames::assign({profile->name()}).first();
    return fileNames().at(index);
}

// The slot table holds identifiers, which the save renumbers: point every
// slot at its profile's new identifier first. A slot whose profile is gone
// goes to its default's stored copy, else to the first default profile,
// else to 0 (no profile), never to whichever profile inherits the number.
void ProfieController::remapSlotsForRenumbering()
{
    for (int slot = 0; slot < FirmwareSlotCount; ++slot) {
        ProfileValuePtr bound = getProValueByProid(fwProfileID[slot]);
        if (!bound)
            bound = slotDefaultCopy(slot);
        if (!bound)
            bound = getFirstDefaultProfile();
        const std::int64_t renumbered = bound ? indexOf(bound) + 1 : 0;
        if (renumbered != fwProfileID[slot])
            ORVEX_DEBUG(QStringLiteral("slot %1: profile %2 is now %3")
                            .arg(slot)
                            .arg(fwProfileID[slot])
                            .arg(renumbered));
        fwProfileID[slot] = renumbered;
    }
}

bool ProfieController::saveToPath(const QString &folder)
{
    remapSlotsForRenumbering();
    for (int i = 0; i < profileArr.size(); ++i) {
        ProfileValue &profile = *profileArr[i];
        profile.setCurrProfileId(m_currProfileId);
        profile.setProfileId(i + 1);
        std::copy(std::begin(fwProfileID), std::end(fwProfileID), std::begin(profile.fwProfileID));
    }
    const QStringList names = fileNames();
    QList<ProfileFolderWriter::Entry> entries;
    for (int i = 0; i < profileArr.size(); ++i)
        entries.append({profileArr[i], names[i]});
    ProfileFolderWriter writer(folder, profileArr);
    return writer.writeAll(entries);
}

bool ProfieController::saveToSys()
{
    if (!QDir().mkpath(m_sysProPath)) {
        ORVEX_WARNING(QStringLiteral("cannot create the profile folder %1").arg(m_sysProPath));
        return false;
    }
    if (!saveToPath(m_sysProPath)) {
        ORVEX_WARNING(QStringLiteral("profiles not all saved; every earlier file of %1 is kept")
                          .arg(m_sysProPath));
        return false;
    }
    QSet<QString> keep;
    for (const ProfileValuePtr &profile : profileArr)
        keep.insert(profile->storedFileName());
    return ProfileFolderWriter(m_sysProPath, profileArr).removeAllExcept(keep);
}

void ProfieController::clearAllProfile()
{
    if (!QDir(m_sysProPath).removeRecursively())
        ORVEX_WARNING(QStringLiteral("cannot empty the profile folder %1").arg(m_sysProPath));
    QDir().mkpath(m_sysProPath);
    for (const ProfileValuePtr &profile : profileArr)
        profile->setStoredFileName({});
}

bool ProfieController::saveSeltoPath(const QString &folder)
{
    if (!m_currProfile)
        return false;
    m_currProfile->setProfileData(ProfileState::selProfile);
    const QString fileName = fileNameOf(m_currProfile);
    if (QDir(folder) != QDir(m_sysProPath))
        return m_currProfile->saveToPath(folder + QLatin1Char('/') + fileName);
    ProfileFolderWriter writer(folder, profileArr);
    return writer.writeAll({{m_currProfile, fileName}});
}

bool ProfieController::saveSelProfile()
{
    return saveSeltoPath(m_sysProPath);
}

// --- Adding and removing ----------------------------------------------------

std::int64_t ProfieController::getNewProfileId() const
{
    std::int64_t largest = 0;
    for (const ProfileValuePtr &profile : profileArr)
        largest = std::max(largest, profile->profileId());
    return largest + 1;
}

bool ProfieController::checkProfileName(const QString &name, const ProfileValue *profile) const
{
    return std::none_of(profileArr.cbegin(), profileArr.cend(), [&](const ProfileValuePtr &p) {
        return p.get() != profile && p->name() == name;
    });
}

QString ProfieController::getNewProfileName() const
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1_%2").arg(QLatin1String(NewProfileBaseName)).arg(n);
        if (checkProfileName(name, nullptr))
            return name;
    }
}

QString ProfieController::getCopyProfileName() const
{
    return getCopyProfileName(m_currProfile);
}

QString ProfieController::getCopyProfileName(const ProfileValuePtr &source) const
{
    const QByteArray base = source ? source->name().toUtf8() : QByteArray();
    for (int n = 1;; ++n) {
        const QByteArray suffix = QStringLiteral(" copy_%1").arg(n).toUtf8();
        // A name cut when saved could equal its original and be dropped on
        // the next reload; cut the base instead, keeping the counter.
        const QByteArray kept = FixedText::truncateUtf8(base, ProfileNameBytes - suffix.size());
        const QString name = QString::fromUtf8(kept + suffix);
        if (checkProfileName(name, nullptr))
            return name;
    }
}

ProfileValuePtr ProfieController::addProfileByName(const QString &name,
                                                   const ProfileValuePtr &source)
{
    auto profile = std::make_shared<ProfileValue>();
    profile->setName(name);
    profile->setIsDefault(false);
    const ProfileValuePtr settings = source ? source : defaultProfile();
    if (settings)
        profile->setProfileData(settings->profileData());
    profile->setProfileId(getNewProfileId());
    profileArr.append(profile);
    return profile;
}

ProfileValuePtr ProfieController::addProfile()
{
    return addProfileByName(getNewProfileName(), nullptr);
}

ProfileValuePtr ProfieController::copyProfile(const ProfileValuePtr &source)
{
    return addProfileByName(getCopyProfileName(), source);
}

int ProfieController::addByPath(const QString &path, ImportReport *report)
{
    QString refusal;
    const ProfileValuePtr profile = ProfileValue::initWithPath(path, &refusal);
    if (!profile) {
        if (report)
            report->refusal = refusal;
        return Unreadable;
    }
    return importProfile(profile, report);
}

int ProfieController::importProfile(const ProfileValuePtr &profile, ImportReport *report)
{
    if (!checkProfileName(profile->name(), nullptr))
        return NameTaken;
    if (getProValueByProid(profile->profileId()))
        profile->setProfileId(getNewProfileId());
    ORVEX_PROFILE data = profile->profileData();
    const QList<LauncherScreen::Refusal> refused =
        LauncherScreen::screen(data, [this](int button) { return getDefBtnInfoByIndex(button); });
    profile->setProfileData(data);
    for (const LauncherScreen::Refusal &launcher : refused)
        ORVEX_INFO(QStringLiteral("profile \"%1\": launcher %2 not kept (%3): %4")
                       .arg(profile->name(), QLatin1String(ButtonKeyNames[launcher.button]),
                            launcher.reason, launcher.path));
    if (report)
        report->refusedLaunchers = refused;
    profileArr.append(profile);
    return Imported;
}

void ProfieController::delProfile(ProfileValuePtr profile)
{
    if (!profile)
        return;
    profileArr.removeAll(profile);
    if (m_currProfile == profile)
        m_currProfile.reset();
}

void ProfieController::delProByName(const QString &name)
{
    delProfile(getProfileByName(name));
}

// --- Look-up and selection --------------------------------------------------

int ProfieController::indexOf(const ProfileValuePtr &profile) const
{
    return profile ? int(profileArr.indexOf(profile)) : NoPosition;
}

ProfileValuePtr ProfieController::getProfileByName(const QString &name) const
{
    for (const ProfileValuePtr &profile : profileArr) {
        if (profile->name() == name)
            return profile;
    }
    return nullptr;
}

ProfileValuePtr ProfieController::getProValueByProid(std::int64_t profileId) const
{
    for (const ProfileValuePtr &profile : profileArr) {
        if (profile->profileId() == profileId)
            return profile;
    }
    return nullptr;
}

ProfileValuePtr ProfieController::getFirstDefaultProfile() const
{
    for (const ProfileValuePtr &profile : profileArr) {
        if (profile->isDefault())
            return profile;
    }
    return nullptr;
}

std::int64_t ProfieController::getCurrProfileIndex() const
{
    return indexOf(m_currProfile);
}

void ProfieController::setSelectByIndex(int index)
{
    saveSelProfileToData();
    m_currProfileId = index;
    ProfileValuePtr selection;
    if (index >= 0 && index < profileArr.size())
        selection = profileArr[index];
    else if (profileArr.isEmpty())
        return;
    else
        selection = getFirstDefaultProfile();
    m_currProfile = selection;
    if (selection)
        ProfileState::selProfile = selection->profileData();
}

void ProfieController::setSelectByName(const QString &name)
{
    const ProfileValuePtr profile = getProfileByName(name);
    if (!profile)
        return;
    m_currProfile = profile;
    ProfileState::selProfile = profile->profileData();
}

void ProfieController::selectedLast()
{
    setSelectByIndex(profileArr.isEmpty() ? 0 : int(profileArr.first()->currProfileId()));
}

ProfileValuePtr ProfieController::getNextProfie(const ProfileValuePtr &profile) const
{
    if (profileArr.size() < 2)
        return nullptr;
    const int index = indexOf(profile);
    return index == profileArr.size() - 1 ? profileArr[index - 1] : profileArr[index + 1];
}

ProfileValuePtr ProfieController::getNextProfieWithNodef(const ProfileValuePtr &profile) const
{
    // Five defaults and at least two user profiles are needed to move on.
    constexpr int MinimumCount = FirmwareSlotCount + 2;
    if (profileArr.size() < MinimumCount)
        return nullptr;
    const int index = indexOf(profile);
    const auto isOtherUserProfile = [&](int i) {
        return profileArr[i] != profile && !profileArr[i]->isDefault();
    };
    for (int i = index + 1; i < profileArr.size(); ++i) {
        if (isOtherUserProfile(i))
            return profileArr[i];
    }
    for (int i = std::min(index, int(profileArr.size())) - 1; i >= 0; --i) {
        if (isOtherUserProfile(i))
            return profileArr[i];
    }
    return nullptr;
}

void ProfieController::saveSelProfileToData()
{
    if (m_currProfile)
        m_currProfile->setProfileData(ProfileState::selProfile);
}

void ProfieController::refreshSelProfileFromData()
{
    if (m_currProfile)
        ProfileState::selProfile = m_currProfile->profileData();
}

// --- Firmware slots ---------------------------------------------------------

void ProfieController::setCurrFWProfileIndex(int slot)
{
    if (!inSlotRange(slot))
        return;
    m_currFWProfileIndex = slot;
    setSelectByIndex(indexOf(getProfileByFWProId(slot)));
}

void ProfieController::setProfileToFWPro(std::int64_t profileId)
{
    if (!inSlotRange(m_currFWProfileIndex))
        return;
    ProfileValuePtr profile = getProValueByProid(profileId);
    if (!profile)
        profile = defaultProfile();
    fwProfileID[m_currFWProfileIndex] = profile ? profile->profileId() : 0;
    setSelectByIndex(indexOf(profile));
}

ProfileValuePtr ProfieController::getProfileByFWProId(int slot) const
{
    if (!inSlotRange(slot))
        return nullptr;
    // Compared as 32-bit numbers, as the agent has always done.
    const auto wanted = std::int32_t(fwProfileID[slot]);
    for (const ProfileValuePtr &profile : profileArr) {
        if (std::int32_t(profile->profileId()) == wanted)
            return profile;
    }
    if (ProfileValuePtr firstDefault = getFirstDefaultProfile())
        return firstDefault;
    return defaultProfile();
}

// --- Settings shared by all profiles ----------------------------------------

bool ProfieController::isOSD()
{
    const std::optional<bool> stored =
        PreferencesFile::boolValue(QLatin1String(PreferencesFile::OSDTagKey));
    if (!stored) {
        setIsOSD(true);
        return true;
    }
    m_isOSD = *stored;
    return m_isOSD;
}

void ProfieController::setIsOSD(bool on)
{
    m_isOSD = on;
    PreferencesFile::setBoolValue(QLatin1String(PreferencesFile::OSDTagKey), on);
}

void ProfieController::fillOSD()
{
    for (const ProfileValuePtr &profile : profileArr)
        profile->setOSD(int(ProfileState::selProfile.enableSrcDes));
}

void ProfieController::fillProRate()
{
    for (const ProfileValuePtr &profile : profileArr)
        profile->setProRate(int(ProfileState::selProfile.poRate));
}

// --- Defaults and resets ----------------------------------------------------

ProfileValuePtr ProfieController::defaultProfile() const
{
    if (m_defaultProfileArrs.isEmpty())
        return nullptr;
    if (m_currFWProfileIndex >= 0 && m_currFWProfileIndex < m_defaultProfileArrs.size())
        return m_defaultProfileArrs[m_currFWProfileIndex];
    return m_defaultProfileArrs.first();
}

ProfileValuePtr ProfieController::slotDefaultCopy(int slot) const
{
    const ProfileValuePtr shipped = m_defaultProfileArrs.value(slot);
    return shipped ? getProfileByName(shipped->name()) : nullptr;
}

BTN_INFO ProfieController::getDefBtnInfoByIndex(int index) const
{
    const ProfileValuePtr shipped = defaultProfile();
    if (!shipped || index < 0 || index >= ButtonCount)
        return {};
    return shipped->profileData().btnInfo[index];
}

void ProfieController::resetButtonInfo()
{
    const ProfileValuePtr shipped = defaultProfile();
    if (!m_currProfile || !shipped)
        return;
    const ORVEX_PROFILE factory = shipped->profileData();
    std::copy(std::begin(factory.btnInfo), std::end(factory.btnInfo),
              std::begin(ProfileState::selProfile.btnInfo));
}

void ProfieController::resetToDefault()
{
    const ProfileValuePtr shipped = defaultProfile();
    if (m_currProfile && shipped)
        m_currProfile->setProfileData(shipped->profileData());
}

void ProfieController::resetAllToDefault()
{
    const ProfileValuePtr shipped = defaultProfile();
    if (!shipped)
        return;
    for (const ProfileValuePtr &profile : profileArr)
        profile->setProfileData(shipped->profileData());
}

void ProfieController::resetCurrFwToDef()
{
    const ProfileValuePtr shipped = defaultProfile();
    if (!inSlotRange(m_currFWProfileIndex) || !shipped)
        return;
    // Without its stored copy the selection would fall back to the first
    // default profile and the reset would give it another slot's settings.
    ProfileValuePtr stored = getProfileByName(shipped->name());
    if (!stored) {
        stored = addProfileByName(shipped->name(), shipped);
        stored->setIsDefault(true);
    }
    fwProfileID[m_currFWProfileIndex] = stored->profileId();
    setSelectByIndex(indexOf(stored));
    resetToDefault();
}

void ProfieController::removeAllNoDefault()
{
    for (qsizetype i = profileArr.size() - 1; i >= 0; --i) {
        if (!profileArr[i]->isDefault())
            delProfile(profileArr[i]);
    }
}

void ProfieController::getNoDefaultProArr(QList<ProfileValuePtr> &profiles) const
{
    for (const ProfileValuePtr &profile : profileArr) {
        if (!profile->isDefault())
            profiles.append(profile);
    }
}

void ProfieController::setNoDefaultProArr(const QList<ProfileValuePtr> &profiles)
{
    removeAllNoDefault();
    profileArr.append(profiles);
}

} // namespace orvex
