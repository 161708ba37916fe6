#include "app/desktop/terminal.h"

#include <QList>
#include <cstdio>

namespace qismaru::app {

namespace {

constexpr qsizetype kLongestLine = 300;

bool reordersText(uint c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

}  // namespace

QString printableLine(const QString& text)
{
    QString line;
    for (const uint c : text.toUcs4()) {
        if (line.size() >= kLongestLine) return line + QStringLiteral("…");
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            line += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
        } else if (reordersText(c)) {
            line += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
        } else {
            const char32_t codePoint = c;
            line += QString::fromUcs4(&codePoint, 1);
        }
    }
    return line;
}

void complain(const QString& why)
{
    std::fprintf(stderr, "qismaru: %s\n", printableLine(why).toUtf8().constData());
    std::fflush(stderr);
}

void say(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

}  // namespace qismaru::app
