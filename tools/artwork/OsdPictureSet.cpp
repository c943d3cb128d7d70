// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdPictureSet.h"

#include "ArtworkCanvas.h"
#include "ArtworkFolder.h"
#include "OsdArtwork.h"

namespace orvex::artwork {

namespace {

constexpr int ProfileCount = 5;
constexpr int LowestRateHz = 125; // rate tag n is 125 << n Hz

// Sizes in pixels.
constexpr int LabelSize = 24;
constexpr int LabelSpacing = 118; // percent
constexpr int HugeSize = 100;
constexpr int LargeSize = 72;
constexpr int UnitSize = 34;
constexpr int AxisSize = 44;
constexpr int PipSize = 16;

// Layout shared by the pictures: a red label column at the left, the
// figure in the middle.
constexpr QRect LabelColumn{36, 0, 200, osd::Height};
constexpr QRect FigureArea{200, 0, 260, osd::Height};
constexpr QRect SideArea{460, 0, 130, osd::Height};

const QString ProfilePrefix = QStringLiteral("P");
const QString RatePrefix = QStringLiteral("rate");

int suffixNumber(const QString &tag, const QString &prefix)
{
    bool ok = false;
    const int number = tag.mid(prefix.size()).toInt(&ok);
    return ok ? number : -1;
}

} // namespace

OsdPictureSet::OsdPictureSet(const QString &fontFamily) : m_fontFamily(fontFamily) {}

bool OsdPictureSet::writeAll(ArtworkFolder &folder, QString *failed) const
{
    for (const osd::Picture &picture : osd::Pictures) {
        const QString path = folder.claim(QLatin1String(osd::Folder) + QLatin1Char('/') +
                                          QLatin1String(picture.fileName));
        if (!draw(QLatin1String(picture.tag)).save(path, "PNG")) {
            *failed = path;
            return false;
        }
    }
    return true;
}

QImage OsdPictureSet::draw(const QString &tag) const
{
    if (tag == QLatin1String("battle") || tag == QLatin1String("normal"))
        return lighting(tag == QLatin1String("battle"));
    if (tag.startsWith(QLatin1String(osd::DpiXYTagPrefix)))
        return dpiXY(suffixNumber(tag, QLatin1String(osd::DpiXYTagPrefix)));
    if (tag.startsWith(QLatin1String(osd::DpiTagPrefix)))
        return dpi(suffixNumber(tag, QLatin1String(osd::DpiTagPrefix)));
    if (tag.startsWith(RatePrefix))
        return rate(LowestRateHz << suffixNumber(tag, RatePrefix));
    if (tag.startsWith(ProfilePrefix))
        return profile(suffixNumber(tag, ProfilePrefix));
    return {};
}

// "PROFILE", the number huge, and five pips with this one lit.
QImage OsdPictureSet::profile(int number) const
{
    ArtworkCanvas canvas(osd::Width, osd::Height, m_fontFamily);
    canvas.drawPanel();
    canvas.drawText(LabelColumn, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("PROFILE"),
                    LabelSize, palette::Accent, LabelSpacing);
    canvas.drawText(FigureArea, Qt::AlignCenter, QString::number(number), HugeSize,
                    palette::Figure);
    canvas.drawPips(QRect(SideArea.left(), (osd::Height - PipSize) / 2, SideArea.width(), PipSize),
                    ProfileCount, number - 1);
    return canvas.image();
}

QImage OsdPictureSet::lighting(bool battle) const
{
    ArtworkCanvas canvas(osd::Width, osd::Height, m_fontFamily);
    canvas.drawPanel();
    canvas.drawText(LabelColumn, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("LIGHTING"),
                    LabelSize, palette::Accent, LabelSpacing);
    const QRect wide(FigureArea.left(), 0, SideArea.right() - FigureArea.left(), osd::Height);
    canvas.drawText(wide, Qt::AlignCenter,
                    battle ? QStringLiteral("BATTLE") : QStringLiteral("NORMAL"), LargeSize,
                    battle ? palette::Accent : palette::Figure);
    return canvas.image();
}

QImage OsdPictureSet::rate(int hertz) const
{
    ArtworkCanvas canvas(osd::Width, osd::Height, m_fontFamily);
    canvas.drawPanel();
    canvas.drawText(LabelColumn, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("REPORT\nRATE"),
                    LabelSize, palette::Accent, LabelSpacing);
    canvas.drawText(FigureArea.adjusted(0, 0, 40, 0), Qt::AlignRight | Qt::AlignVCenter,
                    QString::number(hertz), HugeSize, palette::Figure);
    canvas.drawText(SideArea.adjusted(52, 0, 0, -30), Qt::AlignLeft | Qt::AlignBottom,
                    QStringLiteral("Hz"), UnitSize, palette::Secondary);
    return canvas.image();
}

// One figure: the agent writes X (= Y) into DpiValueRect; "DPI" beside it
// and the stage meter at the right.
QImage OsdPictureSet::dpi(int stage) const
{
    ArtworkCanvas canvas(osd::Width, osd::Height, m_fontFamily);
    canvas.drawPanel();
    const QRect unit(osd::DpiValueRect.right() + 10, osd::DpiValueRect.top(), 100,
                     osd::DpiValueRect.height() - 8);
    canvas.drawText(unit, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("DPI"), UnitSize,
                    palette::Secondary);
    canvas.drawText(QRect(450, 14, 140, 30), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("STAGE %1").arg(stage + 1), LabelSize, palette::Accent,
                    LabelSpacing);
    canvas.drawStageBars(QRect(452, 54, 128, 60), osd::DpiStageCount, stage + 1);
    return canvas.image();
}

// Two figures: X above Y, written by the agent into DpiXRect and DpiYRect;
// the axis letters before them and the stage meter at the left.
QImage OsdPictureSet::dpiXY(int stage) const
{
    ArtworkCanvas canvas(osd::Width, osd::Height, m_fontFamily);
    canvas.drawPanel();
    canvas.drawText(QRect(36, 14, 160, 30), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("STAGE %1").arg(stage + 1), LabelSize, palette::Accent,
                    LabelSpacing);
    canvas.drawStageBars(QRect(38, 54, 128, 60), osd::DpiStageCount, stage + 1);
    for (const auto &[rect, axis] : {std::pair{osd::DpiXRect, QStringLiteral("X")},
                                     std::pair{osd::DpiYRect, QStringLiteral("Y")}}) {
        canvas.drawText(QRect(rect.left() - 50, rect.top(), 44, rect.height()),
                        Qt::AlignRight | Qt::AlignVCenter, axis, AxisSize, palette::Accent);
        canvas.drawText(QRect(rect.right() + 12, rect.top(), 100, rect.height() - 6),
                        Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("DPI"), LabelSize,
                        palette::Secondary, LabelSpacing);
    }
    return canvas.image();
}

} // namespace orvex::artwork
