#include "toolkit/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace toolkit {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->escape, 1);
}

void OnMessage(j_common_ptr)
{
    // Warnings are not shown: a picture that decodes is good enough.
}

// Kept apart from any C++ object with a destructor, since libjpeg's errors
// leave it through longjmp.
bool DecodeInto(const QByteArray& data, QImage* image, ErrorManager* errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors->base);
    errors->base.error_exit = OnError;
    errors->base.output_message = OnMessage;
    if (setjmp(errors->escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "Picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

JpegResult DecodeJpeg(const QByteArray& data)
{
    JpegResult result;
    if (data.isEmpty()) {
        result.error = QStringLiteral("Empty JPEG data");
        return result;
    }
    ErrorManager errors{};
    QImage image;
    if (DecodeInto(data, &image, &errors))
        result.image = image.convertToFormat(QImage::Format_RGB32);
    else
        result.error = QString::fromLocal8Bit(errors.message);
    return result;
}

}  // namespace toolkit
