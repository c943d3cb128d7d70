// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexImageView.h"

#include "WexAccessibleFactory.h"
#include "platform/WexLogger.h"

#include <QImageReader>
#include <QMovie>
#include <QPainter>

namespace orvex {

WexImageView::WexImageView(QWidget *parent) : QWidget(parent)
{
    WexAccessibleFactory::ensureInstalled();
}

WexImageView::~WexImageView() = default;

void WexImageView::setImage(const QImage &image)
{
    dropMovie();
    m_image = image;
    update();
}

QImage WexImageView::image() const
{
    return m_movie ? m_movie->currentImage() : m_image;
}

bool WexImageView::setImageFile(const QString &path)
{
    dropMovie();
    m_image = {};
    QImageReader reader(path);
    if (!reader.canRead()) {
        ORVEX_DEBUG(QStringLiteral("Picture %1 cannot be read").arg(path));
        update();
        return false;
    }
    if (reader.supportsAnimation() && reader.imageCount() != 1) {
        m_movie = new QMovie(path, QByteArray(), this);
        connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
        m_movie->jumpToFrame(0);
        syncMovie();
    } else {
        m_image = reader.read();
    }
    update();
    return m_movie || !m_image.isNull();
}

void WexImageView::setAnimates(bool animates)
{
    m_animates = animates;
    syncMovie();
}

void WexImageView::paintEvent(QPaintEvent *)
{
    const QImage shown = image();
    if (shown.isNull())
        return;
    // In units: a picture for a scaled screen has more pixels than that.
    QSize size = shown.deviceIndependentSize().toSize();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, shown);
}

void WexImageView::dropMovie()
{
    if (!m_movie)
        return;
    m_movie->stop();
    delete m_movie;
    m_movie = nullptr;
}

void WexImageView::syncMovie()
{
    if (!m_movie)
        return;
    if (m_animates)
        m_movie->start();
    else
        m_movie->stop();
}

} // namespace orvex
