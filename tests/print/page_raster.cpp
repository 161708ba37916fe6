#include "tests/print/page_raster.h"

#include <QDir>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/kit/twips.h"

namespace qismaru::ui::testing {

namespace {

// The ruling of the paper, in twips, in the order a scan meets it.
const QList<int> kVerticalRules = {120, 1800, 3120, 4440, 5880, 7080};
const QList<int> kHorizontalRules = {480, 2880};

// The centres of the dark runs that a scan from `at` in steps of `step` crosses.
QList<double> darkRuns(const QImage& image, QPoint at, QPoint step)
{
    QList<double> centres;
    int runStart = -1;
    for (int i = 0;; ++i, at += step) {
        const bool inside = image.rect().contains(at);
        const bool dark = inside && qGray(image.pixel(at)) < 128;
        if (dark && runStart < 0) runStart = i;
        if (!dark && runStart >= 0) {
            centres.append((runStart + i - 1) / 2.0);
            runStart = -1;
        }
        if (!inside) return centres;
    }
}

// Whether the runs lie at the designed distances from the first; `origin`
// receives where the design's zero falls.
bool misplaced(const QList<double>& found, const QList<int>& designedTwips, double* origin)
{
    if (found.size() != designedTwips.size()) return true;
    *origin = found.first() - px(designedTwips.first());
    for (int i = 0; i < found.size(); ++i) {
        if (qAbs(found[i] - *origin - px(designedTwips[i])) > 1.5) return true;
    }
    return false;
}

}  // namespace

QImage onlyPageOf(const QString& pdfFile)
{
    QTemporaryDir folder;
    QProcess pdftoppm;
    pdftoppm.setStandardErrorFile(QProcess::nullDevice());  // a file still being written is expected
    pdftoppm.start("pdftoppm", {"-r", "96", "-png", pdfFile, folder.filePath("page")});
    if (!pdftoppm.waitForFinished() || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0) {
        return {};
    }
    const QStringList pages = QDir(folder.path()).entryList({"page-*.png"}, QDir::Files);
    if (pages.size() != 1) return {};
    return QImage(folder.filePath(pages.first())).convertToFormat(QImage::Format_RGB32);
}

QString rulingFault(const QImage& page, QPointF* corner)
{
    const QList<double> verticals = darkRuns(page, QPoint(0, 150), QPoint(1, 0));
    if (misplaced(verticals, kVerticalRules, &corner->rx())) return "vertical rules misplaced";
    const QList<double> horizontals = darkRuns(page, QPoint(qRound(corner->x()) + px(400), 0), QPoint(0, 1));
    if (misplaced(horizontals, kHorizontalRules, &corner->ry())) return "horizontal rules misplaced";
    return {};
}

}  // namespace qismaru::ui::testing
