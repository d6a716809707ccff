#include "toolkit/jpeg.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Photo()
{
    QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/resources/uscita.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

}  // namespace

TEST(DecodeJpeg, DecodesTheExitPhotograph)
{
    const toolkit::JpegResult r = toolkit::DecodeJpeg(Photo());
    ASSERT_FALSE(r.image.isNull()) << r.error.toStdString();
    EXPECT_EQ(r.image.size(), QSize(500, 374));
    // Sky at the top is blue, the hull near the bottom is brown.
    const QColor sky = r.image.pixelColor(20, 5);
    EXPECT_GT(sky.blue(), sky.red());
}


TEST(DecodeJpeg, ReportsJunkAndTruncationWithoutCrashing)
{
    const QByteArray photo = Photo();
    const QByteArray inputs[] = {QByteArray(), QByteArray("not a picture"), photo.left(2),
                                 photo.left(600), QByteArray(4096, '\xFF')};
    for (const QByteArray& data : inputs) {
        const toolkit::JpegResult r = toolkit::DecodeJpeg(data);
        if (r.image.isNull()) {
            EXPECT_FALSE(r.error.isEmpty());
        }
    }
    EXPECT_TRUE(toolkit::DecodeJpeg(QByteArray("not a picture")).image.isNull());
}
