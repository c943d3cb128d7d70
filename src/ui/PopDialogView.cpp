// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopDialogView.h"

#include "OrvexWidgetFactory.h"
#include "PopDialogLayout.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "platform/WexLogger.h"

#include <memory>

namespace orvex {

namespace {

constexpr int OkCode = 1;
constexpr int CancelCode = 0;

} // namespace

PopDialogView::PopDialogView(const QRect &frame, QWidget *parent, const QString &imageNameStr,
                             const QString &showStr, bool isChoose)
    : KeltoImageView(frame, parent), m_imageNameStr(imageNameStr), m_showStr(showStr),
      m_isChoose(isChoose)
{
    initData2();
    describeForAssistiveTechnology();
}

void PopDialogView::initData2()
{
    setBgImage(getImageByName(m_imageNameStr, QStringLiteral("Normal"), QStringLiteral("png")));
    setOverImage(getImageByName(m_imageNameStr, QStringLiteral("Over"), QStringLiteral("png")));
    setDownImage(getImageByName(m_imageNameStr, QStringLiteral("Down"), QStringLiteral("png")));
    setDisableImage(bgImage());
}

void PopDialogView::describeForAssistiveTechnology()
{
    // The message is only painted into the pictures; give its words to
    // screen readers as the dialog's name and description.
    const PopDialogLayout *layout = PopDialogLayout::find(m_imageNameStr);
    setAccessibleName(layout ? layout->title : m_imageNameStr);
    if (!m_showStr.isEmpty())
        setAccessibleDescription(m_showStr);
    else if (layout)
        setAccessibleDescription(layout->message);
}

void PopDialogView::addOkBtnByRect(const QRect &rect)
{
    delete m_okBtn;
    m_okBtn = OrvexWidgetFactory::AddButton(
        rect, [this](WexButton *sender) { buttonAction(sender); }, {}, this);
    m_okBtn->setTag(OkTag);
    m_okBtn->setAccessibleName(QStringLiteral("OK"));
}

void PopDialogView::addCancelBtnByRect(const QRect &rect)
{
    delete m_cancelBtn;
    m_cancelBtn = OrvexWidgetFactory::AddButton(
        rect, [this](WexButton *sender) { buttonAction(sender); }, {}, this);
    m_cancelBtn->setTag(CancelTag);
    m_cancelBtn->setAccessibleName(QStringLiteral("Cancel"));
}

void PopDialogView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    auto *window = qobject_cast<WexNoTitleWindow *>(this->window());
    if (!window)
        return;
    if (sender->tag() == OkTag)
        window->stopModal(OkCode);
    else if (sender->tag() == CancelTag)
        window->stopModal(CancelCode);
}

bool PopDialogView::showPopView(const QString &name, const QSize &frameSize, const QPoint &okBtnOrg,
                                const QPoint &cancelBtnOrg)
{
    const bool hasCancel = cancelBtnOrg.x() != 0 && cancelBtnOrg.y() != 0;
    const QRect frame(QPoint(0, 0), frameSize);
    auto window = std::make_unique<WexNoTitleWindow>(frameSize);
    auto *view =
        KeltoImageView::create<PopDialogView>(frame, window.get(), name, QString(), hasCancel);
    window->setContentView(view);
    window->setWindowTitle(view->accessibleName());
    window->setAccessibleDescription(view->accessibleDescription());
    window->setIsCanDrag(true);
    window->setDragHeight(DragHeight);
    window->center();
    view->addOkBtnByRect(QRect(okBtnOrg, QSize(ButtonWidth, ButtonHeight)));
    if (hasCancel)
        view->addCancelBtnByRect(QRect(cancelBtnOrg, QSize(ButtonWidth, ButtonHeight)));
    const int code = window->runModal();
    ORVEX_DEBUG(QStringLiteral("Dialog %1 ended with %2").arg(name).arg(code));
    return code != CancelCode;
}

} // namespace orvex
