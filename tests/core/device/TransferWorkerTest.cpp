// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TransferWorker.h"
#include "device/DeviceTransfer.h"
#include "device/OnboardProfile.h"
#include "device/SettingsTransfer.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "profile/FactoryProfiles.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include "VirtualMouseFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

using namespace orvex;
using namespace std::chrono_literals;

namespace {

constexpr std::uint16_t NameSlots = 0x3B00;
constexpr int NameSlotSize = 64;
// Long enough for any transfer here; a test that hits it has hung.
constexpr auto Patience = 30s;

// Ends the test program when the test that made it is still running after
// Patience: a deadlock of the main thread and the worker never ends by
// itself.
class Watchdog
{
public:
    Watchdog()
        : m_thread([this] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, Patience, [this] { return m_finished; })) {
                  std::fprintf(stderr, "deadlocked: the main thread and the worker wait for "
                                       "each other\n");
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

struct TransferEnd
{
    int value;
    bool success;
    bool onMainThread;
};

// The whole-profile transfers behind the overlay, run on the worker against
// the in-process virtual mouse.
class TransferWorkerTest : public test::VirtualMouseFixture
{
protected:
    void SetUp() override
    {
        VirtualMouseFixture::SetUp();
        withoutPauses();
        DeviceTransfer::setSettlePause(0ms);
        // Direct: heard on the thread that posts, as the application's observer is.
        connection = QObject::connect(
            InProcessNotifier::shared(), &InProcessNotifier::notified,
            [this](const QString &name, const QVariant &object, const QVariantMap &userInfo) {
                if (name != QLatin1String(notify::HideLoadEvent))
                    return;
                const bool main =
                    QThread::currentThread() == QCoreApplication::instance()->thread();
                std::lock_guard lock(endsMutex);
                ends.push_back({object.toInt(),
                                userInfo.value(QLatin1String(notify::SuccessKey)).toBool(), main});
            });
    }
    void TearDown() override
    {
        TransferWorker::stop();
        QObject::disconnect(connection);
        VirtualMouseFixture::TearDown();
    }

    std::vector<TransferEnd> endsHeard()
    {
        std::lock_guard lock(endsMutex);
        return ends;
    }

    // Runs the main thread's events until a transfer has posted its end.
    bool runUntilTheEnd()
    {
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while (endsHeard().empty()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }

    // Holds the worker in a progress report until the main thread has asked
    // it to stop; `reached` tells the main thread it is there.
    void holdUntilStopped(std::atomic<bool> *reached = nullptr)
    {
        if (reached)
            *reached = true;
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while (!DeviceLink::stopRequested() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        reportsAtStop = traced().size();
    }

    static QMap<QString, QByteArray> profileFolder()
    {
        QMap<QString, QByteArray> files;
        const QDir folder(ProfileState::getShareProCon()->sysProPath());
        for (const QString &name : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            file.open(QIODevice::ReadOnly);
            files.insert(name, file.readAll());
        }
        return files;
    }

    QMetaObject::Connection connection;
    std::mutex endsMutex;
    std::vector<TransferEnd> ends;
    std::atomic<size_t> reportsAtStop{0};
};

TEST_F(TransferWorkerTest, AnImportOnTheWorkerMakesEveryStoreStepOnTheMainThread)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    const qsizetype countBefore = profiles->getProfileCount();
    OrvexAction::setAdrrData(0, NameSlots + NameSlotSize * 3);
    QThread *shownOn = nullptr;
    LoadingOverlayHook::install({[&shownOn] { shownOn = QThread::currentThread(); }, {}, {}});
    // The worker holds the channel through its settle pause; the main thread
    // asks for it meanwhile and gets it when the worker waits for the main
    // thread, instead of both waiting for each other.
    DeviceTransfer::setSettlePause(200ms);
    Watchdog watchdog;
    const int active = SettingsTransfer::getFWProfile();

    ASSERT_TRUE(DeviceTransfer::getAllFWDataPro());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(SettingsTransfer::getFWProfile(), active);
    EXPECT_TRUE(TransferWorker::isRunning()) << "the import waits for the main thread's store";
    ASSERT_TRUE(runUntilTheEnd());
    TransferWorker::wait();

    EXPECT_FALSE(TransferWorker::isRunning());
    EXPECT_EQ(ProfileState::offMainThreadUses(), 0);
    EXPECT_EQ(shownOn, QThread::currentThread());
    const auto heard = endsHeard();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].value, 1);
    EXPECT_TRUE(heard[0].success);
    EXPECT_FALSE(heard[0].onMainThread) << "posted by the worker";
    EXPECT_EQ(profiles->getProfileCount(), countBefore + 1);
    const QList<FactoryProfile> factory = FactoryProfiles::load();
    for (int slot : {0, 1, 2, 4})
        EXPECT_EQ(profiles->getProfileByFWProId(slot)->name(), factory[slot].name);
    EXPECT_EQ(SettingsTransfer::readName(3), profiles->getProfileByFWProId(3)->name());

    // What the count above would have seen of a worker using the store.
    std::thread([] { ProfileState::getShareProCon(); }).join();
    EXPECT_EQ(ProfileState::offMainThreadUses(), 1);
}

TEST_F(TransferWorkerTest, QuittingMidImportStopsBetweenRequestsAndChangesNothing)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    // Slot 1 without a name: the import adds a profile before it is stopped.
    OrvexAction::setAdrrData(0, NameSlots + NameSlotSize * 1);
    ASSERT_TRUE(profiles->saveToSys());
    const QMap<QString, QByteArray> filesBefore = profileFolder();
    const qsizetype countBefore = profiles->getProfileCount();
    const ORVEX_PROFILE recordBefore = ProfileState::selProfile;
    const int slotBefore = profiles->currFWProfileIndex();
    std::int64_t boundBefore[FirmwareSlotCount];
    std::memcpy(boundBefore, profiles->fwProfileID, sizeof boundBefore);
    LoadingOverlayHook::install({{}, {}, [this](int done, int, const QString &text) {
                                     if (done != 0 ||
                                         text != QLatin1String("Reading profile 4 of 5"))
                                         return;
                                     QMetaObject::invokeMethod(
                                         QCoreApplication::instance(),
                                         [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
                                     holdUntilStopped();
                                 }});
    Watchdog watchdog;

    ASSERT_TRUE(DeviceTransfer::getAllFWDataPro());
    QCoreApplication::exec();

    EXPECT_FALSE(TransferWorker::isRunning()) << "joined when the application quit";
    EXPECT_GT(reportsAtStop.load(), 0u);
    EXPECT_EQ(traced().size(), reportsAtStop.load()) << "no request after the stop";
    EXPECT_EQ(profiles->getProfileCount(), countBefore);
    EXPECT_EQ(profileFolder(), filesBefore);
    EXPECT_EQ(profiles->currFWProfileIndex(), slotBefore);
    EXPECT_EQ(std::memcmp(boundBefore, profiles->fwProfileID, sizeof boundBefore), 0);
    EXPECT_EQ(std::memcmp(&recordBefore, &ProfileState::selProfile, sizeof recordBefore), 0);
    const auto heard = endsHeard();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].value, 1);
    EXPECT_FALSE(heard[0].success);
    EXPECT_EQ(ProfileState::offMainThreadUses(), 0);
}

TEST_F(TransferWorkerTest, AStoppedWriteEndsWithAResetAndLeavesTheSlotAsItWas)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    profiles->setCurrFWProfileIndex(1);
    profiles->setProfileToFWPro(profiles->getProfileByName(QStringLiteral("Media"))->profileId());
    const QByteArray appliedBefore = model->appliedImage();
    std::atomic<bool> reached{false};
    LoadingOverlayHook::install({{}, {}, [this, &reached](int done, int, const QString &) {
                                     if (done == 30)
                                         holdUntilStopped(&reached);
                                 }});

    ASSERT_TRUE(DeviceTransfer::applyFWDataPro());
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    while (!reached && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    TransferWorker::stop();

    EXPECT_FALSE(TransferWorker::isRunning());
    const auto sent = traced();
    ASSERT_EQ(sent.size(), reportsAtStop + 1) << "after the stop only a Reset";
    EXPECT_EQ(sent.back().bytes, bytes({0xC4, 0x01}));
    for (const auto &report : sent)
        EXPECT_NE(report.bytes, bytes({0xC4, 0x00})) << "no Reload";
    EXPECT_EQ(model->appliedImage(), appliedBefore);
    const auto heard = endsHeard();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].value, 0);
    EXPECT_FALSE(heard[0].success);
}

// The worker sends the record of when the apply started, however the pages
// change the working record while it waits for the channel.
TEST_F(TransferWorkerTest, AnApplySendsTheWorkingRecordTakenWhenItStarted)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    profiles->setCurrFWProfileIndex(2);
    ProfileState::selProfile.xSensArr[0] = 40;
    {
        QMutexLocker channel(&DeviceLink::commandLock());
        ASSERT_TRUE(DeviceTransfer::applyFWDataPro());
        ProfileState::selProfile.xSensArr[0] = 90;
        profiles->setCurrFWProfileIndex(3);
    }
    TransferWorker::wait();

    const auto slot2 = OnboardProfile::read(2);
    ASSERT_TRUE(slot2);
    EXPECT_EQ(slot2->profile.xSensArr[0], 40);
    EXPECT_EQ(slot2->name, profiles->getProfileByFWProId(2)->name());
}

TEST_F(TransferWorkerTest, ASecondTransferIsRefusedWhileOneRunsAndStopCutsTheSettlePause)
{
    ProfileState::getShareProCon();
    int shown = 0;
    LoadingOverlayHook::install({[&shown] { ++shown; }, {}, {}});
    DeviceTransfer::setSettlePause(60s);

    ASSERT_TRUE(DeviceTransfer::getAllFWDataPro());
    EXPECT_FALSE(DeviceTransfer::applyFWDataPro());
    EXPECT_FALSE(DeviceTransfer::getAllFWDataPro());
    EXPECT_FALSE(DeviceTransfer::setCurrBtnInfoToDevicePro());
    EXPECT_EQ(shown, 1) << "the overlay only for the transfer that runs";
    const auto stopping = std::chrono::steady_clock::now();
    TransferWorker::stop();
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, 2s);
    EXPECT_TRUE(traced().empty()) << "stopped before it read anything";
    auto heard = endsHeard();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_FALSE(heard[0].success);

    // Once it has ended, the next one starts.
    ASSERT_TRUE(DeviceTransfer::applyFWDataPro());
    TransferWorker::wait();
    heard = endsHeard();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].value, 0);
    EXPECT_TRUE(heard[1].success);
}

} // namespace
