// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexAccessibleFactory.h"

#include "WexAccessibleApplication.h"
#include "WexButton.h"
#include "WexButtonAccessible.h"
#include "WexImageView.h"
#include "WexImageViewAccessible.h"
#include "WexNumberFieldAccessible.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"
#include "WexProgressBarAccessible.h"

#include <QAccessible>

#include <mutex>

namespace orvex {

namespace {

// Qt asks once per class of the object's hierarchy, most derived first, so
// exact class names are enough: subclasses of ours resolve to their base.
QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (!object)
        return nullptr;
    if (className == QLatin1String("QApplication"))
        return new WexAccessibleApplication;
    if (!object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(WexButton::staticMetaObject.className()))
        return new WexButtonAccessible(static_cast<WexButton *>(object));
    if (className == QLatin1String(WexNumberTextField::staticMetaObject.className()))
        return new WexNumberFieldAccessible(static_cast<WexNumberTextField *>(object));
    if (className == QLatin1String(WexProgressBar::staticMetaObject.className()))
        return new WexProgressBarAccessible(static_cast<WexProgressBar *>(object));
    if (className == QLatin1String(WexImageView::staticMetaObject.className()))
        return new WexImageViewAccessible(static_cast<WexImageView *>(object));
    return nullptr;
}

} // namespace

void WexAccessibleFactory::ensureInstalled()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(makeInterface); });
}

} // namespace orvex
