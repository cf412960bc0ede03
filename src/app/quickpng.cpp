#include "app/quickpng.h"

#include <png.h>

#include <QImage>
#include <csetjmp>

namespace pirumo {

namespace {

void AppendToArray(png_structp png, png_bytep data, png_size_t size) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void FlushNothing(png_structp) {}

// libpng reports errors by longjmp: nothing here may need a destructor between setjmp and the
// end of the writing.
bool Encode(const QImage& rows, bool alpha, QByteArray& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendToArray, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width()),
                 static_cast<png_uint_32>(rows.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (rows.dotsPerMeterX() > 0 && rows.dotsPerMeterY() > 0) {
        png_set_pHYs(png, info, static_cast<png_uint_32>(rows.dotsPerMeterX()),
                     static_cast<png_uint_32>(rows.dotsPerMeterY()), PNG_RESOLUTION_METER);
    }
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < rows.height(); ++y) {
        png_write_row(png, rows.constScanLine(y));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

QByteArray EncodePngQuickly(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    const bool alpha = image.hasAlphaChannel();
    const QImage rows =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QByteArray out;
    if (!Encode(rows, alpha, out)) {
        return {};
    }
    return out;
}

}  // namespace pirumo
