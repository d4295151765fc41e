#include <set>
#include <string>

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

namespace {

// The foundation pictures the build draws into the program folder: each a readable BMP that actually
// shows something (several colours, not a blank sheet), and no two alike.
TEST(FoundationPictures, AreDrawnIntoTheProgramFolder)
{
    std::set<std::string> contents;
    for (const char* name : {"halfspace.bmp", "pile.bmp", "stratum.bmp", "multilayer.bmp"}) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(QUAVIS_PROGRAM_FOLDER_PATH "/") + QString::fromLatin1(name);
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_GE(image.width(), 100);
        EXPECT_GE(image.height(), 80);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 6u);
        contents.insert(std::string(reinterpret_cast<const char*>(image.constBits()), static_cast<std::size_t>(image.sizeInBytes())));
    }
    EXPECT_EQ(contents.size(), 4u);
}

} // namespace
