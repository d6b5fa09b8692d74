#include "params/validate_parameters.h"

#include <gtest/gtest.h>

#include "recording_messenger.h"

namespace kortiv {
namespace {

using Texts = std::vector<std::string>;

class ValidateParametersTest : public ::testing::Test {
 protected:
  // Validates `code` with txtPar1.. given in order; returns the verdict and
  // leaves the messages in `messages`.
  bool Validate(int code, std::array<float, 5> texts, int m = 0, int n = 0, int p = 0) {
    FieldNumbers numbers;
    numbers.texts = texts;
    numbers.m = m;
    numbers.n = n;
    numbers.p = p;
    return ValidateParameters(code, numbers, times, stats, messages);
  }
  bool ValidateGeneral(int m, int n, std::vector<float> b, std::vector<float> a) {
    FieldNumbers numbers;
    numbers.m = m;
    numbers.n = n;
    numbers.b = std::move(b);
    numbers.a = std::move(a);
    return ValidateParameters(212, numbers, times, stats, messages);
  }
  Texts Messages() const { return messages.Texts(); }

  WorkingTimes times;  // 0, 0.01, 5
  TimeScaleStats stats;
  test::RecordingMessenger messages;
};

TEST_F(ValidateParametersTest, IntegrationParametersStopAtTheFirstError) {
  EXPECT_FALSE(Validate(0, {0, 0.01f, 0.005f}));
  EXPECT_EQ(Messages(), Texts{"Шаг интегрирования велик!"});
  messages.Clear();
  EXPECT_FALSE(Validate(0, {5, -1, 5}));
  EXPECT_EQ(Messages(), Texts{"Начальный момент должен быть меньше конечного!"});
  messages.Clear();
  EXPECT_FALSE(Validate(0, {-1, 0, 5}));
  EXPECT_EQ(Messages(), Texts{"Начальный момент должен быть неотрицательным!"});
  messages.Clear();
  EXPECT_FALSE(Validate(0, {0, 0, 5}));
  EXPECT_EQ(Messages(), Texts{"Шаг интегрирования должен быть положительным!"});
  messages.Clear();
  EXPECT_TRUE(Validate(0, {0, 0.01f, 5}));
  EXPECT_TRUE(Messages().empty());
}

// A refusal names the field of its first error, so the form can put the
// focus there; warnings name none.
TEST_F(ValidateParametersTest, RefusalsNameTheFieldOfTheFirstError) {
  struct Case {
    int code;
    std::array<float, 5> texts;
    ControlId field;
  };
  const std::vector<Case> cases = {
      {0, {0, 0, 5}, ControlId::kTxtPar2},
      {0, {-1, 0, 5}, ControlId::kTxtPar1},
      {107, {1, 0, 0, 1, 0}, ControlId::kTxtAux1},
      {107, {1, 0, 9, 1, 1}, ControlId::kTxtPar3},
      {110, {1, 2, 1}, ControlId::kTxtPar2},
      {213, {0.5f, 10, -1}, ControlId::kTxtPar3},
      {302, {-0.5f, -0.1f, 0.1f, 0.5f, 0}, ControlId::kTxtAux1},
      {304, {-0.5f, 0.5f, 0.1f, 0, 0}, ControlId::kTxtPar4},
      {308, {-0.5f, -0.2f, -0.3f, 0.5f, 0}, ControlId::kTxtPar2},
  };
  for (const Case& c : cases) {
    FieldNumbers numbers;
    numbers.texts = c.texts;
    numbers.n = 4;
    RefusedField refused{.control = ControlId::kRgScale};
    EXPECT_FALSE(ValidateParameters(c.code, numbers, times, stats, messages, &refused)) << c.code;
    EXPECT_EQ(refused, RefusedField{.control = c.field}) << c.code;
  }
  FieldNumbers sweep;
  sweep.m = 1;
  sweep.n = 3;
  sweep.p = 1;
  RefusedField refused;
  EXPECT_FALSE(ValidateParameters(112, sweep, times, stats, messages, &refused));
  EXPECT_EQ(refused.control, ControlId::kCseP);

  FieldNumbers general;
  general.m = 1;
  general.n = 2;
  general.b = {1, 0};
  general.a = {1, 1, 0};
  EXPECT_FALSE(ValidateParameters(212, general, times, stats, messages, &refused));
  EXPECT_EQ(refused, (RefusedField{.control = ControlId::kStringGridPar,
                                   .grid_row = CoefficientGrid::kNumeratorRow,
                                   .grid_index = 1}));
  refused = {};
  EXPECT_TRUE(ValidateParameters(203, FieldNumbers{}, times, stats, messages, &refused));
  EXPECT_EQ(refused, RefusedField{});
}

TEST_F(ValidateParametersTest, ShortTimeConstantWarnsButAcceptsTheStep) {
  EXPECT_TRUE(Validate(204, {1, 0.005f, 0}));
  EXPECT_TRUE(Validate(0, {0, 0.01f, 5}));
  EXPECT_EQ(Messages(), Texts{"Расчёт будет некорректен, так как шаг интегрирования больше "
                              "минимального характерного времени схемы!"});
}

TEST_F(ValidateParametersTest, EarlierElementsMakeTheIntegrationParametersWarn) {
  EXPECT_TRUE(Validate(204, {1, 0.005f, 0}));  // aperiodic T = 0.005
  EXPECT_TRUE(Validate(204, {1, 20, 0}));
  EXPECT_TRUE(Validate(203, {2}));  // pure delay 2
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Validate(0, {3, 0.01f, 5}));
  EXPECT_EQ(Messages(),
            (Texts{"Расчёт будет некорректен, так как шаг интегрирования больше минимального "
                   "характерного времени схемы!",
                   "Расчёт может быть непоказателен, так как интервал интегрирования меньше "
                   "максимального характерного времени схемы!",
                   "Расчёт может быть некорректен, так как начальный момент больше минимального "
                   "времени задержки в схеме!",
                   "Расчёт может быть некорректен, так как интервал интегрирования не больше "
                   "максимального времени задержки в схеме!"}));
  messages.Clear();
  EXPECT_TRUE(Validate(0, {0, 0.001f, 30}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ValidateParametersTest, DelayEqualToTheIntervalIsRefused) {
  EXPECT_FALSE(Validate(203, {5}));
  EXPECT_EQ(Messages(), Texts{"Запаздывание превышает интервал интегрирования!"});
  messages.Clear();
  EXPECT_TRUE(Validate(203, {4.99f}));
  EXPECT_FALSE(Validate(203, {-1}));
  EXPECT_EQ(Messages(), Texts{"Запаздывание не может быть отрицательным!"});
  EXPECT_EQ(stats.MaxDelay, 5.0f);  // fed even when refused
}

TEST_F(ValidateParametersTest, OscillatoryDampingWithinOne) {
  EXPECT_TRUE(Validate(211, {1, 1, 1}));
  EXPECT_TRUE(Validate(211, {1, 1, -1}));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Validate(211, {1, 1, 1.0001f}));
  EXPECT_EQ(Messages(), Texts{"Для колебательного звена должно выполняться: |d|<=1 !"});
  messages.Clear();
  EXPECT_FALSE(Validate(211, {1, 0, -2}));
  EXPECT_EQ(Messages(), (Texts{"Постоянная времени должна быть положительна!",
                               "Для колебательного звена должно выполняться: |d|<=1 !"}));
}

TEST_F(ValidateParametersTest, SourcesCheckFrequencyDelayAndPeriods) {
  EXPECT_FALSE(Validate(100, {2, 0}));
  EXPECT_EQ(Messages(), Texts{"Частота должна быть положительной!"});
  EXPECT_EQ(stats.MaxCharTime, 0.0f);
  messages.Clear();
  EXPECT_TRUE(Validate(103, {2, 400}));  // half-period pi/400 < h
  EXPECT_EQ(Messages(),
            Texts{"Расчёт будет некорректен, так как шаг интегрирования больше полупериода!"});
  messages.Clear();
  // Both delay errors of a step show, one after the other.
  times = {6, 0.01f, 5};
  EXPECT_FALSE(Validate(101, {1, -0.5f}));
  EXPECT_EQ(Messages(), (Texts{"Задержка превышает интервал интегрирования!",
                               "Задержка не может быть отрицательной!"}));
  times = {};
  messages.Clear();
  EXPECT_FALSE(Validate(104, {1, 0, 0}));
  EXPECT_EQ(Messages(), Texts{"Длительность импульса должна быть положительной!"});
  messages.Clear();
  EXPECT_FALSE(Validate(106, {1, 0}));
  EXPECT_EQ(Messages(), Texts{"Период должен быть положительным!"});
  messages.Clear();
  EXPECT_FALSE(Validate(109, {-1}));
  EXPECT_EQ(Messages(), Texts{"Мощность должна быть неотрицательной!"});
}

TEST_F(ValidateParametersTest, PulsePacketNestsItsErrors) {
  EXPECT_FALSE(Validate(107, {1, 0, 0, 0, 0}, 0, 4));
  EXPECT_EQ(Messages(), Texts{"Длительность импульса должна быть положительной!"});
  messages.Clear();
  EXPECT_FALSE(Validate(107, {1, 0, 0, 1, 0}, 0, 4));
  EXPECT_EQ(Messages(), Texts{"Длительность паузы должна быть положительной!"});
  messages.Clear();
  EXPECT_FALSE(Validate(107, {1, 0, 0, 0.005f, 0.5f}, 0, 0));
  EXPECT_EQ(Messages(), (Texts{"Расчёт будет некорректен, так как длительность импульса меньше "
                               "шага интегрирования!",
                               "Число импульсов должно быть положительным!"}));
  messages.Clear();
  EXPECT_TRUE(Validate(107, {1, 0, 0.5f, 1, 0.5f}, 0, 4));
  EXPECT_EQ(stats.MaxCharTime, 4 * 1 + 3 * 0.5f);
  EXPECT_EQ(stats.MaxDelay, 0.5f);
}

TEST_F(ValidateParametersTest, PulseSequenceAndTriangularStopOnNonPositivePeriods) {
  EXPECT_FALSE(Validate(110, {1, 0, 0}));
  EXPECT_EQ(Messages(), Texts{"Длительность импульса должна быть положительной!"});
  messages.Clear();
  EXPECT_FALSE(Validate(110, {1, 2, 1}));
  EXPECT_EQ(Messages(), Texts{"Длительность импульса должна быть меньше периода!"});
  messages.Clear();
  EXPECT_FALSE(Validate(111, {1, -1, 0}));
  EXPECT_EQ(Messages(), Texts{"Период должен быть положительным!"});
  messages.Clear();
  EXPECT_FALSE(Validate(111, {1, -1, 2}));
  EXPECT_EQ(Messages(), Texts{"Длительность переднего фронта должна быть неотрицательной!"});
  messages.Clear();
  EXPECT_FALSE(Validate(111, {1, 0.015f, 0.015f}));
  EXPECT_EQ(Messages(), (Texts{"Длительность переднего фронта должна быть меньше периода!",
                               "Расчёт будет некорректен, так как шаг интегрирования больше "
                               "полупериода!"}));
}

TEST_F(ValidateParametersTest, SweepGeneratorOrders) {
  EXPECT_FALSE(Validate(112, {}, 2, 2, 90));
  EXPECT_EQ(Messages(), Texts{"Величина m должна быть меньше величины n!"});
  messages.Clear();
  EXPECT_FALSE(Validate(112, {}, -2, 2, 1));
  EXPECT_EQ(Messages(), Texts{"Число точек на декаду должно быть больше 1!"});
  messages.Clear();
  EXPECT_TRUE(Validate(112, {}, -2, 2, 2));
}

TEST_F(ValidateParametersTest, LinearConstantsAgainstTheStep) {
  EXPECT_TRUE(Validate(202, {0}));
  EXPECT_EQ(Messages(), Texts{"Постоянная дифференцирования меньше шага интегрирования! Расчёт "
                              "может быть некорректен"});
  messages.Clear();
  EXPECT_FALSE(Validate(201, {0}));
  EXPECT_EQ(Messages(), (Texts{"Постоянная интегрирования должна быть положительна!",
                               "Постоянная интегрирования меньше шага интегрирования! Расчёт "
                               "может быть некорректен"}));
  messages.Clear();
  EXPECT_FALSE(Validate(213, {1, 10, -1}));
  EXPECT_EQ(Messages(), (Texts{"Постоянная дифференцирования должна быть неотрицательна!",
                               "Постоянная дифференцирования меньше шага интегрирования! Расчёт "
                               "может быть некорректен"}));
  messages.Clear();
  EXPECT_FALSE(Validate(207, {1, -1, 0}));
  EXPECT_EQ(Messages(), (Texts{"Постоянная времени Td должна быть неотрицательна!",
                               "Постоянная интегрирования Ti должна быть положительна!"}));
  messages.Clear();
  EXPECT_FALSE(Validate(210, {1, 1, 0}));
  EXPECT_EQ(Messages(), Texts{"Постоянная времени T2 должна быть положительна!"});
  messages.Clear();
  EXPECT_FALSE(Validate(210, {1, -1, -1}));
  EXPECT_EQ(Messages(), (Texts{"Постоянная времени T1 должна быть положительна!",
                               "Постоянная времени T2 должна быть положительна!"}));
  messages.Clear();
  EXPECT_TRUE(Validate(200, {0}));
  EXPECT_TRUE(Validate(503, {0}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ValidateParametersTest, GeneralElementNeedsNonZeroLeadingCoefficients) {
  EXPECT_FALSE(ValidateGeneral(1, 2, {1, 0}, {0, 1, 0}));
  EXPECT_EQ(Messages(), (Texts{"Старший коэффициент числителя не должен быть нулевым!",
                               "Старший коэффициент знаменателя не должен быть нулевым!"}));
  messages.Clear();
  EXPECT_FALSE(ValidateGeneral(-1, -1, {}, {}));
  EXPECT_EQ(Messages(), Texts{"Величина m должна быть неотрицательна!"});
  messages.Clear();
  EXPECT_FALSE(ValidateGeneral(0, -1, {0}, {}));  // stops before the coefficients
  EXPECT_EQ(Messages(), Texts{"Величина n должна быть неотрицательна!"});
  messages.Clear();
  // The numerator order may exceed the denominator order.
  EXPECT_TRUE(ValidateGeneral(3, 1, {0, 0, 0, 2}, {5, 1}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ValidateParametersTest, NonlinearBounds) {
  EXPECT_FALSE(Validate(301, {0.1f, 0.2f, 1}));
  EXPECT_EQ(Messages(), Texts{"Левая и правая границы должны быть разных знаков или 0!"});
  messages.Clear();
  EXPECT_TRUE(Validate(301, {0, 0.2f, 1}));
  EXPECT_FALSE(Validate(301, {0.3f, -0.2f, 0}));
  EXPECT_EQ(Messages(), (Texts{"Левая граница а1 не должна быть правее правой a2!",
                               "Коэффициент k должен быть положительным!"}));
  messages.Clear();
  EXPECT_FALSE(Validate(300, {-1, 1, 1}));
  EXPECT_EQ(Messages(), Texts{"Верхний предел A должен быть выше нижнего B!"});
  messages.Clear();
  EXPECT_FALSE(Validate(302, {-0.5f, 0.2f, 0.1f, 0.5f, 1}));
  EXPECT_EQ(Messages(), (Texts{"Левая граница а1 должна быть левее правой a2!",
                               "Левая и правая границы должны быть разных знаков или 0!"}));
  messages.Clear();
  EXPECT_FALSE(Validate(306, {1, -1, 0.1f, 0.1f}));
  EXPECT_EQ(Messages(), (Texts{"Верхнее значение A должно быть выше нижнего B!",
                               "Левая граница а1 должна быть левее правой a2!"}));
}

TEST_F(ValidateParametersTest, BacklashInitialValues) {
  EXPECT_TRUE(Validate(303, {0.1f, 1, 0.2f}));
  EXPECT_EQ(Messages(), Texts{"Возможно, начальное значение, зависящее от x при t=0, задано "
                              "неверно!"});
  messages.Clear();
  EXPECT_FALSE(Validate(303, {0, 0, 5}));
  EXPECT_EQ(Messages(), Texts{"Величина полулюфта должна быть положительна!"});
  messages.Clear();
  EXPECT_FALSE(Validate(304, {-0.5f, 0.5f, 0.1f, 1, 0.6f}));
  EXPECT_EQ(Messages(),
            Texts{"Начальное значение не может выходить за верхний или нижний пределы!"});
  messages.Clear();
  EXPECT_TRUE(Validate(304, {-0.5f, 0.5f, 0.1f, 1, 0.4f}));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ValidateParametersTest, RelaysWithHysteresisNeedAReachableInitialValue) {
  EXPECT_FALSE(Validate(307, {-1, 1, -0.2f, 0.2f, 0}));
  EXPECT_EQ(Messages(), Texts{"Начальное значение не равно ни нижнему, ни верхнему значению!"});
  messages.Clear();
  EXPECT_TRUE(Validate(307, {-1, 1, -0.2f, 0.2f, 1}));
  EXPECT_FALSE(Validate(308, {-0.5f, -0.2f, 0.2f, 0.5f, 0.5f}));
  EXPECT_EQ(Messages(), Texts{"Начальное значение не равно никакому возможному положению реле!"});
  messages.Clear();
  EXPECT_FALSE(Validate(308, {-0.5f, 0.3f, 0.2f, 0.1f, 7}));
  EXPECT_EQ(Messages(), Texts{"Не выполнено условие: а2 < a3!"});
  messages.Clear();
  EXPECT_FALSE(Validate(308, {0.2f, 0.2f, 0.1f, 0, 7}));
  EXPECT_EQ(Messages(), Texts{"Не выполнено условие: а1 < a2!"});
  messages.Clear();
  EXPECT_FALSE(Validate(308, {-0.5f, -0.2f, 0.5f, 0.5f, 7}));
  EXPECT_EQ(Messages(), Texts{"Не выполнено условие: а3 < a4!"});
  messages.Clear();
  EXPECT_TRUE(Validate(506, {11}));
  EXPECT_EQ(Messages(), Texts{"Коэффициент a велик. Это может привести к переполнению при счёте!"});
}

}  // namespace
}  // namespace kortiv
