#include "widgets/instruments/inst_bitmap_stream.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr char kSignature[] = {0x62, 0x54, 0x35, 0x00};
constexpr qsizetype kSignatureSize = 4;
constexpr qsizetype kCountSize = 4;

// BMP layout: a 14-byte file header ("BM", file size, reserved, pixel
// offset), then an info header that starts with its own size.
constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kFileSizeOffset = 2;
constexpr qsizetype kInfoSizeOffset = 14;
constexpr qsizetype kWidthOffset = 18;
constexpr qsizetype kCoreHeightOffset = 20;  // the 12-byte core header has 16-bit sides
constexpr qsizetype kInfoHeightOffset = 22;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr qsizetype kMinBmpSize = kFileHeaderSize + kCoreHeaderSize;
constexpr std::uint16_t kPlanes = 1;
constexpr std::uint16_t kEmptyBitCount = 24;

std::uint32_t U32(const char* p)
{
    return qFromLittleEndian<std::uint32_t>(p);
}

std::int32_t I32(const char* p)
{
    return qFromLittleEndian<std::int32_t>(p);
}

std::uint16_t U16(const char* p)
{
    return qFromLittleEndian<std::uint16_t>(p);
}

// One BMP at the front of `data` (which holds `available` bytes): its size
// in the stream and its picture, or a size of 0 when it is not readable.
struct Bmp {
    qsizetype size = 0;
    QImage image;
};

Bmp ReadBmp(const char* data, qsizetype available)
{
    if (available < kMinBmpSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const std::uint32_t fileSize = U32(data + kFileSizeOffset);
    const std::uint32_t infoSize = U32(data + kInfoSizeOffset);
    if (infoSize < kCoreHeaderSize || fileSize > static_cast<std::uint64_t>(available)
        || fileSize < kFileHeaderSize + static_cast<std::uint64_t>(infoSize))
        return {};
    long long width = 0;
    long long height = 0;
    if (infoSize == kCoreHeaderSize) {
        width = U16(data + kWidthOffset);
        height = U16(data + kCoreHeightOffset);
    } else {
        if (fileSize < kFileHeaderSize + kInfoHeaderSize)
            return {};
        width = I32(data + kWidthOffset);
        height = std::llabs(I32(data + kInfoHeightOffset));  // negative: rows top-down
    }
    if (width < 0 || width > kMaxStreamBitmapSide || height > kMaxStreamBitmapSide)
        return {};
    const auto size = static_cast<qsizetype>(fileSize);
    if (width == 0 || height == 0)
        return {size, QImage()};
    QImage image = QImage::fromData(QByteArray::fromRawData(data, size), "BMP");
    if (image.isNull())
        return {};
    return {size, image.copy()};
}

void Put32(QByteArray& out, std::uint32_t v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, sizeof bytes);
}

void Put16(QByteArray& out, std::uint16_t v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, sizeof bytes);
}

// A BMP of no pixels: the two headers alone.
QByteArray EmptyBmp()
{
    QByteArray out;
    constexpr std::uint32_t size = kFileHeaderSize + kInfoHeaderSize;
    out.append("BM");
    Put32(out, size);
    Put32(out, 0);  // reserved
    Put32(out, size);  // pixels start after the headers
    Put32(out, kInfoHeaderSize);
    Put32(out, 0);  // width
    Put32(out, 0);  // height
    Put16(out, kPlanes);
    Put16(out, kEmptyBitCount);
    constexpr int kRemainingInfoFields = 6;  // compression, image size, resolutions, colours
    for (int i = 0; i < kRemainingInfoFields; ++i)
        Put32(out, 0);
    return out;
}

}  // namespace

QString InvalidBitmapStreamMessage()
{
    return QStringLiteral("Invalid file format");
}

BitmapStreamResult ReadBitmapStream(const QByteArray& bytes)
{
    const BitmapStreamResult invalid{{}, InvalidBitmapStreamMessage()};
    if (bytes.size() < kSignatureSize + kCountSize || !bytes.startsWith(QByteArray(kSignature, kSignatureSize)))
        return invalid;
    const std::int32_t count = I32(bytes.constData() + kSignatureSize);
    qsizetype at = kSignatureSize + kCountSize;
    if (count < 0 || count > (bytes.size() - at) / kMinBmpSize)
        return invalid;
    BitmapStreamResult result;
    for (std::int32_t i = 0; i < count; ++i) {
        const Bmp bmp = ReadBmp(bytes.constData() + at, bytes.size() - at);
        if (bmp.size == 0)
            return invalid;
        result.bitmaps.append(bmp.image);
        at += bmp.size;
    }
    return result;
}

QByteArray WriteBitmapStream(const QList<QImage>& bitmaps)
{
    QByteArray out(kSignature, kSignatureSize);
    Put32(out, static_cast<std::uint32_t>(bitmaps.size()));
    for (const QImage& bitmap : bitmaps) {
        if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0) {
            out.append(EmptyBmp());
            continue;
        }
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "BMP").write(bitmap);
        out.append(bmp);
    }
    return out;
}
