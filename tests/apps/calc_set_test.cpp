#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc_runner.h"
#include "model/catalogue.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

class CalcSet : public test::CalcRunner {
 protected:
  void SetUp() override {
    CalcRunner::SetUp();
    model = dir / "model.krt";
  }

  int Run(const std::string& arguments) { return CalcRunner::Run("set " + arguments); }

  // A gain, a general element of orders 0 and 3, an aperiodic element, a
  // sweep generator and a differentiator without parameters; the blocks lie in the order
  // general, aperiodic, gain.
  void WriteModel() {
    Scheme scheme(messages);
    const int gain = scheme.AppendElement(200, 0, {1, 1});
    const int general = scheme.AppendElement(kGeneralLinearCode, 0, {1, 2});
    const int lag = scheme.AppendElement(204, 0, {1, 3});
    scheme.AppendElement(kSweepGeneratorCode, 0, {2, 1});
    scheme.AppendElement(202, 0, {2, 2});
    scheme.ResizeParamBlock(general, 10);
    for (int n : {general, lag, gain}) scheme.AllocateParamBlock(n);
    const float general_values[] = {0.1f, 3.1f, 1, 1, 1, 1, 1, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
      scheme.SetParam(scheme.GetParamAddress(general) + i, general_values[i]);
    for (int i = 0; i < 3; ++i) scheme.SetParam(scheme.GetParamAddress(lag) + i, 3.0f - i);
    scheme.SetParam(scheme.GetParamAddress(gain), 9);
    ASSERT_TRUE(WriteModelFile(model.string(), scheme, "Проба"));
  }

  std::vector<float> Block(const Scheme& scheme, int n) {
    std::vector<float> values;
    for (int i = 0; i < scheme.GetParamCount(n); ++i) values.push_back(scheme.ElementParam(n, i));
    return values;
  }

  test::RecordingMessenger messages;
  fs::path model;
};

TEST_F(CalcSet, GrowingTheGeneralElementMovesTheLaterBlocks) {
  WriteModel();
  const fs::path out = dir / "out.krt";
  ASSERT_EQ(Run(model.string() + " 2 1 4  0 2  1 1 1 1 0,5  0 0 0 -1 -o " + out.string()), 0)
      << err;
  EXPECT_EQ(err, "");
  Scheme scheme(messages);
  ASSERT_TRUE(ReadModelFile(out.string(), scheme).ok);
  EXPECT_EQ(scheme.GetParamCount(2), 13);
  EXPECT_EQ(Block(scheme, 2),
            (std::vector<float>{1.1f, 4.1f, 0, 2, 1, 1, 1, 1, 0.5f, 0, 0, 0, -1}));
  EXPECT_EQ(scheme.GetParamAddress(3), 3 + 13);
  EXPECT_EQ(Block(scheme, 3), (std::vector<float>{3, 2, 1}));
  EXPECT_EQ(Block(scheme, 1), (std::vector<float>{9}));
  EXPECT_EQ(scheme.ParamTop(), 3 + 13 + 3 + 1);
}

TEST_F(CalcSet, SweepGeneratorAndIntegrationParametersInPlace) {
  WriteModel();
  // m, n, points per decade, then the view and scale radio groups.
  ASSERT_EQ(Run(model.string() + " 4 -2 2 50 3 2"), 0) << err;
  ASSERT_EQ(Run(model.string() + " 0 0,5 0.05 10"), 0) << err;
  Scheme scheme(messages);
  ASSERT_TRUE(ReadModelFile(model.string(), scheme).ok);
  EXPECT_EQ(Block(scheme, 4), (std::vector<float>{-2.1f, 2.1f, 3.1f, 2.1f, 50.1f}));
  EXPECT_EQ(scheme.T0(), 0.5f);
  EXPECT_EQ(scheme.H(), 0.05f);
  EXPECT_EQ(scheme.Tk(), 10.0f);
}

TEST_F(CalcSet, RefusedValuesLeaveTheFileAlone) {
  WriteModel();
  const std::string before = Slurp(model);
  EXPECT_EQ(Run(model.string() + " 0 0 0.01 0.005"), 1);
  EXPECT_EQ(err, "Шаг интегрирования велик!\n");
  EXPECT_EQ(Run(model.string() + " 3 1 abc 0"), 1);
  EXPECT_EQ(err,
            "Повторите ввод: Вы ввели ошибочное число!\n"
            "Постоянная времени должна быть положительна!\n");
  EXPECT_EQ(Run(model.string() + " 3 1 1 x"), 1);
  EXPECT_EQ(err, "Повторите ввод: Вы ввели ошибочное число!\n");
  EXPECT_EQ(Run(model.string() + " 4 2 2 90 0 0"), 1);
  EXPECT_EQ(err, "Величина m должна быть меньше величины n!\n");
  EXPECT_EQ(Run(model.string() + " 2 0 1  0  0 1  0"), 1);
  EXPECT_EQ(err, "Старший коэффициент числителя не должен быть нулевым!\n");
  EXPECT_EQ(Slurp(model), before);
}

TEST_F(CalcSet, WarningsAreShownAndTheValuesStored) {
  WriteModel();
  EXPECT_EQ(Run(model.string() + " 5 0"), 0);
  EXPECT_EQ(err,
            "Постоянная дифференцирования меньше шага интегрирования! Расчёт может быть "
            "некорректен\n");
  EXPECT_EQ(Run(model.string() + " 1 1e11"), 0);
  EXPECT_EQ(err, "");
  Scheme scheme(messages);
  ASSERT_TRUE(ReadModelFile(model.string(), scheme).ok);
  EXPECT_EQ(Block(scheme, 5), (std::vector<float>{0}));
  EXPECT_EQ(scheme.GetParamAddress(5), 3 + 10 + 3 + 1);
  EXPECT_EQ(Block(scheme, 1), (std::vector<float>{1e11f}));
}

TEST_F(CalcSet, ValuesThatNoFieldCouldHoldAreUsageErrors) {
  WriteModel();
  const std::string before = Slurp(model);
  EXPECT_EQ(Run(model.string() + " 3 1 1"), 2);
  EXPECT_EQ(err, "Значений меньше, чем полей элемента.\n");
  EXPECT_EQ(Run(model.string() + " 3 1 1 0 7"), 2);
  EXPECT_EQ(err, "Значений больше, чем полей элемента.\n");
  EXPECT_EQ(Run(model.string() + " 4 0 2 90 4 0"), 2);
  EXPECT_EQ(err, "Недопустимое значение поля «Построить ЧХ (F=U+jV=A exp(j*fi) ):»: 4\n");
  EXPECT_EQ(Run(model.string() + " 2 1,5 1"), 2);
  EXPECT_EQ(err, "Недопустимое значение поля «Порядок числителя, m :»: 1,5\n");
  EXPECT_EQ(Run(model.string() + " 6 1"), 2);
  EXPECT_EQ(err, "В схеме нет элемента 6.\n");
  EXPECT_EQ(Run(model.string()), 2);
  EXPECT_EQ(err, "Использование: kortiv-calc set MODEL.krt N VALUE... [-o OUT.krt]\n");
  EXPECT_EQ(Slurp(model), before);
}

}  // namespace
}  // namespace kortiv
