#pragma once

#include <QImage>

namespace qismaru::help {

// The background picture of the explanation index: a colour image of
// 781 x 520 pixels, laid from the top-left corner of the index behind the
// tree, with the hint that tells a student what the boxes do.
QImage indexBackground();

}  // namespace qismaru::help
