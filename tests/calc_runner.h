#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kortiv::test {

// Runs the batch runner in a scratch folder of its own per test and keeps
// what it printed.
class CalcRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("kortiv-calc-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  // The model file of built-in example k among the test data.
  static std::string Example(int k) {
    return (std::filesystem::path(KORTIV_TEST_DATA) / ("example" + std::to_string(k) + ".krt"))
        .string();
  }

  static std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs kortiv-calc with the arguments; returns the exit status and keeps
  // standard output and standard error.
  int Run(const std::string& arguments) {
    const std::string command = std::string(KORTIV_CALC) + " " + arguments + " >" +
                                (dir / "out").string() + " 2>" + (dir / "err").string();
    const int status = std::system(command.c_str());
    out = Slurp(dir / "out");
    err = Slurp(dir / "err");
    return WEXITSTATUS(status);
  }

  std::filesystem::path dir;
  std::string out, err;
};

}  // namespace kortiv::test
