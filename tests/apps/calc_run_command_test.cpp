#include <string>
#include <vector>

#include "calc_runner.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

// Parameters of element n (1-based in placing order).
struct Params {
  int element;
  std::vector<float> values;
};

class CalcRunCommand : public test::CalcRunner {
 protected:
  // Writes a model with the integration parameters T0, h, Tk and returns
  // its path.
  std::string Model(std::initializer_list<test::Placed> elements, std::vector<Params> params,
                    float h = 0.5f, float tk = 2) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    test::Place(scheme, elements);
    for (const Params& p : params) {
      for (std::size_t i = 0; i < p.values.size(); ++i) {
        scheme.SetParam(scheme.GetParamAddress(p.element) + static_cast<int>(i), p.values[i]);
      }
    }
    scheme.SetParam(0, 0);
    scheme.SetParam(1, h);
    scheme.SetParam(2, tk);
    const std::string path = (dir / "model.krt").string();
    EXPECT_TRUE(WriteModelFile(path, scheme, "проба"));
    return path;
  }

  // A step of height 1 at (1, 1) with control point 1 and nothing after it.
  std::string StepModel() { return Model({{1, 1, 101, 0, 1}}, {{1, {1, 0}}}); }

  // The lines of the results text after its caption line.
  static std::vector<std::string> LinesAfterCaption(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = text.find("\r\n") + 2;
    for (auto end = text.find("\r\n", start); end != std::string::npos;
         end = text.find("\r\n", start)) {
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
  }
};

TEST_F(CalcRunCommand, WritesTheResultsTextOfATimeRun) {
  EXPECT_EQ(Run("run " + StepModel()), 0);
  EXPECT_EQ(err, "");
  EXPECT_TRUE(out.starts_with("Kortiv: model : проба     ")) << out;
  EXPECT_EQ(
      LinesAfterCaption(out),
      (std::vector<std::string>{"\t\tРезультаты расчёта в контрольных точках vp.",
                                "   i\t   t    \t vp=1   ", "   0\t0.0000E+00\t1.0000E+00",
                                "   1\t5.0000E-01\t1.0000E+00", "   2\t1.0000E+00\t1.0000E+00",
                                "   3\t1.5000E+00\t1.0000E+00", "   4\t2.0000E+00\t1.0000E+00"}));
}

TEST_F(CalcRunCommand, ChoosesThePointsAndWritesToAFile) {
  const fs::path file = dir / "results.txt";
  EXPECT_EQ(Run("run " + StepModel() + " --from 1 --every 2 --to 4 -o " + file.string()), 0);
  EXPECT_EQ(out, "");
  const auto lines = LinesAfterCaption(Slurp(file));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[2].starts_with("   1\t"));
  EXPECT_TRUE(lines[3].starts_with("   3\t"));
}

TEST_F(CalcRunCommand, SummatorFedBackThroughAForkUsesItsPreviousOutput) {
  // Step -> subtracting summator (point 1) -> fork; the fork's turned output
  // goes down, left and up into the summator's subtracted input.
  const std::string model = Model(
      {{1, 1, 101, 0}, {1, 2, 13, 0, 1}, {1, 3, 5, 0}, {2, 3, 2, 2}, {2, 2, 2, 3}}, {{1, {1, 0}}});
  EXPECT_EQ(Run("run " + model), 0) << err;
  const auto lines = LinesAfterCaption(out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2], "   0\t0.0000E+00\t1.0000E+00");
  EXPECT_EQ(lines[3], "   1\t5.0000E-01\t0.0000E+00");
  EXPECT_EQ(lines[4], "   2\t1.0000E+00\t1.0000E+00");
  EXPECT_EQ(lines[5], "   3\t1.5000E+00\t0.0000E+00");
}

TEST_F(CalcRunCommand, MultiplierMultipliesItsSources) {
  // Step of 2 from the left, ramp of slope 1 from below.
  const std::string model =
      Model({{1, 1, 101, 0}, {1, 2, 18, 0, 1}, {2, 2, 102, 3}}, {{1, {2, 0}}, {3, {1, 0}}});
  EXPECT_EQ(Run("run " + model), 0) << err;
  const auto lines = LinesAfterCaption(out);
  EXPECT_EQ(lines[4], "   2\t1.0000E+00\t2.0000E+00");
  EXPECT_EQ(lines[6], "   4\t2.0000E+00\t4.0000E+00");
}

TEST_F(CalcRunCommand, FrequencyRunHeadingsFollowTheUnitOptions) {
  // A sweep generator over one decade, 4 points, carrying control point 1.
  const std::string model = Model({{1, 1, 112, 0, 1}}, {{1, {0, 1, 0, 0, 4}}});
  EXPECT_EQ(Run("run " + model + " --hertz --degrees"), 0) << err;
  const auto lines = LinesAfterCaption(out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "\t\tРезультаты расчёта частотных характеристик.");
  EXPECT_EQ(lines[1], "   i\t    f, Гц\t  A1(f)  \t fi1(f), гр");
  EXPECT_EQ(lines[3], "   1\t3.2500E+00\t1.0000E+00\t0.0000E+00");
  EXPECT_EQ(lines[6], "   4\t1.0000E+01\t1.0000E+00\t0.0000E+00");
}

TEST_F(CalcRunCommand, FrequencyRunOnALogarithmicScale) {
  // Scale choice 2: lg w and the amplitude in decibels.
  const std::string model = Model({{1, 1, 112, 0, 1}}, {{1, {0, 2, 0, 2, 2}}});
  EXPECT_EQ(Run("run " + model + " --every 2"), 0) << err;
  const auto lines = LinesAfterCaption(out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "   i\t  lg w  \t  L1(lg w), дБ\t fi1(lg w), рад");
  EXPECT_EQ(lines[3], "   2\t1.0000E+00\t0.0000E+00\t0.0000E+00");
  EXPECT_EQ(lines[4], "   4\t2.0000E+00\t0.0000E+00\t0.0000E+00");
}

TEST_F(CalcRunCommand, SettingsFileGivesTheUnitsThatOptionsDoNotOverride) {
  UserSettings settings;
  settings.FreqInHertz = true;
  test::RecordingMessenger messages;
  ASSERT_TRUE(SaveUserSettings(settings, (dir / "Kortiv.usr").string(), messages));
  const std::string model = Model({{1, 1, 112, 0, 1}}, {{1, {0, 1, 0, 0, 4}}});
  EXPECT_EQ(Run("run " + model + " --settings " + (dir / "Kortiv.usr").string()), 0) << err;
  EXPECT_EQ(LinesAfterCaption(out)[1], "   i\t    f, Гц\t  A1(f)  \t fi1(f), рад");
}

TEST_F(CalcRunCommand, PhasePortraitNeedsAnEvenNumberOfPoints) {
  EXPECT_EQ(Run("run " + StepModel() + " --portrait"), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err,
            "Для построения фазового портрета в схеме должно быть отмечено чётное число точек, "
            "причём: нечётные - для оси абсцисс x, а чётные - для оси ординат y.\n");

  const std::string pair =
      Model({{1, 1, 101, 0, 1}, {3, 1, 102, 0, 2}}, {{1, {1, 0}}, {2, {1, 0}}});
  EXPECT_EQ(Run("run " + pair + " --portrait --to 1"), 0);
  const auto lines = LinesAfterCaption(out);
  EXPECT_EQ(lines[0], "\t\tРезультаты расчёта фазового портрета.");
  EXPECT_EQ(lines[1], "   i\t   t    \t x(vp=1)\t y(vp=2)");
  EXPECT_EQ(lines[3], "   1\t5.0000E-01\t1.0000E+00\t5.0000E-01");
}

TEST_F(CalcRunCommand, AnalysisFaultsRefuseTheRun) {
  const std::string model = Model({{1, 1, 200, 0, 1}}, {});
  EXPECT_EQ(Run("run " + model), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "В схеме не найдены источники сигналов!\n");
}

TEST_F(CalcRunCommand, BadOptionsShowTheUsage) {
  const std::string model = StepModel();
  for (const std::string options :
       {"", " --ode 3", " --every 0", " --from", " --to x", " --fast", " other.krt"}) {
    EXPECT_EQ(Run("run" + (options.empty() ? options : " " + model + options)), 2) << options;
    EXPECT_TRUE(err.starts_with("Использование: kortiv-calc run MODEL.krt [-o FILE]")) << err;
  }
  EXPECT_EQ(Run("run " + (dir / "missing.krt").string()), 2);
  EXPECT_NE(err, "");
}

}  // namespace
}  // namespace kortiv
