#include "model/scheme.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

class SchemeTest : public ::testing::Test {
 protected:
  test::RecordingMessenger messages;
  Scheme scheme{messages};
};

TEST(PackedPosition, RoundTripsTheDocumentedValues) {
  EXPECT_EQ(PackPosition({-5000, -5000}), 0);
  EXPECT_EQ(PackPosition({0, 0}), 50005000);
  EXPECT_EQ(PackPosition({12, 3}), 50125003);
  for (Cell c : {Cell{-5000, -5000}, Cell{0, 0}, Cell{12, 3}, Cell{5000, 4999}, Cell{-7, 9}}) {
    EXPECT_EQ(UnpackPosition(PackPosition(c)), c);
  }
}

TEST_F(SchemeTest, StartsEmptyWithTheDefaultIntegrationParameters) {
  EXPECT_EQ(scheme.ElementCount(), 0);
  EXPECT_EQ(scheme.TableCapacity(), 30);
  EXPECT_EQ(scheme.ParsMax(), 10);
  EXPECT_EQ(scheme.ParamTop(), 3);
  EXPECT_FLOAT_EQ(scheme.T0(), 0.0f);
  EXPECT_FLOAT_EQ(scheme.H(), 0.01f);
  EXPECT_FLOAT_EQ(scheme.Tk(), 5.0f);
}

TEST_F(SchemeTest, SettersRejectOutOfRangeValuesWithTheirMessages) {
  const int n = scheme.AppendElement(200, 0, {1, 1});
  scheme.SetCode(n, 10000);
  scheme.SetCode(n, -1);
  EXPECT_EQ(scheme.GetCode(n), 200);
  scheme.SetCode(n, 9999);
  EXPECT_EQ(scheme.GetCode(n), 9999);
  scheme.SetOrientation(n, 4);
  scheme.SetControlPoint(n, 13);
  scheme.SetParamAddress(n, scheme.ParsMax());
  scheme.SetParamAddress(n, -1);
  scheme.SetCellPosition(n, 0, 5000);
  scheme.SetCellPosition(n, 0, 5001);
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                  "Error: Значение кода элемента не более 10000!",
                                  "Error: Значение кода элемента не более 10000!",
                                  "Error: Код ориентации элемента не более 3!",
                                  "Setting error: Значение номера точки наблюдения вне диапазона!",
                                  "Error: Значение адреса параметров элемента более ParsMax!",
                                  "Error: Значение адреса параметров элемента не более 1000000!",
                                  "Error: Значения координат элемента не более 5000!",
                                  "Error: Значения координат элемента не более 5000!",
                              }));
  EXPECT_EQ(scheme.GetStoredPosition(n), (Cell{1, 1}));
}

TEST_F(SchemeTest, AcceptsTheBoundaryValues) {
  const int n = scheme.AppendElement(1, 0, {0, 0});
  scheme.SetCellPosition(n, -5000, -5000);
  EXPECT_EQ(scheme.GetStoredPosition(n), (Cell{-5000, -5000}));
  scheme.SetControlPoint(n, 12);
  EXPECT_EQ(scheme.GetControlPoint(n), 12);
  scheme.SetParamAddress(n, scheme.ParsMax() - 1);
  EXPECT_EQ(scheme.GetParamAddress(n), scheme.ParsMax() - 1);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SchemeTest, AControlPointOutsideItsRangeIsReportedWhenReadAndStillReturned) {
  const int n = scheme.AppendElement(200, 1, {1, 1});
  scheme.Record(n).AttrWord = 7 * 100 + 13 * 4 + 1;  // as a damaged record could hold it
  EXPECT_EQ(scheme.GetControlPoint(n), 13);
  EXPECT_EQ(scheme.GetParamAddress(n), 7);
  EXPECT_EQ(scheme.GetOrientation(n), 1);
  EXPECT_EQ(
      messages.Texts(),
      std::vector<std::string>{"Getting error: Значение номера точки наблюдения вне диапазона!"});
}

TEST_F(SchemeTest, EachSetterKeepsTheOtherPackedFields) {
  const int n = scheme.AppendElement(204, 0, {2, 3});
  scheme.AllocateParamBlock(n);
  scheme.SetControlPoint(n, 5);
  scheme.SetOrientation(n, 3);
  EXPECT_EQ(scheme.GetControlPoint(n), 5);
  EXPECT_EQ(scheme.GetParamAddress(n), 3);
  scheme.SetCode(n, 201);
  EXPECT_EQ(scheme.GetParamCount(n), 3);  // until RefreshParamCount
  scheme.RefreshParamCount(n);
  EXPECT_EQ(scheme.GetParamCount(n), 2);
  EXPECT_EQ(scheme.GetOrientation(n), 3);
  EXPECT_EQ(scheme.Record(n).AttrWord, 3 * 100 + 5 * 4 + 3);
}

TEST_F(SchemeTest, CellPositionsFollowTheWindowShift) {
  const int n = scheme.AppendElement(1, 0, {0, 0});
  scheme.SetShift(2, -3);
  scheme.SetCellPosition(n, 4, 4);
  EXPECT_EQ(scheme.GetStoredPosition(n), (Cell{2, 7}));
  EXPECT_EQ(scheme.GetCellPosition(n), (Cell{4, 4}));
}

TEST_F(SchemeTest, CapacitiesGrowWhenTheRequestReachesThem) {
  scheme.EnsureTableCapacity(29);
  EXPECT_EQ(scheme.TableCapacity(), 30);
  scheme.EnsureTableCapacity(30);
  EXPECT_EQ(scheme.TableCapacity(), 35);
  scheme.EnsureParamCapacity(10);
  EXPECT_EQ(scheme.ParsMax(), 20);
}

TEST_F(SchemeTest, BlocksAreLaidOutInFillOrderAndReleasedWithoutGaps) {
  const int a = scheme.AppendElement(204, 0, {1, 1});  // 3 values
  const int b = scheme.AppendElement(200, 0, {1, 2});  // 1 value
  const int c = scheme.AppendElement(201, 0, {1, 3});  // 2 values
  scheme.AllocateParamBlock(c);
  scheme.AllocateParamBlock(a);
  scheme.AllocateParamBlock(b);
  EXPECT_EQ(scheme.GetParamAddress(c), 3);
  EXPECT_EQ(scheme.GetParamAddress(a), 5);
  EXPECT_EQ(scheme.GetParamAddress(b), 8);
  EXPECT_EQ(scheme.ParamTop(), 9);
  for (int i = 3; i < 9; ++i) scheme.SetParam(i, static_cast<float>(i));

  scheme.ReleaseParamBlock(a);
  EXPECT_EQ(scheme.ParamTop(), 6);
  EXPECT_EQ(scheme.ParamBlockCount(), 2);
  EXPECT_EQ(scheme.GetParamAddress(c), 3);
  EXPECT_EQ(scheme.GetParamAddress(b), 5);
  EXPECT_FLOAT_EQ(scheme.ElementParam(b, 0), 8.0f);
  EXPECT_FLOAT_EQ(scheme.ElementParam(c, 1), 4.0f);
}

TEST_F(SchemeTest, ResizingTheGeneralElementMovesTheLaterBlocks) {
  const int g = scheme.AppendElement(212, 0, {1, 1});
  const int p = scheme.AppendElement(200, 0, {1, 2});
  scheme.AllocateParamBlock(g);
  scheme.AllocateParamBlock(p);
  scheme.SetParam(scheme.GetParamAddress(p), 42.0f);
  scheme.ResizeParamBlock(g, 12);
  EXPECT_EQ(scheme.GetParamCount(g), 12);
  EXPECT_EQ(scheme.GetParamAddress(p), 15);
  EXPECT_EQ(scheme.ParamTop(), 16);
  EXPECT_FLOAT_EQ(scheme.ElementParam(p, 0), 42.0f);
  scheme.ResizeParamBlock(g, 5);
  EXPECT_EQ(scheme.GetParamAddress(p), 8);
  EXPECT_FLOAT_EQ(scheme.ElementParam(p, 0), 42.0f);
}

TEST_F(SchemeTest, ClearingKeepsTheIntegrationParametersAndCapacities) {
  scheme.SetParam(1, 0.5f);
  scheme.EnsureTableCapacity(40);
  const int n = scheme.AppendElement(201, 0, {1, 1});
  scheme.AllocateParamBlock(n);
  scheme.SetControlPoint(n, 1);
  scheme.RecountControlPoints();
  scheme.Clear();
  EXPECT_EQ(scheme.ElementCount(), 0);
  EXPECT_EQ(scheme.ParamTop(), 3);
  EXPECT_EQ(scheme.ParamBlockCount(), 0);
  EXPECT_EQ(scheme.ControlPointCount(), 0);
  EXPECT_EQ(scheme.TableCapacity(), 45);
  EXPECT_FLOAT_EQ(scheme.H(), 0.5f);
  EXPECT_EQ(scheme.Record(1), ElementRecord{});
}

TEST(Catalogue, GroupsFollowTheCodeRanges) {
  test::RecordingMessenger messages;
  EXPECT_EQ(GroupCode(112, messages), 15);
  EXPECT_EQ(GroupCode(113, messages), 11);
  EXPECT_EQ(GroupCode(17, messages), 1);
  EXPECT_EQ(GroupCode(18, messages), 2);
  EXPECT_EQ(GroupCode(4, messages), 4);
  EXPECT_EQ(GroupCode(8, messages), 3);
  EXPECT_EQ(GroupCode(214, messages), 21);
  EXPECT_EQ(GroupCode(308, messages), 31);
  EXPECT_EQ(GroupCode(507, messages), 51);
  EXPECT_TRUE(messages.entries.empty());
}

TEST(Catalogue, InvalidGroupsAreReportedAndReturned) {
  test::RecordingMessenger messages;
  EXPECT_EQ(GroupCode(0, messages), 0);
  EXPECT_EQ(GroupCode(21, messages), 0);
  EXPECT_EQ(GroupCode(99, messages), 0);
  EXPECT_EQ(GroupCode(650, messages), 61);
  ASSERT_EQ(messages.entries.size(), 4u);
  for (const auto& e : messages.entries) {
    EXPECT_EQ(e.text, "Error: Неверное значение кода группы элементов!");
  }
}

TEST(Catalogue, NamesAndParameterCounts) {
  test::RecordingMessenger messages;
  EXPECT_EQ(ElementName(214), ElementName(213));
  EXPECT_EQ(ElementName(112), "Генератор качающейся частоты");
  EXPECT_EQ(ElementName(600), "Имя отсутствует");
  EXPECT_EQ(CatalogueParamCount(113, messages), 0);
  EXPECT_EQ(CatalogueParamCount(600, messages), 0);
  EXPECT_EQ(CatalogueParamCount(212, messages), 7);
  EXPECT_EQ(CatalogueParamCount(107, messages), 5);
  EXPECT_TRUE(messages.entries.empty());
  EXPECT_EQ(CatalogueParamCount(0, messages), 0);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Не задан код элемента 0."});
}

TEST(Catalogue, LibraryRangesMatchTheCatalogue) {
  for (const LibraryRange& range : LibraryRanges()) {
    for (int code = range.first_code; code < range.first_code + range.count; ++code) {
      EXPECT_TRUE(IsCatalogueCode(code)) << code;
    }
    EXPECT_FALSE(IsCatalogueCode(range.first_code + range.count));
  }
  EXPECT_EQ(Catalogue().size(), 66u);
}

}  // namespace
}  // namespace kortiv
