// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UiTestSupport.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <chrono>
#include <memory>

namespace orvex {
class MainView;
class OrvexOptionAppDelegate;
class WexButton;
} // namespace orvex

namespace orvex::test {

class PrivateBus;
class VirtualMouseProcess;

// Runs a Qt Test class of the application on the offscreen platform, with a
// session bus of its own (so device statuses posted by one test program never
// reach another) and desktop settings in memory.
int runApplicationTests(QObject *tests, int argc, char **argv);

// Answers the picture dialogs and message boxes the code under test opens,
// without showing them, and remembers them: a dialog by its name
// ("WarningNeedSave"), a message box as "message: <text>".
class DialogRecorder
{
public:
    DialogRecorder();
    ~DialogRecorder();

    // The next dialog is answered with `code` (1 OK, 0 Cancel); unqueued
    // dialogs get OK.
    void answerNext(int code) { m_answers.append(code); }
    QStringList shown() const { return m_shown; }
    int count(const QString &name) const { return int(m_shown.count(name)); }
    // Message boxes only, by their text.
    QStringList messages() const;

private:
    QStringList m_shown;
    QList<int> m_answers;
};

// The application's messages to the agent ("OrvexSettingChange"), as the
// agent receives them from the bus.
class AgentRecorder
{
public:
    AgentRecorder();
    ~AgentRecorder();

    // The messages received so far: code and values.
    QList<QPair<int, QVariantList>> messages() const;
    // How many messages with this code (and, when given, these values) came.
    int count(int code, const QVariantList &values = {}) const;
    // Waits until count(code, values) reaches `atLeast`.
    bool waitFor(int code, const QVariantList &values = {}, int atLeast = 1);
    void clear() { m_received.clear(); }

private:
    QList<QPair<QString, QVariantMap>> m_received;
    QMetaObject::Connection m_connection;
};

// The configuration application started as the program starts it, against
// a virtual mouse of its own (a separate program, over its socket), in fresh
// user folders. The requests to end the application are counted instead of
// ending the test program.
class ApplicationUnderTest
{
public:
    struct Options
    {
        bool withMouse = true;
        // The pause before the import reads the mouse.
        std::chrono::milliseconds settlePause{0};
    };

    ApplicationUnderTest();
    explicit ApplicationUnderTest(const Options &options);
    ~ApplicationUnderTest();

    // Starts the application; false when it asked to end instead.
    bool launch();
    // Ends the running application and starts it again in the same folders
    // against the same mouse, as a second session would.
    bool relaunch();
    void setSettlePause(std::chrono::milliseconds pause) { m_options.settlePause = pause; }
    // Waits until no transfer or page is running (the import at start-up).
    bool waitUntilIdle(int timeoutMs = 30000);

    MainView *view() const;
    OrvexOptionAppDelegate &delegate() const { return *m_delegate; }
    VirtualMouseProcess &mouse() const { return *m_mouse; }
    int quitRequests() const { return m_quitRequests; }
    WexButton *control(const QString &field) const;
    WexButton *hotSpot(int index) const;

    // The agent's device status, posted on the bus as the agent posts it.
    static void postDevStatus(int type, int value);
    static void postDevStatus(int type);

private:
    void prepareFolders();

    Options m_options;
    std::unique_ptr<VirtualMouseProcess> m_mouse;
    std::unique_ptr<OrvexOptionAppDelegate> m_delegate;
    int m_quitRequests = 0;
};

// The base of the test classes whose every test starts from the application
// launched and idle after its import, with a recorder answering any dialog
// so that none waits for a person. The recorder is made before the
// application and ended after it, so it sees every dialog.
class LaunchedApplicationTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<ApplicationUnderTest> app;
    std::unique_ptr<DialogRecorder> dialogs;

private Q_SLOTS:
    void init();
    void cleanup();
};

// Presses a control through its accessible action, as a screen reader does.
bool pressAccessibly(QWidget *control);

} // namespace orvex::test
