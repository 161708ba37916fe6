#include "present/table_ruling.h"

#include <algorithm>
#include <array>

namespace qismaru {

namespace {

using namespace table_geometry;

constexpr int kTwipsPerPixel = 15;

// The grid: its top and bottom rules, its outer edges and the four rules
// between the columns (heir | share | portion | per head | percentage).
constexpr std::array<RuledLine, 11> kScreenRuling{{
    {"Line2", 7320, 480, 120, 480, 5, LineTone::Text},
    {"Line19", 7320, 2880, 120, 2880, 5, LineTone::Text},
    {"Line18", 120, 480, 120, 2880, 5, LineTone::Text},
    {"Line1", 7320, 480, 7320, 2880, 5, LineTone::Text},
    {"Line3", 5880, 480, 5880, 2880, 5, LineTone::Text},
    {"Line4", 4440, 480, 4440, 2880, 5, LineTone::Text},
    {"Line5", 3120, 480, 3120, 2880, 5, LineTone::Text},
    {"Line6", 1800, 480, 1800, 2880, 5, LineTone::Text},
    // The frame of the box.
    {"Line7", 0, 0, 0, 4080, 5, LineTone::Frame},
    {"Line10", 7560, 0, 7560, 4080, 8, LineTone::Frame},
    {"Line8", 0, 3960, 7440, 3960, 10, LineTone::Frame},
}};

// The same grid on paper: the right edge and the right ends of the top and
// bottom rules at 7080, and no frame.
constexpr std::array<RuledLine, 8> kPaperRuling{{
    {"Line2", 7080, 480, 120, 480, 5, LineTone::Text},
    {"Line8", 7080, 2880, 120, 2880, 5, LineTone::Text},
    {"Line1", 7080, 480, 7080, 2880, 5, LineTone::Text},
    {"Line7", 120, 480, 120, 2880, 5, LineTone::Text},
    {"Line3", 5880, 480, 5880, 2880, 5, LineTone::Text},
    {"Line4", 4440, 480, 4440, 2880, 5, LineTone::Text},
    {"Line5", 3120, 480, 3120, 2880, 5, LineTone::Text},
    {"Line6", 1800, 480, 1800, 2880, 5, LineTone::Text},
}};

// Ink that ends a pixel short of a line's edge still reads as apart from it.
constexpr int kClearance = kTwipsPerPixel;

bool crossesRow(const RuledLine& line, int rowTop)
{
    const int top = std::min(line.y1, line.y2);
    const int bottom = std::max(line.y1, line.y2);
    return line.x1 == line.x2 && top < rowTop + kRowStep && bottom > rowTop;
}

}  // namespace

std::span<const RuledLine> tableRuling(TableMedium medium)
{
    if (medium == TableMedium::Screen) return kScreenRuling;
    return kPaperRuling;
}

SurfaceSize tableSurface(TableMedium medium)
{
    if (medium == TableMedium::Screen) return {7572, 3975};
    return {7152, 3888};
}

int roomRightOf(const PlacedText& item, TableMedium medium)
{
    int limit = tableSurface(medium).width;
    for (const RuledLine& line : tableRuling(medium)) {
        const int leftEdge = line.x1 - line.widthPixels * kTwipsPerPixel / 2;
        if (line.x1 > item.x && crossesRow(line, item.y)) limit = std::min(limit, leftEdge);
    }
    return std::max(0, limit - kClearance - item.x);
}

}  // namespace qismaru
