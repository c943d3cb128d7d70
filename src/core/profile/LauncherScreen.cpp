// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/LauncherScreen.h"

#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"
#include "platform/LauncherTarget.h"
#include "platform/WexLogger.h"

#include <cstring>

namespace orvex {

namespace {
// FuncID and btnType of a launcher, as the application sets them.
constexpr std::uint32_t LauncherFunctionId = 15;
} // namespace

QString LauncherScreen::pathOf(const BTN_INFO &button)
{
    return QString::fromUtf8(button.app_path,
                             qsizetype(strnlen(button.app_path, sizeof(button.app_path))));
}

bool LauncherScreen::isLauncher(const BTN_INFO &button)
{
    return button.FuncTableId == fwfunc::Launcher || button.FuncID == LauncherFunctionId ||
           button.btnType == MemoryMap::LauncherButtonType;
}

QList<LauncherScreen::Refusal> LauncherScreen::screen(ORVEX_PROFILE &profile,
                                                      const DefaultButton &defaultButton)
{
    QList<Refusal> refused;
    for (int i = 0; i < ButtonCount; ++i) {
        BTN_INFO &button = profile.btnInfo[i];
        const QString path = pathOf(button);
        if (path.isEmpty())
            continue;
        const QString reason = LauncherTarget::refusal(path);
        if (reason.isEmpty())
            continue;
        if (isLauncher(button)) {
            refused.append({i, path, reason});
            button = defaultButton(i);
        } else {
            ORVEX_DEBUG(QStringLiteral("unused path of %1 dropped (%2): %3")
                            .arg(QLatin1String(ButtonKeyNames[i]), reason, path));
            std::memset(button.app_path, 0, sizeof(button.app_path));
        }
    }
    return refused;
}

} // namespace orvex
