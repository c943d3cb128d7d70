// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexMessageBox.h"

#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "skin/SkinPainter.h"
#include "skin/SkinPalette.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

#include <memory>

namespace orvex {

namespace {

constexpr int OkCode = 1;
constexpr int CancelCode = 0;
constexpr char BoxTitle[] = "Orvex";

int messageWidth()
{
    return WexMessageBox::Width - 4 * WexMessageBox::Margin;
}

} // namespace

int WexMessageBox::run(const QString &message, bool withCancel)
{
    const QSize size(Width, heightFor(message));
    auto window = std::make_unique<WexNoTitleWindow>(size);
    window->setWindowTitle(QString::fromLatin1(BoxTitle));
    window->setAccessibleDescription(message);
    auto *box = KeltoImageView::create<WexMessageBox>(QRect(QPoint(0, 0), size), window.get(),
                                                      message, withCancel);
    window->setContentView(box);
    window->setIsCanDrag(true);
    window->setDragHeight(TitleHeight);
    window->center();
    return window->runModal();
}

WexMessageBox::WexMessageBox(const QRect &frame, QWidget *parent, const QString &message,
                             bool withCancel)
    : KeltoImageView(frame, parent), m_message(message), m_withCancel(withCancel)
{
    setAccessibleName(QString::fromLatin1(BoxTitle));
    setAccessibleDescription(message);
}

int WexMessageBox::heightFor(const QString &message)
{
    const QFontMetrics metrics(SkinPalette::font(MessagePixelSize));
    const QRect text =
        metrics.boundingRect(QRect(0, 0, messageWidth(), 10000), Qt::TextWordWrap, message);
    const int messageHeight = std::max(MinimumMessageHeight, text.height());
    return TitleHeight + Margin + messageHeight + 2 * Margin + Margin + ButtonHeight + Margin;
}

QRect WexMessageBox::messageRect() const
{
    const int top = TitleHeight + Margin;
    const int bottom = okRect().top() - Margin;
    return QRect(Margin, top, Width - 2 * Margin, bottom - top);
}

QRect WexMessageBox::okRect() const
{
    const int y = frmHeight() - Margin - ButtonHeight;
    const int right = Width - Margin - (m_withCancel ? ButtonWidth + ButtonGap : 0);
    return QRect(right - ButtonWidth, y, ButtonWidth, ButtonHeight);
}

QRect WexMessageBox::cancelRect() const
{
    return QRect(Width - Margin - ButtonWidth, okRect().y(), ButtonWidth, ButtonHeight);
}

QImage WexMessageBox::renderSkin(int face) const
{
    const auto state = SkinPainter::Face(face);
    // Drawn at the screen's scale, like the shipped skins, to stay sharp.
    const int scale = qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
    QImage skin = SkinPainter::blankImage(QSize(Width, frmHeight()), scale);
    QPainter painter(&skin);
    SkinPainter::paintWindowBackground(painter, QRect(0, 0, Width, frmHeight()));
    SkinPainter::paintTitleStrip(painter, QRect(0, 0, Width, TitleHeight),
                                 QString::fromLatin1(BoxTitle));
    SkinPainter::paintCarbonPanel(painter, messageRect());
    SkinPainter::paintButtonFace(painter, okRect(), state, QStringLiteral("OK"));
    if (m_withCancel)
        SkinPainter::paintButtonFace(painter, cancelRect(), state, QStringLiteral("Cancel"));
    return skin;
}

void WexMessageBox::initData()
{
    setBgImage(renderSkin(int(SkinPainter::Face::Normal)));
    setOverImage(renderSkin(int(SkinPainter::Face::Over)));
    setDownImage(renderSkin(int(SkinPainter::Face::Down)));
    setDisableImage(renderSkin(int(SkinPainter::Face::Disable)));
}

void WexMessageBox::initControls()
{
    m_text = new QLabel(m_message, this);
    m_text->setGeometry(messageRect().adjusted(Margin, 0, -Margin, 0));
    m_text->setWordWrap(true);
    m_text->setFont(SkinPalette::font(MessagePixelSize));
    m_text->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                              .arg(SkinPalette::text().name()));
    m_okBtn = OrvexWidgetFactory::AddButton(
        okRect(), [this](WexButton *) { finish(OkCode); }, {}, this);
    m_okBtn->setAccessibleName(QStringLiteral("OK"));
    if (m_withCancel) {
        m_cancelBtn = OrvexWidgetFactory::AddButton(
            cancelRect(), [this](WexButton *) { finish(CancelCode); }, {}, this);
        m_cancelBtn->setAccessibleName(QStringLiteral("Cancel"));
    }
}

void WexMessageBox::finish(int code)
{
    if (auto *window = qobject_cast<WexNoTitleWindow *>(this->window()))
        window->stopModal(code);
}

} // namespace orvex
