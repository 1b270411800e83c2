// velquin_draw_pictures: paints Velquin's two pictures and writes them as
// JPEG files. Usage: velquin_draw_pictures [--png <preview-folder>] <output-folder>
//
// The pictures are checked in under assets/; this tool exists so they can
// be regenerated (byte for byte) instead of being opaque binaries.

#include "jpeg_reader.h"
#include "jpeg_segments.h"
#include "jpeg_writer.h"
#include "layout.h"
#include "scene.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Picture {
    Variant variant;
    const char *fileName;
    const char *title;
    int quality;  // tuned so each file lands around 40 KB
};

constexpr Picture kPictures[] = {
    {Variant::Cover, "cover.jpg", "Velquin cover", 76},
    {Variant::Hidden, "hidden.jpg", "Velquin hidden", 72},
};

void writeFile(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    // QSaveFile only replaces the old file once everything is written, so a
    // failed run never leaves a truncated picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()))
               != static_cast<qint64>(bytes.size())
        || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

std::vector<std::uint8_t> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read back " + path.toStdString());
    const QByteArray data = file.readAll();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

long countPureBlack(const QImage &rgb888)
{
    long count = 0;
    for (int y = 0; y < rgb888.height(); ++y) {
        const uchar *line = rgb888.constScanLine(y);
        for (int x = 0; x < rgb888.width(); ++x)
            if (line[3 * x] == 0 && line[3 * x + 1] == 0 && line[3 * x + 2] == 0)
                ++count;
    }
    return count;
}

std::string markerList(const std::vector<std::uint8_t> &jpeg)
{
    std::string text;
    for (const JpegSegment &s : headerSegments(jpeg)) {
        if (!text.empty())
            text += ", ";
        text += s.describe(jpeg);
    }
    return text;
}

int run(int argc, char **argv)
{
    QString outputDir;
    QString previewDir;  // --png: also save the decoded pictures for a quick look
    bool usageError = false;
    for (int i = 1; i < argc && !usageError; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--png") && i + 1 < argc)
            previewDir = QString::fromLocal8Bit(argv[++i]);
        else if (outputDir.isEmpty() && !arg.startsWith(QLatin1Char('-')))
            outputDir = arg;
        else
            usageError = true;  // unknown option or a second folder
    }
    if (usageError || outputDir.isEmpty()) {
        std::fprintf(stderr, "usage: velquin_draw_pictures [--png <preview-folder>] <output-folder>\n");
        return 2;
    }
    for (const QString &dir : {outputDir, previewDir})
        if (!dir.isEmpty() && !QDir().mkpath(dir))
            throw std::runtime_error("cannot create folder " + dir.toStdString());

    for (const Picture &picture : kPictures) {
        const QString path = QDir(outputDir).filePath(QString::fromLatin1(picture.fileName));
        const std::vector<std::uint8_t> jpeg = encodeJpeg(renderScene(picture.variant), {picture.quality, picture.title});
        writeFile(path, jpeg);

        // Check what is on disk, decoded the way the app decodes it.
        const std::vector<std::uint8_t> written = readFile(path);
        if (written != jpeg)
            throw std::runtime_error(path.toStdString() + " does not contain what was written");
        const QImage decoded = decodeJpeg(written);
        if (decoded.width() != layout::kWidth || decoded.height() != layout::kHeight)
            throw std::runtime_error(path.toStdString() + " decodes to the wrong size");
        if (picture.variant == Variant::Cover) {
            const long black = countPureBlack(decoded);
            if (black != 0)
                throw std::runtime_error(path.toStdString() + " decodes with " + std::to_string(black)
                                         + " pure black pixels; the app would treat them as holes");
        }
        if (!previewDir.isEmpty()) {
            QString png = QString::fromLatin1(picture.fileName);
            png.replace(QLatin1String(".jpg"), QLatin1String(".png"));
            if (!decoded.save(QDir(previewDir).filePath(png)))
                throw std::runtime_error("cannot write the PNG preview for " + path.toStdString());
        }
        std::printf("%s: %zu bytes, %dx%d\n  %s\n", qPrintable(path), jpeg.size(), decoded.width(), decoded.height(),
                    markerList(jpeg).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "velquin_draw_pictures: %s\n", e.what());
        return 1;
    }
}
