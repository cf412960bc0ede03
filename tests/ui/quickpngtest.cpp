#include <gtest/gtest.h>

#include <QImage>

#include "app/quickpng.h"

namespace pirumo::test {
namespace {

QImage Pattern(QImage::Format format) {
    QImage image(37, 23, format);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixelColor(x, y, QColor(x * 7 % 256, y * 11 % 256, (x * y) % 256, 40 + x * 5));
        }
    }
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

// The fast writer loses nothing: every pixel, its transparency where there is any, the
// resolution.
TEST(QuickPngTest, ReadsBackAsTheSamePicture) {
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        SCOPED_TRACE(format);
        const QImage image = Pattern(format);
        const QImage back = QImage::fromData(EncodePngQuickly(image), "PNG");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.hasAlphaChannel(), image.hasAlphaChannel());
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32),
                  image.convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(back.dotsPerMeterX(), 3780);
    }
    EXPECT_TRUE(EncodePngQuickly(QImage()).isEmpty());
}

}  // namespace
}  // namespace pirumo::test
