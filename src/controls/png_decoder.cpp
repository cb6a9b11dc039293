// PNG through libpng; library errors jump back through setjmp.
#include "controls/picture_decoders.h"
#include "controls/picture_limits.h"

#include <png.h>

#include <cstring>

namespace {

struct Source {
    const uchar* data;
    size_t size;
    size_t pos;
};

void ReadData(png_structp png, png_bytep out, png_size_t length)
{
    auto* src = static_cast<Source*>(png_get_io_ptr(png));
    if (length > src->size - src->pos)
        png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, length);
    src->pos += length;
}

void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Everything with a destructor lives in the caller; this frame holds only
// plain values, so the jump back is safe.
bool Decode(Source* src, QImage* image)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, src, ReadData);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(png, 16u << 20);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (!PictureSizeAllowed(w, h)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    const int colorType = png_get_color_type(png, info);
    png_set_expand(png);   // palette and small grey to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);   // BGRA, as QImage holds ARGB32 in memory
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(w) * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    *image = QImage(int(w), int(h), QImage::Format_ARGB32);
    if (image->isNull()) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < h; ++y)
            png_read_row(png, image->scanLine(int(y)), nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

QImage DecodePng(const QByteArray& file)
{
    if (file.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(file.constData()), 0, 8) != 0)
        return {};
    Source src{reinterpret_cast<const uchar*>(file.constData()), size_t(file.size()), 0};
    QImage image;
    if (!Decode(&src, &image))
        return {};
    return image;
}
