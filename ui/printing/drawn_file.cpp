#include "ui/printing/drawn_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPdfWriter>

namespace qismaru::ui {

namespace {

DrawnFileOutcome written(const QString& path, const QByteArray& bytes)
{
    const std::string onDisk = QFile::encodeName(path).toStdString();
    return {true, estate::replaceFile(onDisk, std::string_view(bytes.constData(), std::size_t(bytes.size())))};
}

}  // namespace

DrawnFileOutcome writePdfFile(const QString& path, const QString& title, const PdfDrawing& draw)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("qismaru"));
        // The writer ends the file when it goes, before the bytes are written out.
        if (!draw(writer)) return {false, {}};
    }
    return written(path, bytes);
}

DrawnFileOutcome writePngFile(const QString& path, const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {false, {}};
    return written(path, bytes);
}

QString arabicReason(const DrawnFileOutcome& outcome)
{
    if (!outcome.drawn) return "تعذر رسم الصفحة في الذاكرة";
    return QString::fromStdString(estate::arabicDiskText(outcome.disk));
}

QString englishReason(const DrawnFileOutcome& outcome)
{
    if (!outcome.drawn) return "it could not be drawn";
    return QString::fromStdString(estate::englishDiskText(outcome.disk));
}

QString drawnFileFailureText(const QString& what, const QString& path, const DrawnFileOutcome& outcome)
{
    // A failed write replaces nothing: a file that was there is there as it was.
    const QString kept = QFileInfo::exists(path) ? "\nبقي الملف الذي بهذا الاسم على حاله." : QString();
    return "تعذر حفظ " + what + " في الملف:\n" + QDir::toNativeSeparators(path) + "\n" + arabicReason(outcome) + "." +
           kept;
}

}  // namespace qismaru::ui
