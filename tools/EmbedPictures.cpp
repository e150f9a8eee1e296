// Build step: turns the PNG pictures the build rendered (NAME-SIZE.png) into
// a C++ source holding their pixels, so that the program shows them without
// decoding PNG or asking Qt's image plugins at start-up.
// Usage: embed_pictures OUTPUT.cpp PICTURE.png...
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

struct Picture {
    QString name;
    int pixels = 0;
    QImage image;
};

bool readPicture(const QString& path, Picture& picture) {
    static const QRegularExpression pattern(QStringLiteral("^([a-z]+)-([0-9]+)\\.png$"));
    const QRegularExpressionMatch match = pattern.match(QFileInfo(path).fileName());
    if (!match.hasMatch()) {
        std::fprintf(stderr, "%s: not named NAME-SIZE.png\n", qPrintable(path));
        return false;
    }
    picture.name = match.captured(1);
    picture.pixels = match.captured(2).toInt();
    picture.image = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.image.size() != QSize(picture.pixels, picture.pixels)) {
        std::fprintf(stderr, "%s: unreadable, or not %d pixels square\n", qPrintable(path),
                     picture.pixels);
        return false;
    }
    return true;
}

void writePixels(QTextStream& out, const Picture& picture) {
    out << "alignas(4) constexpr std::uint32_t " << picture.name << picture.pixels << "[] = {";
    int column = 0;
    for (int y = 0; y < picture.pixels; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.image.constScanLine(y));
        for (int x = 0; x < picture.pixels; ++x) {
            out << (column++ % 6 == 0 ? "\n    " : " ") << "0x"
                << QStringLiteral("%1").arg(row[x], 8, 16, QLatin1Char('0')) << "u,";
        }
    }
    out << "\n};\n\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE.png...\n", argv[0]);
        return 2;
    }
    QList<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        Picture picture;
        if (!readPicture(QString::fromLocal8Bit(argv[i]), picture)) return 1;
        pictures << picture;
    }
    std::sort(pictures.begin(), pictures.end(), [](const Picture& x, const Picture& y) {
        return std::pair(x.name, x.pixels) < std::pair(y.name, y.pixels);
    });
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Made by embed_pictures from the pictures the build rendered.\n"
           "#include \"app/EmbeddedPictures.h\"\n\nnamespace app {\n\nnamespace {\n\n";
    for (const Picture& picture : pictures) writePixels(out, picture);
    out << "constexpr EmbeddedPicture pictures[] = {\n";
    for (const Picture& picture : pictures) {
        out << "    {\"" << picture.name << "\", " << picture.pixels << ", " << picture.name
            << picture.pixels << "},\n";
    }
    out << "};\n\n}  // namespace\n\n"
           "std::span<const EmbeddedPicture> EmbeddedPictures() { return pictures; }\n\n"
           "}  // namespace app\n";
    out.flush();
    return file.error() == QFile::NoError ? 0 : 1;
}
