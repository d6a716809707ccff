#pragma once
// JPEG decoding with libjpeg.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace toolkit {

struct JpegResult {
    QImage image;   // null on failure
    QString error;  // libjpeg's message on failure
};

// Decodes a baseline or progressive JPEG of one (grey) or three components.
JpegResult DecodeJpeg(const QByteArray& data);

}  // namespace toolkit
