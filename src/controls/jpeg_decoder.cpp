// JPEG through libjpeg; library errors jump back through setjmp.
#include "controls/picture_decoders.h"
#include "controls/picture_limits.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// Progressive files with thousands of scans cost minutes; real ones have few.
constexpr int kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A file that ends early is broken, not a picture with a grey bottom.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        OnError(info);
}
void OnOutput(j_common_ptr) {}

void OnProgress(j_common_ptr info)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number > kMaxScans)
        OnError(info);
}

// Fills image from the started decompressor; a separate function so that no
// object with a destructor lives in the frame that setjmp returns to.
bool ReadRows(jpeg_decompress_struct& d, QImage& image)
{
    // The row buffer belongs to the library's pool, so a jump out of the
    // library leaves nothing behind.
    JSAMPARRAY rows = (*d.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d), JPOOL_IMAGE,
                                             d.output_width * JDIMENSION(d.output_components), 1);
    while (d.output_scanline < d.output_height) {
        const JSAMPLE* row = rows[0];
        const int y = int(d.output_scanline);
        if (jpeg_read_scanlines(&d, rows, 1) != 1)
            return false;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < d.output_width; ++x) {
            const JSAMPLE* p = row + size_t(x) * size_t(d.output_components);
            if (d.out_color_space == JCS_CMYK) {
                // Adobe files store CMYK inverted.
                const int k = p[3];
                out[x] = qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
            } else if (d.output_components == 1) {
                out[x] = qRgb(p[0], p[0], p[0]);
            } else {
                out[x] = qRgb(p[0], p[1], p[2]);
            }
        }
    }
    return true;
}

bool Decode(const QByteArray& file, QImage* image)
{
    jpeg_decompress_struct d;
    ErrorManager err;
    jpeg_progress_mgr progress;
    d.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    err.base.output_message = OnOutput;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&d);
        *image = QImage();
        return false;
    }
    jpeg_create_decompress(&d);
    progress.progress_monitor = OnProgress;
    d.progress = &progress;
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(file.constData()), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&d, TRUE) != JPEG_HEADER_OK || !PictureSizeAllowed(d.image_width, d.image_height)) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    if (d.jpeg_color_space == JCS_CMYK || d.jpeg_color_space == JCS_YCCK)
        d.out_color_space = JCS_CMYK;
    else if (d.jpeg_color_space != JCS_GRAYSCALE)
        d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    *image = QImage(int(d.output_width), int(d.output_height), QImage::Format_RGB32);
    const bool ok = !image->isNull() && ReadRows(d, *image);
    if (ok)
        jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    if (!ok)
        *image = QImage();
    return ok;
}

} // namespace

QImage DecodeJpeg(const QByteArray& file)
{
    if (file.size() < 4)
        return {};
    QImage image;
    Decode(file, &image);
    return image;
}
