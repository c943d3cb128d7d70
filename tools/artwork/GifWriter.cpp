// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <vector>

namespace orvex::artwork {

namespace {

constexpr int PaletteSize = 256;
constexpr int PaletteBits = 8;
constexpr int MaxCodeBits = 12;
constexpr int MaxCodes = 1 << MaxCodeBits;
constexpr int SubBlockSize = 255;
constexpr int DelayUnitMs = 10;

// Colours are grouped at 5 bits per channel to choose the palette.
int binOf(QRgb colour)
{
    return ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
}

struct Bin
{
    qint64 count = 0;
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
};

// Frames with at most PaletteSize colours keep them exactly; otherwise the
// colours are grouped in bins and the most frequent bins stand for them.
template <typename KeyOf> QHash<int, Bin> countColours(const QList<QImage> &frames, KeyOf keyOf)
{
    QHash<int, Bin> bins;
    for (const QImage &frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                Bin &bin = bins[keyOf(line[x])];
                ++bin.count;
                bin.red += qRed(line[x]);
                bin.green += qGreen(line[x]);
                bin.blue += qBlue(line[x]);
            }
        }
    }
    return bins;
}

QList<QRgb> choosePalette(const QList<QImage> &frames)
{
    QHash<int, Bin> bins = countColours(frames, [](QRgb colour) { return int(colour & 0xFFFFFF); });
    if (bins.size() > PaletteSize)
        bins = countColours(frames, &binOf);
    std::vector<std::pair<int, Bin>> ordered(bins.keyValueBegin(), bins.keyValueEnd());
    // By frequency, ties by key, so the palette never depends on hash order.
    std::sort(ordered.begin(), ordered.end(), [](const auto &a, const auto &b) {
        return a.second.count != b.second.count ? a.second.count > b.second.count
                                                : a.first < b.first;
    });
    QList<QRgb> palette;
    for (const auto &[key, bin] : ordered) {
        if (palette.size() == PaletteSize)
            break;
        palette.append(
            qRgb(int(bin.red / bin.count), int(bin.green / bin.count), int(bin.blue / bin.count)));
    }
    while (palette.size() < PaletteSize)
        palette.append(qRgb(0, 0, 0));
    return palette;
}

class Quantiser
{
public:
    explicit Quantiser(const QList<QRgb> &palette) : m_palette(palette) {}

    int indexOf(QRgb colour)
    {
        const QRgb key = colour & 0xFFFFFF;
        const auto found = m_cache.constFind(key);
        if (found != m_cache.constEnd())
            return *found;
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(colour) - qRed(m_palette.at(i));
            const int dg = qGreen(colour) - qGreen(m_palette.at(i));
            const int db = qBlue(colour) - qBlue(m_palette.at(i));
            const int distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        m_cache.insert(key, best);
        return best;
    }

private:
    QList<QRgb> m_palette;
    QHash<QRgb, int> m_cache;
};

// Packs variable-width codes least significant bit first, as GIF wants.
class BitPacker
{
public:
    void put(int code, int bits)
    {
        m_buffer |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_count = 0;
};

QByteArray lzwEncode(const std::vector<quint8> &indices)
{
    const int clearCode = 1 << PaletteBits;
    const int endCode = clearCode + 1;
    BitPacker packer;
    QHash<int, int> table;
    int nextCode = endCode + 1;
    int codeBits = PaletteBits + 1;
    packer.put(clearCode, codeBits);
    if (indices.empty()) {
        packer.put(endCode, codeBits);
        return packer.finish();
    }
    int prefix = indices.front();
    for (size_t i = 1; i < indices.size(); ++i) {
        const int symbol = indices[i];
        const int key = (prefix << PaletteBits) | symbol;
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        packer.put(prefix, codeBits);
        if (nextCode < MaxCodes) {
            table.insert(key, nextCode);
            if (nextCode == (1 << codeBits) && codeBits < MaxCodeBits)
                ++codeBits;
            ++nextCode;
        } else {
            packer.put(clearCode, codeBits);
            table.clear();
            nextCode = endCode + 1;
            codeBits = PaletteBits + 1;
        }
        prefix = symbol;
    }
    packer.put(prefix, codeBits);
    packer.put(endCode, codeBits);
    return packer.finish();
}

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void appendSubBlocks(QByteArray &out, const QByteArray &data)
{
    for (qsizetype at = 0; at < data.size(); at += SubBlockSize) {
        const qsizetype length = std::min<qsizetype>(SubBlockSize, data.size() - at);
        out.append(char(length));
        out.append(data.mid(at, length));
    }
    out.append(char(0));
}

} // namespace

QByteArray GifWriter::encode(const QList<QImage> &frames, int delayMs)
{
    if (frames.isEmpty())
        return {};
    QList<QImage> opaque;
    for (const QImage &frame : frames)
        opaque.append(frame.convertToFormat(QImage::Format_RGB32));
    const QSize size = opaque.first().size();
    const QList<QRgb> palette = choosePalette(opaque);
    Quantiser quantiser(palette);

    QByteArray out("GIF89a");
    appendWord(out, size.width());
    appendWord(out, size.height());
    out.append(char(0xF0 | (PaletteBits - 1))); // global table, 8-bit colour, 256 entries
    out.append(char(0));                        // background colour index
    out.append(char(0));                        // square pixels
    for (const QRgb colour : palette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    // NETSCAPE2.0 application extension: loop for ever.
    out.append("\x21\xFF\x0B"
               "NETSCAPE2.0"
               "\x03\x01",
               16);
    appendWord(out, 0);
    out.append(char(0));

    const int delay = (delayMs + DelayUnitMs / 2) / DelayUnitMs;
    for (const QImage &frame : std::as_const(opaque)) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x04)); // disposal: leave the frame in place
        appendWord(out, delay);
        out.append(char(0)); // no transparent colour
        out.append(char(0));
        out.append(char(0x2C));
        appendWord(out, 0);
        appendWord(out, 0);
        appendWord(out, size.width());
        appendWord(out, size.height());
        out.append(char(0)); // no local table, not interlaced
        std::vector<quint8> indices;
        indices.reserve(size_t(size.width()) * size_t(size.height()));
        for (int y = 0; y < size.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                indices.push_back(quint8(quantiser.indexOf(line[x])));
        }
        out.append(char(PaletteBits));
        appendSubBlocks(out, lzwEncode(indices));
    }
    out.append(char(0x3B));
    return out;
}

bool GifWriter::write(const QString &path, const QList<QImage> &frames, int delayMs)
{
    const QByteArray data = encode(frames, delayMs);
    QFile file(path);
    return !data.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace orvex::artwork
