#include "draw/curve_decimation.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <random>
#include <vector>

namespace kortiv {
namespace {

std::vector<QPoint> Decimated(const std::vector<QPoint>& points) {
  CurveDecimation decimation;
  for (const QPoint& p : points) decimation.Add(p);
  return decimation.Take();
}

// The polyline drawn as the plot draws its curves: cosmetic, not antialiased.
QImage Drawn(const std::vector<QPoint>& points, Qt::PenStyle style, int width) {
  QImage picture(640, 400, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::black);
  pen.setStyle(style);
  pen.setWidthF(width);
  pen.setCosmetic(true);
  painter.setPen(pen);
  if (points.size() == 1) painter.drawPoint(points.front());
  if (points.size() > 1) painter.drawPolyline(points.data(), static_cast<int>(points.size()));
  return picture;
}

// Curves of many points per pixel column: noise that reverses within a
// column, a fast oscillation, a slow ramp, and columns that go back and
// forth in x.
std::vector<std::vector<QPoint>> DenseCurves() {
  std::mt19937 random(4);
  std::uniform_int_distribution<int> jitter(-40, 40);
  std::vector<std::vector<QPoint>> curves(4);
  for (int j = 0; j < 60000; ++j) {
    const int x = 20 + j * 600 / 60000;
    curves[0].emplace_back(x, 200 + jitter(random));
    curves[1].emplace_back(x, static_cast<int>(200 + 150 * std::sin(j * 0.01)));
    curves[2].emplace_back(x, 350 - j * 300 / 60000);
  }
  int x = 300;
  for (int j = 0; j < 20000; ++j) {
    x = std::clamp(x + static_cast<int>(random() % 3) - 1, 10, 630);
    curves[3].emplace_back(x, 200 + jitter(random) / 4);
  }
  return curves;
}

TEST(CurveDecimation, SolidCurvesAreDrawnPixelForPixelAsThroughEveryPoint) {
  const auto curves = DenseCurves();
  for (const auto& curve : curves) {
    EXPECT_EQ(Drawn(Decimated(curve), Qt::SolidLine, 1), Drawn(curve, Qt::SolidLine, 1));
  }
  // Wide pens are slow to draw through every point: the short curve serves.
  for (int width : {2, 3}) {
    EXPECT_EQ(Drawn(Decimated(curves[3]), Qt::SolidLine, width),
              Drawn(curves[3], Qt::SolidLine, width))
        << "pen width " << width;
  }
  // Four points at most for each of the 601 columns the first curves cross.
  EXPECT_LE(Decimated(DenseCurves()[0]).size(), 4u * 601);
}

TEST(CurveDecimation, KeepsFirstLowestHighestAndLastOfAColumnInTheirOrder) {
  const std::vector<QPoint> points{{0, 0},  {1, 1}, {5, 10}, {5, 12}, {5, 3},
                                   {5, 20}, {5, 7}, {6, 1},  {7, 2}};
  EXPECT_EQ(
      Decimated(points),
      (std::vector<QPoint>{{0, 0}, {1, 1}, {5, 10}, {5, 3}, {5, 20}, {5, 7}, {6, 1}, {7, 2}}));
}

TEST(CurveDecimation, KeepsTheFirstAndTheLastLineWhole) {
  const std::vector<QPoint> column{{2, 0}, {2, 5}, {2, 1}, {2, 9}, {2, 4}, {2, 6}};
  EXPECT_EQ(Decimated(column), (std::vector<QPoint>{{2, 0}, {2, 5}, {2, 9}, {2, 4}, {2, 6}}));
  EXPECT_EQ(Decimated({{3, 3}}), (std::vector<QPoint>{{3, 3}}));
}

TEST(CurveDecimation, TakingStartsAFreshPolyline) {
  CurveDecimation decimation;
  decimation.Add({1, 1});
  decimation.Add({1, 5});
  EXPECT_EQ(decimation.Take(), (std::vector<QPoint>{{1, 1}, {1, 5}}));
  EXPECT_TRUE(decimation.Take().empty());
  decimation.Add({1, 2});
  EXPECT_EQ(decimation.Take(), (std::vector<QPoint>{{1, 2}}));
}

}  // namespace
}  // namespace kortiv
