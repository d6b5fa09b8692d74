// Check, Run and Phase portrait: the analysis on the calling thread, the
// calculation on a worker, its messages and results handed over at the end.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "document_fixture.h"

namespace kortiv::test {
namespace {

constexpr std::string_view kInterrupted = "Расчёт схемы прерван.";

// Notes how many messages had been shown when a fault element was named.
class FaultOrderObserver : public DocumentObserver {
 public:
  explicit FaultOrderObserver(const RecordingMessenger& messages) : messages_(messages) {}
  void DocumentChanged(const DocumentChange&) override {}
  void FaultElementShown(int element) override {
    named.push_back({element, messages_.entries.size()});
  }
  std::vector<std::pair<int, std::size_t>> named;

 private:
  const RecordingMessenger& messages_;
};

class RunTest : public DocumentTest {
 protected:
  // Places an element with its parameter values (none: left without a
  // block) and, when asked, a control point.
  void Add(int code, Cell cell, std::vector<float> values = {}, bool control_point = false,
           int orientation = 0) {
    const int n = doc.PlaceElement(code, cell, OnOccupied::kRefuse);
    ASSERT_GT(n, 0);
    for (int turn = 0; turn < orientation; ++turn) doc.Rotate(cell, Rotation::kClockwise);
    if (!values.empty()) {
      doc.ApplyEdit([&](Scheme& scheme) {
        scheme.ResizeParamBlock(n, static_cast<int>(values.size()));
        scheme.AllocateParamBlock(n);
        for (std::size_t i = 0; i < values.size(); ++i) {
          scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), values[i]);
        }
        return true;
      });
    }
    if (control_point) doc.ToggleControlPoint(cell);
  }

  // Example 5 (a feedback loop) over a million points: the contour takes
  // far longer than any test waits.
  void LongFeedbackRun() {
    doc.LoadExample(5);
    doc.ApplyEdit([](Scheme& scheme) {
      scheme.SetParam(1, 1e-4f);
      scheme.SetParam(2, 100.0f);
      return true;
    });
  }

  // Polls like the ui's timer until the worker shows it calculates.
  void WaitUntilCalculating() {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!doc.StatusTexts()[0].starts_with("Идёт расчёт схемы")) {
      ASSERT_TRUE(doc.PollRun());
      ASSERT_LT(std::chrono::steady_clock::now(), give_up);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
};

TEST_F(RunTest, CheckReportsACorrectScheme) {
  doc.LoadExample(1);
  ASSERT_TRUE(doc.Check());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Схема корректна."});
  EXPECT_TRUE(doc.SchemeChecked());
  EXPECT_EQ(doc.StatusTexts()[0], "Анализ схемы завершён");
  EXPECT_EQ(doc.FaultElement(), 0);
}

TEST_F(RunTest, AStoppedWorkerEndsWithTheInterruptedTextAndNoResults) {
  LongFeedbackRun();
  ASSERT_EQ(doc.Run(), RunOutcome::kStarted);
  EXPECT_TRUE(doc.RunBusy());
  WaitUntilCalculating();

  const CommandState busy = doc.Commands(Cell{1, 3});
  EXPECT_TRUE(busy.busy);
  EXPECT_FALSE(busy.scheme_edits);
  EXPECT_FALSE(busy.selection || busy.check || busy.run || busy.undo || busy.paste);
  const std::string image = Image();
  EXPECT_FALSE(doc.Rotate({1, 3}, Rotation::kClockwise));
  EXPECT_FALSE(doc.New());
  EXPECT_FALSE(doc.LoadExample(1));
  EXPECT_FALSE(doc.ApplyEdit([](Scheme& scheme) {
    scheme.SetParam(2, 1.0f);
    return true;
  }));
  EXPECT_EQ(Image(), image);
  EXPECT_EQ(doc.Run(), RunOutcome::kRefused);

  doc.StopRun();
  doc.FinishRun();
  EXPECT_FALSE(doc.RunBusy());
  EXPECT_EQ(doc.StatusTexts()[0], kInterrupted);
  EXPECT_FALSE(doc.LastRunProducedResults());
  EXPECT_FALSE(doc.HasResults());
  EXPECT_FALSE(doc.ResultsValid());
  EXPECT_TRUE(doc.Commands({}).scheme_edits);
  EXPECT_TRUE(messages.entries.empty());
  EXPECT_TRUE(observer.changes.back().run);
}

TEST_F(RunTest, AStopRequestedAtOnceIsNotLost) {
  LongFeedbackRun();
  ASSERT_EQ(doc.Run(), RunOutcome::kStarted);
  doc.StopRun();
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (doc.PollRun()) {
    ASSERT_LT(std::chrono::steady_clock::now(), give_up);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(doc.StatusTexts()[0], kInterrupted);
}

TEST_F(RunTest, ClosingDuringARunStopsIt) {
  LongFeedbackRun();
  messages.answers = {false};  // do not save
  ASSERT_EQ(doc.Run(), RunOutcome::kStarted);
  EXPECT_TRUE(doc.RequestClose());
  EXPECT_FALSE(doc.RunBusy());
}

TEST_F(RunTest, AWorkerHandsItsResultsAndItsMessagesOverAtTheEnd) {
  // A differentiator meets a jump of 1e10 in one step at point 120.
  Add(101, {1, 1}, {1e10f, 1.195f});
  Add(202, {1, 2}, {1}, true);
  Add(200, {1, 3}, {1}, true);
  ASSERT_EQ(doc.Run(), RunOutcome::kStarted);
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (doc.PollRun()) {
    ASSERT_LT(std::chrono::steady_clock::now(), give_up);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(messages.entries.size(), 1u);
  EXPECT_TRUE(messages.Texts()[0].starts_with("Расчет прерван из-за расходимости процесса!"));
  ASSERT_NE(doc.results(), nullptr);
  EXPECT_EQ(doc.results()->last_point, 120);
  EXPECT_TRUE(doc.results()->results_ready);
  EXPECT_TRUE(doc.ResultsValid());
  EXPECT_TRUE(doc.LastRunProducedResults());
  EXPECT_EQ(doc.StatusTexts()[0], "Расчёт схемы завершён.");
  EXPECT_FLOAT_EQ(doc.working_times().tk, 5.0f);

  // Valid results are shown again, not calculated anew.
  const RunState* results = doc.results();
  EXPECT_EQ(doc.Run(), RunOutcome::kShowExisting);
  EXPECT_EQ(doc.results(), results);
}

TEST_F(RunTest, TheWorkingTimesFollowTheLastRun) {
  doc.LoadExample(5);
  doc.ApplyEdit([](Scheme& scheme) {
    scheme.SetParam(1, 0.05f);
    scheme.SetParam(2, 2.0f);
    return true;
  });
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  EXPECT_FLOAT_EQ(doc.working_times().h, 0.05f);
  EXPECT_FLOAT_EQ(doc.working_times().tk, 2.0f);
  EXPECT_EQ(doc.results()->last_point, 40);
}

TEST_F(RunTest, MissingParametersNameTheFirstElementBeforeTheMessage) {
  FaultOrderObserver order(messages);
  doc.AddObserver(order);
  Add(101, {1, 1}, {1, 0});
  Add(1, {1, 2});
  Add(200, {1, 3});
  Add(204, {1, 4});
  EXPECT_FALSE(doc.Check());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Для 2-х элементов не заданы параметры!"});
  EXPECT_EQ(doc.FaultElement(), 3);
  EXPECT_EQ(order.named, (std::vector<std::pair<int, std::size_t>>{{3, 0u}}));
  doc.RemoveObserver(order);
}

TEST_F(RunTest, AWronglyTurnedElementIsNamed) {
  Add(101, {1, 1}, {1, 0});
  Add(200, {1, 2}, {1}, true, 2);  // faces the source
  EXPECT_FALSE(doc.Check());
  ASSERT_EQ(messages.entries.size(), 1u);
  EXPECT_EQ(doc.FaultElement(), 2);
  EXPECT_EQ(observer.fault_elements, std::vector<int>{2});
}

TEST_F(RunTest, AnUnconnectedInputNamesItsSummator) {
  Add(101, {1, 1}, {1, 0});
  Add(9, {1, 2}, {}, true);
  EXPECT_FALSE(doc.Check());
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"В схеме есть незадействованные входа!\nРасчет невозможен."});
  EXPECT_EQ(doc.FaultElement(), 2);
}

TEST_F(RunTest, AHangingElementIsNamedWithTheQuestionAndLosesItsControlPoint) {
  Add(101, {1, 1}, {1, 0}, true);
  Add(200, {4, 4}, {1}, true);
  messages.answers = {true};
  ASSERT_TRUE(doc.Check());
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"В схеме есть 'висящие' элементы! Продолжить расчёт?",
                                      "С висящего элемента будет удалена точка наблюдения!",
                                      "Схема корректна."}));
  EXPECT_EQ(observer.fault_elements, std::vector<int>{2});
  EXPECT_EQ(doc.scheme().ControlPointCount(), 1);
  EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
}

TEST_F(RunTest, PhasePortraitNeedsAnEvenCountAndNoSweepGenerator) {
  doc.LoadExample(1);  // five control points
  EXPECT_EQ(doc.PhasePortrait(Document::RunMode::kWait), RunOutcome::kRefused);
  ASSERT_EQ(messages.entries.size(), 1u);
  EXPECT_EQ(messages.Texts()[0],
            "Для построения фазового портрета в схеме должно быть отмечено чётное число точек, "
            "причём: нечётные - для оси абсцисс x, а чётные - для оси ординат y.");
  EXPECT_FALSE(doc.HasResults());

  messages.Clear();
  doc.New();
  Add(112, {1, 1}, {1, 0, 1, 3, 20});
  Add(200, {1, 2}, {1}, true);
  Add(201, {1, 3}, {1, 0}, true);
  EXPECT_EQ(doc.PhasePortrait(Document::RunMode::kWait), RunOutcome::kRefused);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Фазовый портрет в схеме с ГКЧ не строится!"});
}

TEST_F(RunTest, APortraitOfValidResultsReusesThemAndTheNextRunCalculatesAgain) {
  doc.LoadExample(1);
  doc.ToggleControlPoint({2, 1});  // four points left
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  const RunState* results = doc.results();
  ASSERT_EQ(doc.PhasePortrait(Document::RunMode::kWait), RunOutcome::kShowExisting);
  EXPECT_EQ(doc.results(), results);
  EXPECT_TRUE(doc.PhasePortraitMode());
  EXPECT_TRUE(doc.HasResults());
  EXPECT_FALSE(doc.ResultsValid());
  EXPECT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  EXPECT_FALSE(doc.PhasePortraitMode());
  EXPECT_TRUE(doc.ResultsValid());
}

TEST_F(RunTest, APortraitWithoutResultsCalculatesThem) {
  doc.LoadExample(1);
  doc.ToggleControlPoint({2, 1});
  ASSERT_EQ(doc.PhasePortrait(Document::RunMode::kWait), RunOutcome::kFinished);
  EXPECT_TRUE(doc.PhasePortraitMode());
  EXPECT_TRUE(doc.HasResults());
  EXPECT_EQ(doc.results()->control_points, 4);
}

// A message box runs an event loop of its own, in which the ui's timer polls
// the run again.
class NestedPollingMessenger : public RecordingMessenger {
 public:
  void Show(std::string_view text, std::string_view caption = {}) override {
    RecordingMessenger::Show(text, caption);
    if (on_show) on_show();
  }
  std::function<void()> on_show;
};

TEST(RunReentryTest, AMessageBoxInWhichTheTimerFinishesTheRunIsSafe) {
  NestedPollingMessenger messages;
  RecordingFileChooser files;
  RecordingTextInput text_input;
  Document doc(messages, files, text_input);
  doc.LoadExample(5);  // a feedback loop over a million points: long
  const int general = doc.PlaceElement(212, {5, 2}, OnOccupied::kRefuse);
  doc.PlaceElement(101, {5, 1}, OnOccupied::kRefuse);
  doc.ApplyEdit([&](Scheme& scheme) {
    scheme.SetParam(1, 1e-4f);
    scheme.SetParam(2, 100.0f);
    // All zeros: no leading denominator coefficient, reported at once.
    scheme.AllocateParamBlock(general);
    scheme.AllocateParamBlock(general + 1);
    return true;
  });
  // The box's own event loop: the user presses Esc, the timer ends the run.
  messages.on_show = [&] {
    doc.StopRun();
    while (doc.PollRun()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  ASSERT_EQ(doc.Run(), RunOutcome::kStarted);
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (doc.PollRun()) {
    ASSERT_LT(std::chrono::steady_clock::now(), give_up);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_FALSE(doc.RunBusy());
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Неверно задан старший коэффициент an знаменателя!"});
  EXPECT_EQ(doc.StatusTexts()[0], kInterrupted);
}

}  // namespace
}  // namespace kortiv::test
