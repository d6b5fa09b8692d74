#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc_runner.h"

namespace {

namespace fs = std::filesystem;

class CalcModelCommands : public kortiv::test::CalcRunner {};

TEST_F(CalcModelCommands, ExampleWritesTheModelFileOfTheBuiltinExample) {
  const fs::path model = dir / "e3.krt";
  EXPECT_EQ(Run("example 3 -o " + model.string()), 0);
  EXPECT_EQ(Slurp(model), Slurp(fs::path(KORTIV_TEST_DATA) / "example3.krt"));
  EXPECT_EQ(err, "");
}

TEST_F(CalcModelCommands, CopyWritesTheSameBytesBack) {
  const fs::path copy = dir / "copy.krt";
  const fs::path source = fs::path(KORTIV_TEST_DATA) / "example6.krt";
  EXPECT_EQ(Run("copy " + source.string() + " " + copy.string()), 0);
  EXPECT_EQ(Slurp(copy), Slurp(source));
}

TEST_F(CalcModelCommands, InfoListsCountsAndElements) {
  EXPECT_EQ(Run("info " + (fs::path(KORTIV_TEST_DATA) / "example1.krt").string()), 0);
  EXPECT_NE(out.find("Модель\tЛинейные схемы\n"), std::string::npos) << out;
  EXPECT_NE(out.find("ElementCount\t13\nParamTop\t15\nParamBlockCount\t6\nControlPointCount\t5\n"
                     "T0\t0\nh\t0.01\nTk\t5\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\n6\t1\t3\t300\tОграничитель\t2\t2\t3\t5\t2.6\t-6.2\t1\n"), std::string::npos)
      << out;
  EXPECT_NE(out.find("\n7\t1\t2\t3\tЛевый поворот\t1\t0\t0\t0\n"), std::string::npos) << out;
}

TEST_F(CalcModelCommands, FileAndUsageErrorsExitWithTwo) {
  const fs::path junk = dir / "junk.krt";
  std::ofstream(junk) << "not a model";
  EXPECT_EQ(Run("info " + junk.string()), 2);
  EXPECT_EQ(err, "Kortiv не понимает формата файла '" + junk.string() + "'.\n");
  EXPECT_EQ(Run("copy " + (dir / "none.krt").string() + " " + (dir / "x.krt").string()), 2);
  EXPECT_EQ(err, "Файл " + (dir / "none.krt").string() + " не удаётся открыть.\n");
  EXPECT_FALSE(fs::exists(dir / "x.krt"));
  const std::string example_usage =
      "Использование: kortiv-calc example K -o FILE.krt (K от 1 до 6)\n";
  EXPECT_EQ(Run("example 7 -o " + (dir / "x.krt").string()), 2);
  EXPECT_EQ(err, example_usage);
  EXPECT_FALSE(fs::exists(dir / "x.krt"));
  EXPECT_EQ(Run("example 1 " + (dir / "x.krt").string()), 2);
  EXPECT_EQ(err, example_usage);
  EXPECT_EQ(Run("example 12 -o " + (dir / "x.krt").string()), 2);
  EXPECT_EQ(err, example_usage);
  EXPECT_EQ(Run("copy " + junk.string()), 2);
  EXPECT_EQ(err, "Использование: kortiv-calc copy IN.krt OUT.krt\n");
  EXPECT_EQ(Run("info"), 2);
  EXPECT_EQ(err, "Использование: kortiv-calc info MODEL.krt\n");
  EXPECT_EQ(Run("no-such-command"), 2);
}

}  // namespace
