// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTestSupport.h"

#include "MainView.h"
#include "MainViewControls.h"
#include "OrvexAction.h"
#include "OrvexOptionAppDelegate.h"
#include "PopDialogView.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "TooltipManager.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexMessageBox.h"
#include "WexNoTitleWindow.h"
#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/NotificationNames.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>

#include <cstdlib>

namespace orvex::test {

namespace {

constexpr int OkCode = 1;

QString dialogName(WexNoTitleWindow *window)
{
    QWidget *content = window->contentView();
    if (auto *dialog = qobject_cast<PopDialogView *>(content))
        return dialog->imageNameStr();
    if (qobject_cast<WexMessageBox *>(content))
        return QStringLiteral("message: ") + content->accessibleDescription();
    return window->windowTitle();
}

} // namespace

int runApplicationTests(QObject *tests, int argc, char **argv)
{
    setenv("GSETTINGS_BACKEND", "memory", 1);
    prepareUiTestEnvironment();
    QApplication application(argc, argv);
    PrivateBus bus;
    if (!bus.start()) {
        qCritical("cannot start a session bus for the tests");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
    return QTest::qExec(tests, argc, argv);
}

// --- DialogRecorder -------------------------------------------------------------

DialogRecorder::DialogRecorder()
{
    WexNoTitleWindow::setModalRunHook([this](WexNoTitleWindow *window) -> std::optional<int> {
        m_shown << dialogName(window);
        return m_answers.isEmpty() ? OkCode : m_answers.takeFirst();
    });
}

DialogRecorder::~DialogRecorder()
{
    WexNoTitleWindow::setModalRunHook({});
}

QStringList DialogRecorder::messages() const
{
    QStringList texts;
    for (const QString &entry : m_shown) {
        if (entry.startsWith(QStringLiteral("message: ")))
            texts << entry.mid(9);
    }
    return texts;
}

// --- AgentRecorder ----------------------------------------------------------------

AgentRecorder::AgentRecorder()
{
    DistributedNotifications *bus = DistributedNotifications::shared();
    bus->observe(QLatin1String(notify::SettingChange));
    m_connection = QObject::connect(bus, &DistributedNotifications::received,
                                    [this](const QString &name, const QString &object,
                                           const QVariantMap &info, const QString &) {
                                        if (name == QLatin1String(notify::SettingChange))
                                            m_received.append({object, info});
                                    });
}

AgentRecorder::~AgentRecorder()
{
    QObject::disconnect(m_connection);
}

QList<QPair<int, QVariantList>> AgentRecorder::messages() const
{
    QList<QPair<int, QVariantList>> list;
    for (const auto &[object, info] : m_received) {
        QVariantList values;
        for (int i = 1; info.contains(QStringLiteral("value%1").arg(i)); ++i)
            values << info.value(QStringLiteral("value%1").arg(i));
        list.append({object.toInt(), values});
    }
    return list;
}

int AgentRecorder::count(int code, const QVariantList &values) const
{
    int found = 0;
    for (const auto &[received, receivedValues] : messages()) {
        if (received == code && (values.isEmpty() || receivedValues == values))
            ++found;
    }
    return found;
}

bool AgentRecorder::waitFor(int code, const QVariantList &values, int atLeast)
{
    DistributedNotifications::flush();
    return waitUntil([&] { return count(code, values) >= atLeast; });
}

// --- ApplicationUnderTest ----------------------------------------------------------

ApplicationUnderTest::ApplicationUnderTest() : ApplicationUnderTest(Options{}) {}

ApplicationUnderTest::ApplicationUnderTest(const Options &options) : m_options(options)
{
    OrvexAction::resetState();
    TooltipManager::resetState();
    prepareFolders();
    m_mouse = std::make_unique<VirtualMouseProcess>(freshFolder(QStringLiteral("mouse")));
    if (m_options.withMouse && !m_mouse->start())
        qWarning("the virtual mouse did not start");
    qputenv("ORVEX_DEVICE", "sim:" + QFile::encodeName(m_mouse->socketPath));
}

ApplicationUnderTest::~ApplicationUnderTest()
{
    waitUntilIdle();
    m_delegate.reset();
    m_mouse.reset();
    OrvexAction::resetState();
    TooltipManager::resetState();
}

void ApplicationUnderTest::prepareFolders()
{
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QString folder = freshFolder(QString::fromLatin1(variable).toLower());
        qputenv(variable, QFile::encodeName(folder));
    }
}

bool ApplicationUnderTest::launch()
{
    // The timing the protocol needs is real-time; the tests do not wait for it.
    OrvexAction::setReportPause(std::chrono::milliseconds(0));
    OrvexAction::setSettlePause(m_options.settlePause);
    m_delegate = std::make_unique<OrvexOptionAppDelegate>();
    m_delegate->setQuitHandler([this] { ++m_quitRequests; });
    return m_delegate->launch();
}

bool ApplicationUnderTest::relaunch()
{
    waitUntilIdle();
    m_delegate.reset();
    OrvexAction::resetState();
    TooltipManager::resetState();
    m_quitRequests = 0;
    return launch();
}

bool ApplicationUnderTest::waitUntilIdle(int timeoutMs)
{
    MainView *main = view();
    if (!main)
        return true;
    return waitUntil([main] { return main->isModalSeron() == 0; }, timeoutMs);
}

MainView *ApplicationUnderTest::view() const
{
    return m_delegate ? m_delegate->mainView() : nullptr;
}

WexButton *ApplicationUnderTest::control(const QString &field) const
{
    return view()->controls().byField(field);
}

WexButton *ApplicationUnderTest::hotSpot(int index) const
{
    return view()->controls().hotSpots().at(index);
}

void ApplicationUnderTest::postDevStatus(int type, int value)
{
    AgentMessaging::sendDevStatus(type, value);
    DistributedNotifications::flush();
}

void ApplicationUnderTest::postDevStatus(int type)
{
    AgentMessaging::sendDevStatus(type);
    DistributedNotifications::flush();
}

void LaunchedApplicationTest::init()
{
    dialogs = std::make_unique<DialogRecorder>();
    app = std::make_unique<ApplicationUnderTest>();
    QVERIFY(app->launch());
    QVERIFY(app->waitUntilIdle());
}

void LaunchedApplicationTest::cleanup()
{
    app.reset();
    dialogs.reset();
}

bool pressAccessibly(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible || !accessible->actionInterface())
        return false;
    const QStringList actions = accessible->actionInterface()->actionNames();
    if (actions.isEmpty())
        return false;
    accessible->actionInterface()->doAction(actions.first());
    return true;
}

} // namespace orvex::test
