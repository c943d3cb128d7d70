// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeltoImageView.h"

#include "platform/ResourceFolder.h"
#include "platform/WexLogger.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

namespace orvex {

namespace {

constexpr char StateSeparator = '_';
// The pictures drawn for screens scaled to 200 % and more.
constexpr int HighScale = 2;

QImage readPicture(const QString &fileName)
{
    const QString path = ResourceFolder::filePath(fileName);
    QImage image;
    if (path.isEmpty() || !image.load(path))
        return {};
    return image;
}

// The highest ratio of the screens, so a window moved to the sharper of two
// screens stays sharp there.
qreal screenScale()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

KeltoImageView::KeltoImageView(const QRect &frame, QWidget *parent)
    : QWidget(parent), m_frmHeight(frame.height())
{
    setGeometry(frame);
}

KeltoImageView::~KeltoImageView() = default;

void KeltoImageView::setBgImage(const QImage &image)
{
    m_bgImage = image;
    update();
}

QString KeltoImageView::highScaleName(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path() + u'/';
    return QStringLiteral("%1%2@%3x.%4")
        .arg(folder, info.completeBaseName())
        .arg(HighScale)
        .arg(info.suffix());
}

QImage KeltoImageView::loadImage(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    if (screenScale() > 1.0) {
        QImage sharp = readPicture(highScaleName(fileName));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(HighScale);
            return sharp;
        }
    }
    QImage image = readPicture(fileName);
    if (image.isNull())
        ORVEX_DEBUG(QStringLiteral("Skin picture %1 is missing").arg(fileName));
    return image;
}

QImage KeltoImageView::getImageByName(const QString &name, const QString &tag, const QString &ext)
{
    return loadImage(QStringLiteral("%1_%2.%3").arg(name, tag, ext));
}

QString KeltoImageView::siblingImageName(const QString &fileName, const QString &tag)
{
    const QFileInfo info(fileName);
    const QString ext = info.suffix();
    QString base = info.completeBaseName();
    const QStringList parts = fileName.split(QLatin1Char(StateSeparator));
    if (parts.size() > 1)
        base = parts.first();
    return QStringLiteral("%1_%2.%3").arg(base, tag, ext);
}

void KeltoImageView::setImageByName(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    setBgImage(loadImage(fileName));
    m_overImage = loadImage(siblingImageName(fileName, QStringLiteral("Over")));
    m_downImage = loadImage(siblingImageName(fileName, QStringLiteral("Down")));
    m_disableImage = loadImage(siblingImageName(fileName, QStringLiteral("Disable")));
    m_activeImage = loadImage(siblingImageName(fileName, QStringLiteral("Active")));
}

QRect KeltoImageView::bottomLeftRect(const QRect &rect) const
{
    return QRect(rect.x(), m_frmHeight - rect.y() - rect.height(), rect.width(), rect.height());
}

void KeltoImageView::runSetUpTemplate()
{
    if (m_setUp)
        return;
    m_setUp = true;
    initData();
    initControls();
    refreshData();
    if (parentWidget()) {
        m_notifying = true;
        initNotify();
    }
}

void KeltoImageView::paintEvent(QPaintEvent *)
{
    if (m_bgImage.isNull())
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(0, 0), m_bgImage);
}

bool KeltoImageView::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange && m_setUp) {
        if (m_notifying) {
            m_notifying = false;
            deallocNotify();
        }
        if (parentWidget()) {
            m_notifying = true;
            initNotify();
        }
    }
    return QWidget::event(event);
}

} // namespace orvex
