// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/LauncherScreen.h"
#include "profile/ProfileValue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace orvex {

// The list of stored profiles (one file each in the profile folder
// <user data folder>/Profiles), the binding of the mouse's five onboard
// slots to them, the selected profile with its working record
// ProfileState::selProfile, and the factory defaults and resets.
//
// One shared instance per process (getShareProCon()); main thread only.
// Identifiers (profileId) are 1-based list positions as of the last save;
// slot numbers are 0..4; list indices are 0-based, -1 meaning "none".
class ProfieController
{
public:
    static constexpr char ProfileFolderName[] = "Profiles";
    static constexpr char NewProfileBaseName[] = "NewProfile";
    // Appended to the name of a profile file the folder holds but that
    // cannot be loaded.
    static constexpr char RefusedSuffix[] = ".refused";
    static constexpr int NoPosition = -1;

    // The shared instance, made on first use (ProfileState::getShareProCon()).
    static ProfieController *getShareProCon();

    // Makes sure the user data folder is known, sets and creates the profile
    // folder, loads the shipped defaults, then refreshProfile().
    ProfieController();
    ProfieController(const ProfieController &) = delete;
    ProfieController &operator=(const ProfieController &) = delete;

    // --- Life and persistence ---------------------------------------------

    // Reloads the list from the profile folder, copying in each shipped
    // default profile it does not hold; selects the first profile. A file
    // ProfileValue refuses is renamed "<file>.refused" (never loaded or
    // removed again, so nothing of it is lost), with a warning.
    void refreshProfile();
    // Sorts by profileId, ascending; equal identifiers keep their order.
    void sortProfile();
    // Renumbers the profiles 1..N in list order, keeps every slot on its
    // profile, and writes every profile into `folder` under its own file
    // name. Answers whether every file was written.
    bool saveToPath(const QString &folder);
    // saveToPath() into the profile folder, then removes the profile files
    // that no longer belong to any profile - only when every write worked,
    // so the folder never holds fewer good profiles than before.
    bool saveToSys();
    // Deletes the profile folder with everything in it and creates it empty.
    void clearAllProfile();
    // Export: stores the working record into the selected profile, then
    // writes that profile into `folder`. False without a selection.
    bool saveSeltoPath(const QString &folder);
    // saveSeltoPath() with the profile folder.
    bool saveSelProfile();

    // --- Adding and removing ----------------------------------------------

    // 1 + the largest profileId (0 when there is none).
    std::int64_t getNewProfileId() const;
    // False when a profile other than `profile` has exactly this name.
    bool checkProfileName(const QString &name, const ProfileValue *profile) const;
    // "NewProfile_1", "NewProfile_2", ...: the first name not taken.
    QString getNewProfileName() const;
    // "<selected profile's name> copy_1", "... copy_2", ...: the first name
    // not taken, the selected name cut so the whole fits a profile file.
    QString getCopyProfileName() const;
    // The same after `source`'s name (an empty base when null).
    QString getCopyProfileName(const ProfileValuePtr &source) const;
    // A new profile with that name (unchecked), the settings of `source`
    // (of defaultProfile() when null), a new identifier; appended.
    ProfileValuePtr addProfileByName(const QString &name, const ProfileValuePtr &source);
    ProfileValuePtr addProfile();
    ProfileValuePtr copyProfile(const ProfileValuePtr &source);

    // Import results of addByPath() and importProfile().
    enum ImportResult
    {
        Imported = 0,
        Unreadable = 1,
        NameTaken = 2,
    };
    // What an import tells its caller beyond the result.
    struct ImportReport
    {
        QString refusal; // why the file is Unreadable (ProfileValue::initWithPath)
        // Launcher buttons set to getDefBtnInfoByIndex() (LauncherScreen).
        QList<LauncherScreen::Refusal> refusedLaunchers;
    };
    // Loads a profile file from outside the profile folder and imports it
    // (importProfile()).
    int addByPath(const QString &path, ImportReport *report = nullptr);
    // Appends a profile loaded from a file unless a profile has its name. It
    // keeps its default flag, slot table and identifier - a new identifier
    // (getNewProfileId()) when a profile has that one, so that binding it to
    // a slot never binds the other. Its launcher paths are screened
    // (LauncherScreen).
    int importProfile(const ProfileValuePtr &profile, ImportReport *report = nullptr);
    // Removes a profile from the list (its file goes at the next saveToSys);
    // removing the selected one leaves no selection.
    void delProfile(ProfileValuePtr profile);
    void delProByName(const QString &name);
    std::int64_t getProfileCount() const { return profileArr.size(); }

    // --- Look-up and selection --------------------------------------------

    ProfileValuePtr getProfileByName(const QString &name) const;
    ProfileValuePtr getProValueByProid(std::int64_t profileId) const;
    ProfileValuePtr getFirstDefaultProfile() const;
    // Position of the selected profile; NoPosition when there is none.
    std::int64_t getCurrProfileIndex() const;
    // Stores the working record into the selected profile, then selects
    // profileArr[index]; an index outside the list selects the first default
    // profile (an empty list keeps the selection). currProfileId = index.
    void setSelectByIndex(int index);
    // Selects the named profile without storing the working record first; a
    // name no profile has changes nothing.
    void setSelectByName(const QString &name);
    void selectedLast();
    // The profile after `profile`, or the one before when it is last; null
    // with fewer than two profiles.
    ProfileValuePtr getNextProfie(const ProfileValuePtr &profile) const;
    // The user profile to select when `profile` is deleted: the next user
    // (not default) profile after it, else the nearest one before it; null
    // when the list holds no other user profile.
    ProfileValuePtr getNextProfieWithNodef(const ProfileValuePtr &profile) const;
    void saveSelProfileToData();
    void refreshSelProfileFromData();

    // --- Firmware slots (0..4; others are ignored) ------------------------

    // Edits slot `slot`: selects the profile bound to it (or the first
    // default profile, or defaultProfile()).
    void setCurrFWProfileIndex(int slot);
    // Binds the profile with this identifier (else defaultProfile()) to the
    // slot being edited and selects it.
    void setProfileToFWPro(std::int64_t profileId);
    // The profile bound to a slot, falling back like setCurrFWProfileIndex().
    ProfileValuePtr getProfileByFWProId(int slot) const;

    // --- Settings shared by all profiles ----------------------------------

    // The on-screen-display switch ("OSDTag" in the preferences; stored as
    // on when absent).
    bool isOSD();
    void setIsOSD(bool on);
    // Every profile takes the working record's display switch / report rate.
    void fillOSD();
    void fillProRate();

    // --- Defaults and resets ----------------------------------------------

    // The shipped default of the slot being edited (of slot 0 when the index
    // is outside the list); null when it could not be loaded.
    ProfileValuePtr defaultProfile() const;
    // Button `index` (0..10) of defaultProfile(); all zero otherwise.
    BTN_INFO getDefBtnInfoByIndex(int index) const;
    // The working record's eleven buttons become the default's.
    void resetButtonInfo();
    // The selected profile's settings become the default's (the working
    // record is left to refreshSelProfileFromData()).
    void resetToDefault();
    // Every profile's settings become those of defaultProfile().
    void resetAllToDefault();
    // Binds the slot being edited to its default's stored copy, selects it
    // and resets its settings. A stored copy missing from the list is added
    // again from the shipped default.
    void resetCurrFwToDef();
    void removeAllNoDefault();
    void getNoDefaultProArr(QList<ProfileValuePtr> &profiles) const;
    void setNoDefaultProArr(const QList<ProfileValuePtr> &profiles);

    // --- Plain accessors ----------------------------------------------------

    QString sysProPath() const { return m_sysProPath; }
    void setSysProPath(const QString &path) { m_sysProPath = path; }
    ProfileValuePtr currProfile() const { return m_currProfile; }
    void setCurrProfile(const ProfileValuePtr &profile) { m_currProfile = profile; }
    int currFWProfileIndex() const { return m_currFWProfileIndex; }
    int currProfileId() const { return m_currProfileId; }
    void setCurrProfileId(int index) { m_currProfileId = index; }
    QList<ProfileValuePtr> defaultProfileArrs() const { return m_defaultProfileArrs; }
    void setDefaultProfileArrs(const QList<ProfileValuePtr> &defaults)
    {
        m_defaultProfileArrs = defaults;
    }

    // All stored profiles, defaults included, sorted by profileId after a
    // reload.
    QList<ProfileValuePtr> profileArr;
    // profileId bound to each firmware slot.
    std::int64_t fwProfileID[FirmwareSlotCount] = {};

private:
    void restoreMissingDefaults(const QString &folder);
    void loadFile(const QString &folder, const QString &fileName);
    static void setAside(const QString &folder, const QString &fileName, const QString &refusal);
    int indexOf(const ProfileValuePtr &profile) const;
    ProfileValuePtr slotDefaultCopy(int slot) const;
    void remapSlotsForRenumbering();
    QStringList fileNames() const;
    QString fileNameOf(const ProfileValuePtr &profile) const;

    QString m_sysProPath;
    ProfileValuePtr m_currProfile;
    QList<ProfileValuePtr> m_defaultProfileArrs;
    bool m_isOSD = true;
    int m_currProfileId = 0;
    int m_currFWProfileIndex = 0;
};

} // namespace orvex
