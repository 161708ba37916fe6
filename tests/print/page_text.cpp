#include "tests/print/page_text.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace qismaru::ui::testing {

namespace {

constexpr double kTwipsPerPoint = 20.0;

QByteArray pdftotext(const QStringList& arguments)
{
    QProcess process;
    process.start("pdftotext", arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

enum class CharacterClass { Blank, Letter, Digit, Sign };

CharacterClass classOf(QChar c)
{
    if (c.isSpace() || c.category() == QChar::Other_Format) return CharacterClass::Blank;
    if (c.isDigit() || c == '.') return CharacterClass::Digit;
    if (c.isLetter() || c.isMark()) return CharacterClass::Letter;
    return CharacterClass::Sign;
}

}  // namespace

QList<PageWord> wordsOnPage(const QString& pdfFile)
{
    QList<PageWord> words;
    QXmlStreamReader xml(pdftotext({"-bbox", pdfFile, "-"}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("word")) continue;
        const auto at = [&](const char* name) { return xml.attributes().value(name).toDouble() * kTwipsPerPoint; };
        const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
        words.append({box, xml.readElementText()});
    }
    return words;
}

QString textIn(const QString& pdfFile, const QRectF& area)
{
    // At 1440 "pixels" an inch, pdftotext's crop box is in twips.
    const QRect crop = area.toAlignedRect();
    return QString::fromUtf8(
        pdftotext({"-r", "1440", "-x", QString::number(crop.x()), "-y", QString::number(crop.y()), "-W",
                   QString::number(crop.width()), "-H", QString::number(crop.height()), "-layout", pdfFile, "-"}));
}

QStringList comparableWords(const QString& text)
{
    QStringList words;
    QString word;
    CharacterClass wordClass = CharacterClass::Blank;
    const auto endWord = [&] {
        if (!word.isEmpty()) words.append(word);
        word.clear();
    };
    for (const QChar c : text.normalized(QString::NormalizationForm_KC)) {
        const CharacterClass cc = classOf(c);
        if (cc != wordClass || cc == CharacterClass::Sign) endWord();
        wordClass = cc;
        if (cc != CharacterClass::Blank) word += c;
    }
    endWord();
    words.sort();
    return words;
}

}  // namespace qismaru::ui::testing
