#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdlib>

#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle::test {

// The built resource library of the program directory, loaded once per test.
class LibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = QString::fromStdString((ProgramDir() / "ZUV.RGF").string());
        ASSERT_TRUE(library_.Load(path_)) << "cannot load " << path_.toStdString();
    }
    QString path_;
    ResourceLibrary library_;
};

// Two pictures with the same size, format-independent pixels.
inline bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row)) return false;
    return true;
}

// The same within a small rounding difference per channel.
inline bool NearPixels(const QImage& a, const QImage& b, int tolerance = 2) {
    if (a.size() != b.size()) return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance ||
                std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
                return false;
        }
    return true;
}

}  // namespace tindle::test
