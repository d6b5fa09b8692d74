// kortiv-calc under stress: a run stopped with Ctrl+C, a run beyond the
// memory it may have, and a run whose values run away.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "calc_runner.h"
#include "diamond_scheme.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

int CountLines(const std::string& text) {
  int lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2)) {
    ++lines;
  }
  return lines + (text.empty() ? 0 : 1);
}

class CalcRobustness : public test::CalcRunner {
 protected:
  // Starts kortiv-calc with the arguments, its output and messages going to
  // files in the scratch folder, and its address space limited to
  // `address_space` bytes when given.
  pid_t Start(const std::vector<std::string>& arguments, const std::string& address_space = "") {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (dir / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&files, 2, (dir / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> all;
    if (!address_space.empty()) all = {"/usr/bin/prlimit", "--as=" + address_space};
    all.push_back(KORTIV_CALC);
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    return pid;
  }

  int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    out = Slurp(dir / "out");
    err = Slurp(dir / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
};

// A loop of thirty diamonds over 100001 points takes far longer than the
// half second after which Ctrl+C comes; the first summator, the head of a
// contour row, has its values stored point by point.
TEST_F(CalcRobustness, CtrlCStopsTheRunAndWritesWhatItReached) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::BuildDiamondScheme(scheme, 30);
  for (int n = 1; n <= scheme.ElementCount(); ++n) scheme.SetControlPoint(n, 0);
  scheme.SetControlPoint(2, 1);
  scheme.RecountControlPoints();
  scheme.SetParam(1, 1e-4f);
  scheme.SetParam(2, 10);
  const std::string model = (dir / "diamonds.krt").string();
  ASSERT_TRUE(WriteModelFile(model, scheme, "ромбы"));
  const std::string results = (dir / "results.txt").string();
  const pid_t pid = Start({"run", model, "-o", results});
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  kill(pid, SIGINT);
  EXPECT_EQ(Wait(pid), 1);
  EXPECT_EQ(err, "Расчёт схемы прерван.\n");
  const std::string text = Slurp(results);
  const int points = CountLines(text) - 3;  // caption, title, heading
  EXPECT_GT(points, 0);
  EXPECT_LT(points, 100001);
  EXPECT_NE(text.find("\r\n   0\t0.0000E+00\t"), std::string::npos);
}

// The result store alone of 5e7 points of two control points passes the
// 1 GB the process may have.
TEST_F(CalcRobustness, ARunBeyondItsMemoryEndsWithAMessage) {
  const std::string model = (dir / "long.krt").string();
  ASSERT_TRUE(test::WriteModel(
      model, {{{1, 1, 101, 0, 1}, {1, 0}}, {{1, 2, 204, 0, 2}, {1, 0.5f, 0}}}, 1e-6f, 49.99f));
  const std::string results = (dir / "results.txt").string();
  const pid_t pid = Start({"run", model, "-o", results}, "1073741824");
  EXPECT_EQ(Wait(pid), 1);
  EXPECT_EQ(err, "Недостаточно памяти для расчёта.\n");
  EXPECT_FALSE(std::filesystem::exists(results));
}

// A step into an aperiodic element with T = 0.004 at h = 0.01 swings wider
// at every step: the run ends with the divergence message, the text shows
// the points up to the last sound one.
TEST_F(CalcRobustness, ARunawayRunIsCutAndReported) {
  const std::string model = (dir / "lag.krt").string();
  ASSERT_TRUE(test::WriteModel(
      model, {{{1, 1, 101, 0}, {1, 0}}, {{1, 2, 204, 0, 1}, {1, 0.004f, 0}}}, 0.01f, 5));
  EXPECT_EQ(Run("run " + model), 0);
  EXPECT_EQ(err,
            "Расчет прерван из-за расходимости процесса! Число расчитываемых точек было "
            "уменьшено. Проверте схему, величины параметров элементов, может необходимо "
            "уменьшить шаг счёта.\n");
  const int points = CountLines(out) - 3;
  EXPECT_GT(points, 50);
  EXPECT_LT(points, 501);
  EXPECT_EQ(out.find("INF"), std::string::npos);
  EXPECT_EQ(out.find("NAN"), std::string::npos);
}

}  // namespace
}  // namespace kortiv
