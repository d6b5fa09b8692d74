#include <string>

#include "calc_runner.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

class CalcAnalysisCommands : public test::CalcRunner {
 protected:
  // Writes a model of the given elements and returns its path.
  std::string Model(std::initializer_list<test::Placed> elements) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    test::Place(scheme, elements);
    const std::string path = (dir / "model.krt").string();
    EXPECT_TRUE(WriteModelFile(path, scheme, "проба"));
    return path;
  }
};

TEST_F(CalcAnalysisCommands, CheckAcceptsEveryBuiltinExample) {
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(Run("check " + Example(k)), 0) << k;
    EXPECT_EQ(out, "Схема корректна.\n") << k;
    EXPECT_EQ(err, "") << k;
  }
}

TEST_F(CalcAnalysisCommands, CheckRefusesAFaultySchemeWithItsMessage) {
  const std::string model = Model({{1, 1, 200, 0}});
  EXPECT_EQ(Run("check " + model), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "В схеме не найдены источники сигналов!\n");
}

TEST_F(CalcAnalysisCommands, HangingElementsAreRefusedUnlessYesIsGiven) {
  // The linear element at (3, 3) is reached by no chain and carries point 2.
  const std::string model = Model({{1, 1, 101, 0, 1}, {1, 2, 200, 0}, {3, 3, 200, 0, 2}});
  EXPECT_EQ(Run("check " + model), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "Подтверждение: В схеме есть 'висящие' элементы! Продолжить расчёт? Нет\n");
  EXPECT_EQ(Run("check " + model + " --yes"), 0);
  EXPECT_EQ(out, "Схема корректна.\n");
  EXPECT_EQ(err,
            "Подтверждение: В схеме есть 'висящие' элементы! Продолжить расчёт? Да\n"
            "С висящего элемента будет удалена точка наблюдения!\n");
}

TEST_F(CalcAnalysisCommands, GraphPrintsTheCountersAndTheFinalRows) {
  EXPECT_EQ(Run("graph " + Example(5)), 0);
  EXPECT_EQ(out,
            "S=1 F=1 F3=0 M=1 X=0 R=3 K=2 C=1\n"
            "1 1 1 2\n"
            "0 -1 1\n"
            "2 2 2 4 1 -3 3\n");
  EXPECT_EQ(err, "");
  const std::string model = Model({{1, 1, 101, 0}, {1, 2, 1, 0}, {1, 3, 200, 0, 1}});
  EXPECT_EQ(Run("graph " + model), 0);
  EXPECT_EQ(out, "S=1 F=0 F3=0 M=0 X=0 R=1 K=0 C=0\n0 1 2 2 3\n");
}

TEST_F(CalcAnalysisCommands, GraphPrintsNothingButTheMessageWhenTheAnalysisStops) {
  const std::string model = Model({{1, 1, 101, 0}, {1, 2, 200, 2}});
  EXPECT_EQ(Run("graph " + model), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "В схеме есть неверно развёрнутые элементы!\n Расчет невозможен.\n");
}

TEST_F(CalcAnalysisCommands, UsageAndFileErrorsExitWithTwo) {
  EXPECT_EQ(Run("check"), 2);
  EXPECT_EQ(err, "Использование: kortiv-calc check MODEL.krt [--yes]\n");
  EXPECT_EQ(Run("graph " + Example(1) + " --no"), 2);
  EXPECT_EQ(err, "Использование: kortiv-calc graph MODEL.krt [--yes]\n");
  EXPECT_EQ(Run("check " + (dir / "none.krt").string()), 2);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace kortiv
