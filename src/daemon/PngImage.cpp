// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngImage.h"

#include <png.h>

namespace orvex {

namespace {
// QImage::Format_ARGB32 is 0xAARRGGBB in the machine's byte order.
constexpr auto NativeArgbFormat =
    Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
} // namespace

QImage PngImage::decode(const QByteArray &bytes)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), std::size_t(bytes.size())))
        return {};
    if (png.width == 0 || png.height == 0 || png.width > MaxSide || png.height > MaxSide) {
        png_image_free(&png);
        return {};
    }
    png.format = NativeArgbFormat;
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (image.isNull() || !png_image_finish_read(&png, nullptr, image.bits(),
                                                 png_int_32(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    // In place: a second picture-sized buffer would only raise the peak.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

} // namespace orvex
