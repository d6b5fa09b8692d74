#include "calc/point_count.h"

#include <gtest/gtest.h>

namespace kortiv {
namespace {

TEST(TimeRunLastPoint, CountsTheWholeStepsThatDoNotPassTheEnd) {
  EXPECT_EQ(TimeRunLastPoint(0, 0.01f, 5), 500);
  EXPECT_EQ(TimeRunLastPoint(0, 0.3f, 1), 3);
  EXPECT_EQ(TimeRunLastPoint(0, 0.5f, 1.2f), 2);
  EXPECT_EQ(TimeRunLastPoint(1, 0.25f, 2), 4);
  EXPECT_EQ(TimeRunLastPoint(0, 0.01f, 5.005f), 500);
}

TEST(TimeRunLastPoint, KeepsTheLastPointOfStepsThatRoundUpAsFloats) {
  EXPECT_EQ(TimeRunLastPoint(0, 0.1f, 1), 10);
  EXPECT_EQ(TimeRunLastPoint(0, 0.001f, 5), 5000);
  EXPECT_EQ(TimeRunLastPoint(0, 0.00001f, 10), 1000000);
  EXPECT_EQ(TimeRunLastPoint(2, 0.1f, 3), 10);
}

TEST(TimeRunLastPoint, CapsRunsTooLongForMemory) {
  EXPECT_EQ(TimeRunLastPoint(0, 1e-9f, 1000), kMaxLastPoint + 1);
}

TEST(MomentOfPoint, IsWorkedOutFromTheStepNotAdded) {
  EXPECT_EQ(MomentOfPoint(500, 0, 0.01f), 5.0f);
  EXPECT_EQ(MomentOfPoint(3, 1, 0.3f), static_cast<float>(1 + 3 * static_cast<long double>(0.3f)));
}

}  // namespace
}  // namespace kortiv
