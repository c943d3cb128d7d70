// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowMsgView.h"

#include "AgentEventLog.h"
#include "OsdArtwork.h"
#include "OsdFigures.h"
#include "PngImage.h"

#include "device/MemoryMap.h"
#include "platform/ResourceFolder.h"
#include "platform/SmallFiles.h"
#include "platform/WexLogger.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

#include <atomic>

namespace orvex {

namespace {

std::atomic<int> tickMs{ShowMsgView::DefaultTickMs};

// Pictures are a few KiB; anything much larger is not one of ours.
constexpr qint64 MaxPictureBytes = 4 * 1024 * 1024;

const QColor FigureColour = Qt::white;
constexpr int AntialiasMargin = 1;

// The part of `rect` figures may ink: edge pixels of antialiased figures
// reach past their measured box.
QRect roomIn(const QRect &rect)
{
    return rect.adjusted(AntialiasMargin, AntialiasMargin, -AntialiasMargin, -AntialiasMargin);
}

// How much figures with this ink must shrink to fit `room`; 1 when they fit.
qreal shrinkToFit(const QRect &ink, const QRect &room)
{
    if (ink.width() <= room.width() && ink.height() <= room.height())
        return 1;
    return qMin(qreal(room.width()) / ink.width(), qreal(room.height()) / ink.height());
}

// Where to put the origin of figures with this ink to centre the ink in `rect`.
QPoint inkCentredIn(const QRect &rect, const QRect &ink)
{
    return {rect.center().x() - ink.width() / 2 - ink.left(),
            rect.center().y() - ink.height() / 2 - ink.top()};
}

QString figuresFontFamily()
{
    static const QString family = [] {
        const QString path = ResourceFolder::filePath(QLatin1String(osd::FontFile));
        const int id = path.isEmpty() ? -1 : QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            ORVEX_INFO(QStringLiteral("OSD font %1 not found; using the default font")
                           .arg(QLatin1String(osd::FontFile)));
            return QString();
        }
        return families.front();
    }();
    return family;
}

} // namespace

ShowMsgView::ShowMsgView(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ShowMsgView::timerPro);
    loadImages();
}

void ShowMsgView::setTickInterval(int milliseconds)
{
    tickMs = milliseconds;
}

void ShowMsgView::loadImages()
{
    const QString folder = ResourceFolder::filePath(QLatin1String(osd::Folder));
    for (const osd::Picture &picture : osd::Pictures) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(picture.fileName);
        QByteArray png;
        if (!SmallFiles::read(path, MaxPictureBytes, &png)) {
            ORVEX_WARNING(QStringLiteral("OSD picture %1 missing").arg(path));
            continue;
        }
        m_imageArr.insert(QLatin1String(picture.tag), png);
    }
}

QImage ShowMsgView::image(const QString &tag) const
{
    const auto found = m_imageArr.constFind(tag);
    if (found == m_imageArr.cend())
        return {};
    QImage decoded = PngImage::decode(*found);
    if (decoded.isNull())
        ORVEX_WARNING(QStringLiteral("OSD picture of %1 cannot be decoded").arg(tag));
    return decoded;
}

void ShowMsgView::showWithImageTag(const QString &tag)
{
    m_showImage = QImage(); // the old picture goes before the next is decoded
    m_showImage = image(tag);
    m_showCaption.clear();
    for (const osd::Picture &picture : osd::Pictures) {
        if (tag == QLatin1String(picture.tag))
            m_showCaption = QLatin1String(picture.caption);
    }
    showImagePro();
    AgentEventLog::osd(tag);
}

void ShowMsgView::showDpi(int stage, int x, int y)
{
    const bool same = x == y;
    const char *prefix = same ? osd::DpiTagPrefix : osd::DpiXYTagPrefix;
    const QString tag = QLatin1String(prefix) + QString::number(stage);
    if (!m_imageArr.contains(tag))
        return;
    m_showImage = QImage(); // the old picture goes before the next is decoded
    QImage picture = image(tag);
    if (picture.isNull())
        return;
    const TextAttributes attributes =
        getStrAtt(FigureColour, same ? osd::DpiValueFontSize : osd::DpiXYFontSize);
    {
        QPainter painter(&picture);
        if (same) {
            drawStringCenteredIn(painter, osd::DpiValueRect, attributes, dpiText(x));
        } else {
            drawStringCenteredIn(painter, osd::DpiXRect, attributes, dpiText(x));
            drawStringCenteredIn(painter, osd::DpiYRect, attributes, dpiText(y));
        }
    }
    m_showImage = picture;
    m_showCaption =
        same ? QStringLiteral("DPI stage %1: %2").arg(stage + 1).arg(dpiText(x))
             : QStringLiteral("DPI stage %1: %2 × %3").arg(stage + 1).arg(dpiText(x), dpiText(y));
    showImagePro();
    AgentEventLog::osdDpi(stage, x, y);
}

// Resolution bytes are shown as DPI; wide enough that no int input overflows.
QString ShowMsgView::dpiText(int value)
{
    return QString::number(qint64(value) * fwmem::DpiUnit);
}

ShowMsgView::TextAttributes ShowMsgView::getStrAtt(const QColor &colour, int size)
{
    TextAttributes attributes;
    attributes.colour = colour;
    attributes.figures = OsdFigures::ofSize(size);
    if (attributes.figures)
        return attributes;
    QFont font;
    const QString family = figuresFontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    // The shipped face is the bold cut; ask for it, or the system's regular
    // cut of the same family would be chosen.
    font.setBold(true);
    font.setPixelSize(size);
    attributes.font = font;
    return attributes;
}

// Centres the drawn figures (their ink, not the line box) in `rect`. A text
// too large for the rectangle is drawn smaller rather than spilling over the
// picture's other parts.
void ShowMsgView::drawStringCenteredIn(QPainter &painter, const QRect &rect,
                                       const TextAttributes &attributes, const QString &text)
{
    if (text.isEmpty())
        return;
    if (!drawFiguresCenteredIn(painter, rect, attributes, text))
        drawFontTextCenteredIn(painter, rect, attributes, text);
}

// From the figure sheet; false when there is none or `text` is not all digits.
bool ShowMsgView::drawFiguresCenteredIn(QPainter &painter, const QRect &rect,
                                        const TextAttributes &attributes, const QString &text)
{
    if (!attributes.figures)
        return false;
    QImage figures = attributes.figures->compose(text, attributes.colour);
    if (figures.isNull())
        return false;
    QRect ink = OsdFigures::inkBounds(figures);
    if (ink.isEmpty())
        return true;
    const qreal scale = shrinkToFit(ink, roomIn(rect));
    if (scale < 1) {
        figures = figures.scaled(qMax(1, int(figures.width() * scale)),
                                 qMax(1, int(figures.height() * scale)), Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        ink = OsdFigures::inkBounds(figures);
    }
    painter.drawImage(inkCentredIn(rect, ink), figures);
    return true;
}

void ShowMsgView::drawFontTextCenteredIn(QPainter &painter, const QRect &rect,
                                         const TextAttributes &attributes, const QString &text)
{
    QFont font = attributes.font.value_or(QFont());
    QRect ink = QFontMetrics(font).tightBoundingRect(text);
    const qreal scale = shrinkToFit(ink, roomIn(rect));
    if (scale < 1) {
        font.setPixelSize(qMax(1, int(font.pixelSize() * scale)));
        ink = QFontMetrics(font).tightBoundingRect(text);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(attributes.colour);
    painter.drawText(inkCentredIn(rect, ink), text);
}

void ShowMsgView::showImagePro()
{
    m_timeSetp = HideTicks;
    if (m_stop) {
        m_timer->start(tickMs.load());
        m_stop = false;
    }
    Q_EMIT displayed(m_showCaption);
}

void ShowMsgView::timerPro()
{
    if (--m_timeSetp > 0)
        return;
    m_timer->stop();
    m_stop = true;
    closeViewPro();
}

void ShowMsgView::closeViewPro()
{
    Q_EMIT finished();
    // Nothing is shown until the next display, which brings its own picture.
    m_showImage = QImage();
}

void ShowMsgView::drawRect(QPainter &painter, const QRect &bounds) const
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(bounds, Qt::transparent);
    if (m_showImage.isNull())
        return;
    const QPoint origin(bounds.x() + (bounds.width() - m_showImage.width()) / 2,
                        bounds.y() + (bounds.height() - m_showImage.height()) / 2);
    painter.drawImage(origin, m_showImage);
}

} // namespace orvex
