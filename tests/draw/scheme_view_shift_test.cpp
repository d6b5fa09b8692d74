// The editor draws the scheme with its own shift, which the scheme never
// holds: the picture is the one of a scheme shifted as far.
#include <gtest/gtest.h>

#include "draw/scheme_picture.h"
#include "model/scheme.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

QImage WithViewShift(const Scheme& scheme, const SchemeWindow& window, Cell shift) {
  QImage image(SchemePictureSize(window), QImage::Format_RGB32);
  QPainter painter(&image);
  DrawSchemePicture(painter, scheme, DefaultPlotStyles(), window, shift);
  return image;
}

TEST(SchemeViewShiftTest, TheViewShiftDrawsAsTheSchemeShift) {
  test::RecordingMessenger messenger;
  Scheme scheme(messenger);
  scheme.AppendElement(204, 0, {0, 0});
  const int marked = scheme.AppendElement(9, 1, {3, -2});
  scheme.SetControlPoint(marked, 1);
  scheme.RecountControlPoints();
  SchemeWindow window;
  window.selected = {2, 3};
  const Cell shift{1, 4};
  const QImage by_view = WithViewShift(scheme, window, shift);
  EXPECT_EQ(scheme.RowShift(), 0);
  EXPECT_NE(by_view, SchemeImage(scheme, DefaultPlotStyles(), window));
  scheme.SetShift(shift.row, shift.column);
  EXPECT_EQ(by_view, SchemeImage(scheme, DefaultPlotStyles(), window));
}

}  // namespace
}  // namespace kortiv
