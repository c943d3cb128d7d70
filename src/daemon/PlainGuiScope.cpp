// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainGuiScope.h"

#include <QtGlobal>

namespace orvex {

namespace {
constexpr char ThemeVariable[] = "QT_QPA_PLATFORMTHEME";
constexpr char InputMethodVariable[] = "QT_IM_MODULE";
constexpr char NoInputMethod[] = "none";
} // namespace

PlainGuiScope::PlainGuiScope()
{
    hide(ThemeVariable, nullptr);
    hide(InputMethodVariable, NoInputMethod);
}

PlainGuiScope::~PlainGuiScope()
{
    for (const Saved &saved : m_saved) {
        if (saved.value)
            qputenv(saved.name, *saved.value);
        else
            qunsetenv(saved.name);
    }
}

void PlainGuiScope::hide(const char *name, const char *replacement)
{
    m_saved.push_back({name, qEnvironmentVariableIsSet(name)
                                 ? std::optional<QByteArray>(qgetenv(name))
                                 : std::nullopt});
    if (replacement)
        qputenv(name, replacement);
    else
        qunsetenv(name);
}

} // namespace orvex
