#include "core/filemanager/ImageSize.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;
using namespace bix::test;

namespace {

std::string Be16(int v) {
    return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}
std::string Le16(int v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

// A segment: marker, length (counting itself), payload.
std::string Segment(int marker, const std::string& payload) {
    return std::string("\xff", 1) + static_cast<char>(marker) + Be16(static_cast<int>(payload.size()) + 2) + payload;
}
std::string Frame(int marker, int width, int height) {
    return Segment(marker, std::string("\x08", 1) + Be16(height) + Be16(width) + std::string("\x03\x01\x22\x00", 4));
}
const std::string kSoi("\xff\xd8", 2);
const std::string kApp0 = Segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));

std::string Gif(bool globalTable, int width, int height) {
    std::string g = "GIF89a" + Le16(width + 10) + Le16(height + 10);
    g += static_cast<char>(globalTable ? 0x81 : 0x00);  // a table of 3 * 2^2 = 12 bytes when present
    g += std::string("\0\0", 2);
    if (globalTable) {
        g += std::string("\x2c\x2c\x2c\x00\x00\x00\x2c\x00\x00\xff\xff\xff", 12);  // the separator byte as colours
    }
    g += std::string("\x21\xf9\x04\x00\x00\x00\x00\x00", 8);  // a graphic control extension
    g += std::string("\x2c\0\0\0\0", 5) + Le16(width) + Le16(height) + std::string("\0\x02\x02\x44\x01\0;", 7);
    return g;
}

}  // namespace

class TestImageSize final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void sizes_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("baseline jpeg") << QByteArray("a.jpg")
                                       << QByteArray::fromStdString(kSoi + kApp0 + Frame(0xC0, 640, 480))
                                       << QByteArray("w:640 h:480");
        QTest::newRow("extended sequential, JPEG upper case")
            << QByteArray("b.JPEG") << QByteArray::fromStdString(kSoi + kApp0 + Frame(0xC1, 1, 65535))
            << QByteArray("w:1 h:65535");
        QTest::newRow("progressive gives nothing")
            << QByteArray("c.jpg") << QByteArray::fromStdString(kSoi + kApp0 + Frame(0xC2, 640, 480))
            << QByteArray("w:0 h:0");
        QTest::newRow("fill bytes and restart markers are passed")
            << QByteArray("d.jpg")
            << QByteArray::fromStdString(kSoi + std::string("\xff\xff\xff\xd0\xff\x01", 6) + kApp0 + Frame(0xC0, 7, 9))
            << QByteArray("w:7 h:9");
        QTest::newRow("not a jpeg") << QByteArray("e.jpg") << QByteArray("GIF89a") << QByteArray("w:0 h:0");
        QTest::newRow("cut inside the frame keeps the height")
            << QByteArray("f.jpg") << QByteArray::fromStdString(kSoi + Frame(0xC0, 640, 480).substr(0, 8))
            << QByteArray("w:0 h:480");
        QTest::newRow("segment length 0 gives up")
            << QByteArray("g.jpg")
            << QByteArray::fromStdString(kSoi + std::string("\xff\xe1\x00\x00", 4) + Frame(0xC0, 5, 5))
            << QByteArray("w:0 h:0");
        QTest::newRow("segment past the end")
            << QByteArray("h.jpg") << QByteArray::fromStdString(kSoi + std::string("\xff\xe1\xff\xff", 4))
            << QByteArray("w:0 h:0");
        QTest::newRow("gif with a global colour table")
            << QByteArray("a.gif") << QByteArray::fromStdString(Gif(true, 300, 200)) << QByteArray("w:300 h:200");
        QTest::newRow("gif without a global colour table")
            << QByteArray("b.GIF") << QByteArray::fromStdString(Gif(false, 16, 8)) << QByteArray("w:16 h:8");
        QTest::newRow("not a gif") << QByteArray("c.gif") << QByteArray("PNG and more bytes here")
                                   << QByteArray("w:0 h:0");
        QTest::newRow("gif descriptor cut short")
            << QByteArray("d.gif") << QByteArray::fromStdString(Gif(false, 16, 8).substr(0, 28))
            << QByteArray("w:0 h:0");
        QTest::newRow("bitmap has no text") << QByteArray("a.bmp") << QByteArray("BM....") << QByteArray();
        QTest::newRow("other files have no text") << QByteArray("a.png") << QByteArray("x") << QByteArray();
        QTest::newRow("empty jpeg file") << QByteArray("empty.jpg") << QByteArray() << QByteArray("w:0 h:0");
    }
    void sizes() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        const std::string path = FolderOf(m_dir.path()) + name.toStdString();
        WriteBytes(path, bytes.toStdString());
        QCOMPARE(QByteArray::fromStdString(ImageSizeText(path)), text);
    }

    void missingFileGivesZero() {
        QCOMPARE(ImageSizeText(FolderOf(m_dir.path()) + "none.jpg"), std::string("w:0 h:0"));
    }

    void aRealJpegFromQt() {
        if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
            QSKIP("this Qt cannot write JPEG files");
        }
        QImage image(123, 45, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = m_dir.path() + "/qt.jpg";
        QVERIFY(image.save(path, "JPEG"));
        QCOMPARE(ImageSizeText(path.toStdString()), std::string("w:123 h:45"));
    }
};

QTEST_GUILESS_MAIN(TestImageSize)
#include "tst_ImageSize.moc"
