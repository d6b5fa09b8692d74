#include "model/builtin_examples.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

class BuiltinExamplesTest : public ::testing::Test {
 protected:
  test::RecordingMessenger messages;
  Scheme scheme{messages};
};

TEST_F(BuiltinExamplesTest, ExampleOneHasItsCountsAndFiveControlPoints) {
  EXPECT_EQ(LoadBuiltinExample(scheme, 1), "Линейные схемы");
  EXPECT_EQ(scheme.ElementCount(), 13);
  EXPECT_EQ(scheme.ParamTop(), 15);
  EXPECT_EQ(scheme.ParamBlockCount(), 6);
  EXPECT_EQ(scheme.ControlPointCount(), 5);
  EXPECT_EQ(scheme.GetStoredPosition(6), (Cell{1, 3}));
  EXPECT_EQ(scheme.GetCode(6), 300);
  EXPECT_EQ(scheme.GetOrientation(6), 2);
  EXPECT_EQ(scheme.GetControlPoint(6), 2);
  EXPECT_EQ(scheme.GetParamAddress(6), 5);
  EXPECT_FLOAT_EQ(scheme.ElementParam(6, 1), -6.2f);
  EXPECT_EQ(scheme.GetParamAddress(13), 14);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(BuiltinExamplesTest, EveryExampleLaysOutItsBlocksInElementOrderFromAddressThree) {
  for (int k = 1; k <= kBuiltinExampleCount; ++k) {
    SCOPED_TRACE(k);
    scheme.SetParam(1, 0.5f);  // the example sets the integration values anew
    LoadBuiltinExample(scheme, k);
    const BuiltinExample& example = BuiltinExamples()[k - 1];
    ASSERT_EQ(scheme.ElementCount(), static_cast<int>(example.elements.size()));
    EXPECT_FLOAT_EQ(scheme.T0(), 0.0f);
    EXPECT_FLOAT_EQ(scheme.H(), 0.01f);
    EXPECT_FLOAT_EQ(scheme.Tk(), 5.0f);
    int next_address = 3;
    int blocks = 0;
    for (int n = 1; n <= scheme.ElementCount(); ++n) {
      const ExampleElement& e = example.elements[n - 1];
      EXPECT_EQ(scheme.GetParamCount(n), CatalogueParamCount(e.code, messages));
      EXPECT_EQ(scheme.GetStoredPosition(n), (Cell{e.row, e.column}));
      if (scheme.GetParamCount(n) == 0) {
        EXPECT_EQ(scheme.GetParamAddress(n), 0);
        continue;
      }
      EXPECT_EQ(scheme.GetParamAddress(n), next_address);
      for (int i = 0; i < scheme.GetParamCount(n); ++i) {
        EXPECT_EQ(scheme.ElementParam(n, i), e.values[i]);
      }
      next_address += scheme.GetParamCount(n);
      ++blocks;
    }
    EXPECT_EQ(scheme.ParamTop(), next_address);
    EXPECT_EQ(scheme.ParamBlockCount(), blocks);
    for (int v = 1; v <= scheme.ControlPointCount(); ++v) {
      EXPECT_NE(scheme.ElementWithControlPoint(v), 0) << "control point " << v;
    }
  }
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(BuiltinExamplesTest, ANumberOutsideOneToSixChangesNothing) {
  LoadBuiltinExample(scheme, 5);
  EXPECT_EQ(LoadBuiltinExample(scheme, 0), "");
  EXPECT_EQ(LoadBuiltinExample(scheme, 7), "");
  EXPECT_EQ(scheme.ElementCount(), 7);
  EXPECT_EQ(scheme.ControlPointCount(), 3);
}

}  // namespace
}  // namespace kortiv
