// SPDX-License-Identifier: GPL-3.0-or-later
// The macro editor's recording: key events through the key table, clicks
// on the page, its buttons and its step list, and the delays between them.
#include "MacroView.h"

#include "MacroStepModel.h"
#include "WexButton.h"
#include "platform/KeyCodeTable.h"
#include "platform/WexLogger.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <memory>

namespace orvex {

namespace {

// X and Wayland report a key's evdev code raised by this offset (the xkb
// key code).
constexpr quint32 XkbKeycodeOffset = 8;
// The macOS virtual key codes of the modifier keys (right Command .. Function).
constexpr int FirstModifierCode = 54;
constexpr int LastModifierCode = 63;

// The controls recording disables; Stop keeps its state.
constexpr int LockedWhileRecording[] = {
    MacroView::RecordTag,         MacroView::DelKeyTag,
    MacroView::KeyUpTag,          MacroView::KeyDownTag,
    MacroView::NewMacroTag,       MacroView::LoadMacroTag,
    MacroView::SaveMacroTag,      MacroView::DelMacroTag,
    MacroView::MacroNameTag,      MacroView::InsertDelayTag,
    MacroView::InsertDefDelayTag, MacroView::InsertComTag,
    MacroView::AdjustDelayUpTag,  MacroView::AdjustDelayDownTag,
    MacroView::IgnoreDelayTag,    MacroView::InsertDefDelayChkTag,
    MacroView::ComSelTag,         MacroView::OkTag,
    MacroView::CancelTag,         MacroView::ApplyTag,
};

double secondsSince1970()
{
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

// The step kind of a mouse event a control reports; -1 for other events.
int mouseStepKind(int type)
{
    switch (type) {
    case WexBtnDelege::LeftDown:
    case WexBtnDelege::RightDown:
    case WexBtnDelege::OtherDown:
        return MacroKeyInfo::MouseDown;
    case WexBtnDelege::LeftUp:
    case WexBtnDelege::RightUp:
    case WexBtnDelege::OtherUp:
        return MacroKeyInfo::MouseUp;
    default:
        return -1;
    }
}

int mouseStepCode(int type)
{
    if (type == WexBtnDelege::LeftDown || type == WexBtnDelege::LeftUp)
        return MacroKeyInfo::MouseLeftCode;
    if (type == WexBtnDelege::RightDown || type == WexBtnDelege::RightUp)
        return MacroKeyInfo::MouseRightCode;
    return MacroKeyInfo::MouseMiddleCode;
}

int mouseButtonCode(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return MacroKeyInfo::MouseLeftCode;
    if (button == Qt::RightButton)
        return MacroKeyInfo::MouseRightCode;
    return MacroKeyInfo::MouseMiddleCode;
}

} // namespace

void MacroView::setRecState(bool recording)
{
    for (const int tag : LockedWhileRecording) {
        if (WexButton *button = byTag(tag))
            button->setIsEnable(!recording);
    }
    for (WexButton *button : findChildren<WexButton *>())
        button->setIsCaptureMouseEvent(recording);
    m_keytbView->setIsCaptureMouseEvent(recording);
    m_isRecord = recording;
    m_lastKeyInfo = nullptr;
    m_isAddDelay = true;
    if (recording) {
        m_oldTime = -1;
        qApp->installEventFilter(this);
        m_keytbView->setFocus(Qt::OtherFocusReason);
    } else {
        qApp->removeEventFilter(this);
        refreshEnableStates();
    }
    refreshRecordDescription();
}

void MacroView::refreshRecordDescription()
{
    byTag(RecordTag)->setAccessibleDescription(m_isRecord ? tr("Recording") : tr("Not recording"));
}

void MacroView::AddNewKey(int keyCode, int keyFlag)
{
    if (!m_currMacroInfo)
        return;
    if (m_lastKeyInfo && m_lastKeyInfo->keyFlag == keyFlag && m_lastKeyInfo->keyCode == keyCode)
        return;
    QList<MacroKeyInfoPtr> &steps = m_currMacroInfo->keyInfoArr;
    if (steps.size() >= MaxRecordedSteps) {
        showMessage(MaxMacrosMessage);
        return;
    }
    const double now = secondsSince1970();
    if (m_oldTime < 0) {
        m_oldTime = now;
    } else {
        const double elapsedMs = (now * 1000 * 1000 - m_oldTime * 1000 * 1000) / 1000;
        m_oldTime = now;
        if (m_lastKeyInfo && m_isAddDelay) {
            const DelaySettings &settings = delaySettings();
            switch (settings.delayType) {
            case NoDelay:
                m_lastKeyInfo->delay = 0;
                break;
            case DefaultDelay:
                m_lastKeyInfo->delay = settings.defDelayTime;
                break;
            default:
                m_lastKeyInfo->delay = int(elapsedMs);
                break;
            }
        }
    }
    auto step = std::make_shared<MacroKeyInfo>(keyCode, keyFlag, 0);
    m_currInsertIndex = std::clamp(m_currInsertIndex, 0, int(steps.size()));
    steps.insert(m_currInsertIndex, step);
    ++m_currInsertIndex;
    m_lastKeyInfo = step;
    reloadSteps(step);
}

std::optional<int> MacroView::recordedKeyCode(const QKeyEvent &event)
{
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode <= XkbKeycodeOffset)
        return std::nullopt;
    const KeyCodeTable::Key *key = KeyCodeTable::byEvdev(int(scanCode - XkbKeycodeOffset));
    if (!key)
        return std::nullopt;
    return key->macVirtualKey;
}

// A modifier key arrives as a key of its own going down or up, which is the
// press or release of that modifier the step list shows. Auto-repeat,
// which X sends as pairs of releases and presses, is not recorded.
bool MacroView::recordKeyEvent(QKeyEvent *event)
{
    const bool down = event->type() == QEvent::KeyPress;
    const std::optional<int> code = recordedKeyCode(*event);
    const bool modifier = code && *code >= FirstModifierCode && *code <= LastModifierCode;
    ORVEX_DEBUG(QLatin1String(modifier ? "flagsChanged" : down ? "keyDown" : "keyUp"));
    event->accept();
    if (code && !event->isAutoRepeat())
        AddNewKey(*code, down ? MacroKeyInfo::KeyPress : MacroKeyInfo::KeyRelease);
    return true;
}

bool MacroView::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_isRecord || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != window())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keys are the recording's, not shortcuts.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return recordKeyEvent(static_cast<QKeyEvent *>(event));
    default:
        return false;
    }
}

void MacroView::keyPressEvent(QKeyEvent *event)
{
    if (m_isRecord)
        recordKeyEvent(event);
    else
        ButtonPageView::keyPressEvent(event);
}

void MacroView::keyReleaseEvent(QKeyEvent *event)
{
    if (m_isRecord)
        recordKeyEvent(event);
    else
        ButtonPageView::keyReleaseEvent(event);
}

bool MacroView::recordPageClick(QMouseEvent *event, bool down)
{
    if (!m_isRecord)
        return false;
    const WexButton *stop = byTag(StopTag);
    if (stop && stop->geometry().contains(event->position().toPoint()))
        return false;
    event->accept();
    AddNewKey(mouseButtonCode(event->button()),
              down ? MacroKeyInfo::MouseDown : MacroKeyInfo::MouseUp);
    return true;
}

void MacroView::mousePressEvent(QMouseEvent *event)
{
    if (!recordPageClick(event, true))
        ButtonPageView::mousePressEvent(event);
}

void MacroView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!recordPageClick(event, false))
        ButtonPageView::mouseReleaseEvent(event);
}

void MacroView::onMouseEvent(QObject *sender, QEvent *, int type)
{
    // A click on Stop ends recording; it is not part of the macro.
    if (!m_isRecord || sender == byTag(StopTag))
        return;
    const int kind = mouseStepKind(type);
    if (kind >= 0)
        AddNewKey(mouseStepCode(type), kind);
}

} // namespace orvex
