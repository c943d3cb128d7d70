// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>

#include <random>

using namespace orvex::artwork;

namespace {

QList<QImage> decode(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    QImage frame;
    while (reader.read(&frame))
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
    return frames;
}

} // namespace

// The loading animation is written by our own encoder; a reader must get
// back exactly the frames drawn when they hold no more than 256 colours.
class GifWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesWithFewColoursComeBackExactly()
    {
        QList<QImage> frames;
        for (int shift = 0; shift < 3; ++shift) {
            QImage frame(40, 30, QImage::Format_RGB32);
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x)
                    frame.setPixel(x, y, qRgb(((x + shift) % 8) * 32, (y % 4) * 64, 200));
            }
            frames.append(frame);
        }
        const QList<QImage> decoded = decode(GifWriter::encode(frames, 80));
        QCOMPARE(decoded.size(), frames.size());
        for (int i = 0; i < frames.size(); ++i)
            QCOMPARE(decoded.at(i), frames.at(i));
    }

    // Noise fills the 4096-entry code table many times over, so the encoder
    // must widen its codes and start afresh at the right moments.
    void noisyFramesSurviveTableResets()
    {
        std::mt19937 random(11);
        QImage frame(256, 200, QImage::Format_RGB32);
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const int level = int(random() % 200);
                frame.setPixel(x, y, qRgb(level, 255 - level, (level * 7) % 256));
            }
        }
        const QList<QImage> decoded = decode(GifWriter::encode({frame, frame.mirrored()}, 100));
        QCOMPARE(decoded.size(), 2);
        QCOMPARE(decoded.at(0), frame);
        QCOMPARE(decoded.at(1), frame.mirrored());
    }

    void manyColoursMapToNearColours()
    {
        QImage gradient(256, 64, QImage::Format_RGB32);
        for (int y = 0; y < gradient.height(); ++y) {
            for (int x = 0; x < gradient.width(); ++x)
                gradient.setPixel(x, y, qRgb(x, y * 4, (x + y) % 256));
        }
        const QList<QImage> decoded = decode(GifWriter::encode({gradient}, 10));
        QCOMPARE(decoded.size(), 1);
        for (int y = 0; y < gradient.height(); y += 7) {
            for (int x = 0; x < gradient.width(); x += 5) {
                const QRgb a = gradient.pixel(x, y);
                const QRgb b = decoded.first().pixel(x, y);
                QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                            qAbs(qBlue(a) - qBlue(b)) <
                        120);
            }
        }
    }

    void nothingToWriteGivesNothing() { QVERIFY(GifWriter::encode({}, 80).isEmpty()); }
};

ORVEX_UI_TEST_MAIN(GifWriterTest)
#include "GifWriterTest.moc"
