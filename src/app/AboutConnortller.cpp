// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutConnortller.h"

#include "AboutView.h"
#include "WexNoTitleWindow.h"
#include "platform/WexLogger.h"

#include <memory>

namespace orvex {

AboutConnortller *AboutConnortller::shareAboutController()
{
    static AboutConnortller controller;
    return &controller;
}

void AboutConnortller::showModal()
{
    if (m_window) {
        ORVEX_DEBUG(QStringLiteral("the About window is open already"));
        return;
    }
    const QRect frame(QPoint(0, 0), AboutView::Size);
    auto window = std::make_unique<WexNoTitleWindow>(AboutView::Size);
    auto *view = KeltoImageView::create<AboutView>(frame, nullptr);
    window->setContentView(view);
    window->setWindowTitle(view->accessibleName());
    window->setIsCanDrag(true);
    window->setDragHeight(AboutView::TitleHeight);
    window->center();
    m_window = window.get();
    window->runModal();
    m_window = nullptr;
}

} // namespace orvex
