#pragma once
// The stream form of a bitmap list: the signature bytes 62 54 35 00, a
// little-endian signed 32-bit count N, then N complete BMP files. Reading
// refuses anything it cannot fully account for.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The one error text of a stream that cannot be read.
QString InvalidBitmapStreamMessage();

// Pictures wider or higher than this are refused.
inline constexpr int kMaxStreamBitmapSide = 4096;

struct BitmapStreamResult {
    QList<QImage> bitmaps;  // empty on an error
    QString error;          // empty when the stream was read
};

// Bytes after the last bitmap are ignored. A 0 x 0 BMP reads as a null image.
BitmapStreamResult ReadBitmapStream(const QByteArray& bytes);

// A null or empty image is written as a 0 x 0 BMP.
QByteArray WriteBitmapStream(const QList<QImage>& bitmaps);
