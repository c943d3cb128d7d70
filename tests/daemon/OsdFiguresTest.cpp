// SPDX-License-Identifier: GPL-3.0-or-later
// The display's figures from the pre-drawn sheets, and the agent's own PNG
// decoding of its pictures.
#include "OsdFigures.h"
#include "OsdArtwork.h"
#include "PngImage.h"
#include "ShowMsgView.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(OsdFiguresTest, EveryFigureSizeHasASheetAndOtherSizesFallBackToAFont)
{
    for (const osd::FigureSheet &sheet : osd::FigureSheets) {
        const ShowMsgView::TextAttributes attributes =
            ShowMsgView::getStrAtt(Qt::white, sheet.pixelSize);
        EXPECT_NE(attributes.figures, nullptr) << sheet.fileName;
        EXPECT_FALSE(attributes.font.has_value()) << sheet.fileName;
    }
    const ShowMsgView::TextAttributes other = ShowMsgView::getStrAtt(Qt::white, 33);
    EXPECT_EQ(other.figures, nullptr);
    ASSERT_TRUE(other.font.has_value());
    EXPECT_EQ(other.font->pixelSize(), 33);
}

TEST(OsdFiguresTest, FiguresAreSetSideBySideInTheAskedColourAndOnlyForDigits)
{
    const OsdFigures *figures = OsdFigures::ofSize(osd::DpiValueFontSize);
    ASSERT_NE(figures, nullptr);
    const QImage one = figures->compose(QStringLiteral("8"), Qt::white);
    const QImage four = figures->compose(QStringLiteral("1600"), QColor(0xE5, 0x1E, 0x2B));
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(four.isNull());
    EXPECT_EQ(four.width(), 4 * one.width());
    EXPECT_EQ(four.height(), one.height());

    // Every inked pixel is the red asked for, at some coverage.
    const QRect ink = OsdFigures::inkBounds(four);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GT(ink.width(), four.width() / 2);
    for (int y = 0; y < four.height(); ++y) {
        for (int x = 0; x < four.width(); ++x) {
            const QRgb pixel = qUnpremultiply(four.pixel(x, y));
            if (qAlpha(pixel) > 128) {
                ASSERT_NEAR(qRed(pixel), 0xE5, 2) << x << "," << y;
            }
        }
    }

    EXPECT_TRUE(figures->compose(QString(), Qt::white).isNull());
    EXPECT_TRUE(figures->compose(QStringLiteral("16a0"), Qt::white).isNull());
    EXPECT_TRUE(figures->compose(QStringLiteral("-5"), Qt::white).isNull());
    EXPECT_TRUE(figures->compose(QStringLiteral("١٢"), Qt::white).isNull()); // Arabic-Indic digits
}

TEST(OsdFiguresTest, BlankImagesHaveNoInk)
{
    QImage blank(20, 10, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    EXPECT_TRUE(OsdFigures::inkBounds(blank).isEmpty());
    blank.setPixel(3, 7, qRgba(1, 1, 1, 1));
    EXPECT_EQ(OsdFigures::inkBounds(blank), QRect(3, 7, 1, 1));
}

TEST(OsdFiguresTest, PngDecodingKeepsColoursAndRefusesWhatIsNotOurs)
{
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(qRgba(200, 100, 50, 128));
    const QImage decoded = PngImage::decode(pngOf(source));
    ASSERT_EQ(decoded.size(), source.size());
    EXPECT_EQ(decoded.format(), QImage::Format_ARGB32_Premultiplied);
    const QRgb pixel = qUnpremultiply(decoded.pixel(1, 1));
    EXPECT_NEAR(qRed(pixel), 200, 2);
    EXPECT_NEAR(qGreen(pixel), 100, 2);
    EXPECT_NEAR(qBlue(pixel), 50, 2);
    EXPECT_EQ(qAlpha(pixel), 128);

    const QByteArray png = pngOf(source);
    EXPECT_TRUE(PngImage::decode(QByteArray()).isNull());
    EXPECT_TRUE(PngImage::decode(QByteArrayLiteral("not a picture")).isNull());
    EXPECT_TRUE(PngImage::decode(png.left(png.size() / 2)).isNull());
    QImage tooWide(PngImage::MaxSide + 1, 1, QImage::Format_ARGB32);
    tooWide.fill(Qt::black);
    EXPECT_TRUE(PngImage::decode(pngOf(tooWide)).isNull());
    // A sheet whose width does not divide into ten cells is not a sheet.
    EXPECT_FALSE(OsdFigures(pngOf(source)).isValid());
}

} // namespace
} // namespace orvex::test
