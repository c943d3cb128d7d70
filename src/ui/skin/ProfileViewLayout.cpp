// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileViewLayout.h"

namespace orvex {

namespace {

using Kind = ButtonPageLayout::Kind;

ButtonPageLayout::Control button(const char *field, int tag, const QRect &rect, const char *caption)
{
    return {QLatin1String(field), tag, rect, Kind::PushButton, QLatin1String(caption)};
}

} // namespace

const ButtonPageLayout::Page &ProfileViewLayout::page()
{
    static const ButtonPageLayout::Page page{
        QStringLiteral("ProfileView_Normal.png"),
        QSize(603, 474),
        40,
        QStringLiteral("Profile management"),
        QChar(),
        QRect(),
        {{QRect(14, 52, 458, 366), QRect(26, 56, 200, 22), QStringLiteral("Profiles")},
         {QRect(484, 52, 105, 366), QRect(496, 56, 80, 22), QStringLiteral("Manage")}},
        {button("newBtn", NewTag, QRect(494, 84, 85, 28), "New"),
         button("importBtn", ImportTag, QRect(494, 120, 85, 28), "Import"),
         button("exportBtn", ExportTag, QRect(494, 156, 85, 28), "Export"),
         button("delBtn", DeleteTag, QRect(494, 192, 85, 28), "Delete"),
         button("okBtn", OkTag, QRect(509, 430, 80, 30), "OK"),
         button("cancelBtn", CancelTag, QRect(421, 430, 80, 30), "Cancel"),
         button("applyBtn", ApplyTag, QRect(333, 430, 80, 30), "Apply")},
    };
    return page;
}

QString ProfileViewLayout::hint()
{
    return QStringLiteral("Double-click a name to rename it; right-click for more.");
}

} // namespace orvex
