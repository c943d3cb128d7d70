// SPDX-License-Identifier: GPL-3.0-or-later
// Tooltip.xml: loading any bytes and looking up must not crash.
#include "TooltipManager.h"
#include "platform/WexLogger.h"

#include <cstdint>

using namespace orvex;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WexLogger::setLevel(WexLogger::Level::Error);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static TooltipManager manager;
    manager.initDataFromXml(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    manager.setLanByname(QStringLiteral("German"));
    manager.getTooltip(QStringLiteral("OK"));
    manager.getTooltip(1, QStringLiteral("279"));
    for (const auto &language : manager.infoList()) {
        for (const auto &tooltip : language->tooltips) {
            manager.getTooltip(tooltip->name);
            TooltipManager::getBtnIdBy(language, tooltip->name, tooltip->text, tooltip->viewId);
        }
    }
    manager.setLanByname(QString());
    return 0;
}
