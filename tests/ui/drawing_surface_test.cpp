// The picture boxes: persistent drawing, the yellow anchor points, the user
// scales, and line controls that clearing keeps.

#include <QFontDatabase>
#include <QLabel>
#include <QtTest>

#include "engine/compute_case.h"
#include "present/result_table.h"
#include "present/table_ruling.h"
#include "tests/support/case_text.h"
#include "tests/ui/image_probe.h"
#include "ui/kit/fonts.h"
#include "ui/kit/line_control.h"
#include "ui/kit/result_area.h"
#include "ui/kit/twips.h"
#include "ui/main/entry_list.h"

namespace qismaru::ui {

using testing::inkIn;

class DrawingSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void everyDesignFontResolvesToAnInstalledArabicFace_data()
    {
        QTest::addColumn<QString>("designName");
        QTest::addColumn<QString>("family");
        int count = 0;
        const FontMapping* mappings = fontMappings(&count);
        for (int i = 0; i < count; ++i) {
            QTest::newRow(mappings[i].designName) << mappings[i].designName << mappings[i].installedFamily;
        }
    }

    void everyDesignFontResolvesToAnInstalledArabicFace()
    {
        QFETCH(QString, designName);
        QFETCH(QString, family);
        const QFont font = designFont(designName.toUtf8().constData(), 12);
        // A missing font package shows here, not as a window with no letters.
        QCOMPARE(QFontInfo(font).family(), family);
        QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Arabic));
    }

    void resultTableLeavesAYellowPointAtEveryAnchorAndTextBesideIt()
    {
        std::unique_ptr<DrawingSurface> resultArea(createResultArea(nullptr));
        const KindCounts counts = qismaru::testing::countsOf("h=1 m=1 f=1");
        const auto items = layoutResultTable(counts, computeCase(counts).result, TableMedium::Screen);
        drawPlacedTexts(*resultArea, items);

        const QImage& image = resultArea->image();
        for (const PlacedText& item : items) {
            const QPoint anchor(px(item.x), px(item.y));
            QCOMPARE(image.pixelColor(anchor), DrawingSurface::anchorColour());
            const QRect beside(anchor.x(), anchor.y(), 80, 12);
            QVERIFY2(inkIn(image, beside, resultArea->background()) > 10, item.text.c_str());
        }
        // Nothing is drawn where no item stands: the space between the rows and the totals.
        QCOMPARE(inkIn(image, QRect(10, px(1300), 480, px(1500)), resultArea->background()), 0);
    }

    void extremeCountsStayInsideTheirColumns_data()
    {
        QTest::addColumn<QString>("counts");
        QTest::newRow("sixteen_digit_parts") << "w=4 gm=32587 d=32531 gs=32561 gd=92";
        QTest::newRow("long_names_large_counts") << "gm=32767 bm=32767 sb=32767";
    }

    void extremeCountsStayInsideTheirColumns()
    {
        QFETCH(QString, counts);
        std::unique_ptr<DrawingSurface> pic1(createResultArea(nullptr));
        const KindCounts c = qismaru::testing::countsOf(counts.toStdString());
        drawPlacedTexts(*pic1, layoutResultTable(c, computeCase(c).result, TableMedium::Screen));
        // The drawing beneath the line controls has no ink where a rule stands.
        for (const RuledLine& rule : tableRuling(TableMedium::Screen)) {
            if (rule.x1 != rule.x2) continue;
            const QRect band(QPoint(px(rule.x1) - (rule.widthPixels + 1) / 2, px(std::min(rule.y1, rule.y2))),
                             QPoint(px(rule.x1) + (rule.widthPixels + 1) / 2, px(std::max(rule.y1, rule.y2))));
            QVERIFY2(inkIn(pic1->image(), band, pic1->background()) == 0, rule.name.data());
        }
    }

    void drawingSurvivesBeingCoveredAndClearingKeepsTheLines()
    {
        std::unique_ptr<DrawingSurface> resultArea(createResultArea(nullptr));
        resultArea->show();
        QVERIFY(QTest::qWaitForWindowExposed(resultArea.get()));
        resultArea->placeItem(4500, 600, "ثلث الباقي ");

        QLabel cover("cover");
        cover.setGeometry(resultArea->geometry());
        cover.show();
        cover.close();
        const QImage shown = resultArea->grab().toImage();
        QVERIFY(inkIn(shown, QRect(px(4500), px(600), 80, 12), resultArea->background()) > 10);

        resultArea->clear();
        QVERIFY(testing::allBackground(resultArea->image(), resultArea->background()));
        // The grid and the frame are line controls of the box, not drawings.
        const auto lines = resultArea->findChildren<LineControl*>();
        QCOMPARE(lines.size(), 11);
        for (const LineControl* line : lines) QVERIFY2(line->isVisible(), qPrintable(line->objectName()));
        // The grid's top rule stays on the cleared box.
        const QImage cleared = resultArea->grab().toImage();
        QCOMPARE(cleared.pixelColor(px(4000), px(480)), windowTextColour());
    }

    void entryListMeasuresInCharacterCells()
    {
        EntryList pic(nullptr);
        QCOMPARE(pic.size(), QSize(129, 425));
        pic.drawEntry(2, HeirKind::UterineSiblings, 3);
        const QImage& image = pic.image();
        const QColor grey = EntryList::listGrey();
        // Row 2 is the band 32 to 48 pixels down; the count at column 0, the name from column 10.
        QVERIFY(inkIn(image, QRect(0, 32, 30, 16), grey) > 5);
        QVERIFY(inkIn(image, QRect(80, 32, 49, 16), grey) > 5);
        QCOMPARE(inkIn(image, QRect(0, 0, 129, 32), grey), 0);

        pic.eraseRow(2);
        QVERIFY(testing::allBackground(image, grey));
    }

    // Every kind with the largest count: the counts stand clear of the left
    // frame line, the names end together clear of the right one, and a
    // count never runs into its name.
    void entryListAlignsNamesAndKeepsCountsClear()
    {
        EntryList pic(nullptr);
        const QColor grey = EntryList::listGrey();
        for (const HeirKindInfo& info : heirKinds()) pic.drawEntry(indexOf(info.kind) + 1, info.kind, 32767);
        const QImage& image = pic.image();
        for (int row = 1; row <= kHeirKindCount; ++row) {
            QList<int> inkColumns;
            for (int x = 0; x < image.width(); ++x) {
                if (inkIn(image, QRect(x, row * 16, 1, 16), grey) > 0) inkColumns << x;
            }
            QVERIFY(!inkColumns.isEmpty());
            QVERIFY2(inkColumns.first() >= 5, qPrintable(QString("row %1 touches the left frame").arg(row)));
            QVERIFY2(qAbs(inkColumns.last() - 119) <= 1,
                     qPrintable(QString("row %1 ends at %2").arg(row).arg(inkColumns.last())));
            if (infoOf(kindAt(row - 1)).entry == EntryKind::Counted) {
                int widestGap = 0;
                for (qsizetype i = 1; i < inkColumns.size(); ++i)
                    widestGap = std::max(widestGap, inkColumns[i] - inkColumns[i - 1]);
                QVERIFY2(widestGap > 4, qPrintable(QString("row %1: the count runs into the name").arg(row)));
            }
        }
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::DrawingSurfaceTest)
#include "drawing_surface_test.moc"
