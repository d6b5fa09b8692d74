#include <cmath>

#include "element_fixture.h"

namespace kortiv {
namespace {

class FunctionalElements : public test::ElementFixture {
 protected:
  Series Run(int code, const Series& x, float a = 0.0f) {
    TimeRun(0.1f, static_cast<int>(x.size()) - 1);
    const std::vector<float> params =
        (code == 503 || code == 506) ? std::vector<float>{a} : std::vector<float>{};
    Series y;
    EvaluateFunctional(context, Add(code, params), run.last_point, x, y);
    return y;
  }
};

TEST_F(FunctionalElements, EachFunctionWithItsValueAtZero) {
  EXPECT_EQ(Run(500, {-3, 0.5}), (Series{9, 0.25}));
  EXPECT_EQ(Run(501, {-9, 16, 0}), (Series{3, 4, 0}));
  EXPECT_EQ(Run(502, {0, -0.5, 4}), (Series{1e30, -2, 0.25}));
  const Series root = Run(503, {-4, 0, 9}, 0.5f);
  EXPECT_NEAR(root[0], 2, 1e-15);
  EXPECT_EQ(root[1], 0.0);
  EXPECT_NEAR(root[2], 3, 1e-15);
  EXPECT_EQ(Run(503, {0, -2}, -3.0f)[0], 0.0);
  EXPECT_NEAR(Run(503, {-2}, -3.0f)[0], 0.125, 1e-15);
  // exp(a ln|x|) in extended precision gives whole powers exactly.
  EXPECT_EQ(Run(503, {2, -10, 7, 1000}, 3.0f), (Series{8, 1000, 343, 1e9}));
  EXPECT_EQ(Run(503, {0.1, 7}, -1.0f), (Series{10, 1 / 7.0}));
  EXPECT_NEAR(Run(504, {M_PI / 6})[0], 0.5, 1e-15);
  EXPECT_NEAR(Run(505, {M_PI / 3})[0], 0.5, 1e-15);
  EXPECT_NEAR(Run(506, {2}, -1.0f)[0], std::exp(-2.0), 1e-15);
  EXPECT_EQ(Run(507, {-1, 0, std::exp(2.0)}), (Series{0, -1e30, 2}));
}

TEST_F(FunctionalElements, WritesExactlyThePointsAsked) {
  TimeRun(0.1f, 3);
  const int square = Add(500, {});
  Series y(4, 7.0);
  EvaluateFunctional(context, square, 0, Series{2, 3, 4, 5}, y);
  EXPECT_EQ(y, (Series{4, 7, 7, 7}));
  EvaluateFunctional(context, square, 3, Series{2, 3, 4, 5}, y);
  EXPECT_EQ(y, (Series{4, 9, 16, 25}));
}

TEST_F(FunctionalElements, RefusedCallsReport) {
  TimeRun(0.1f, 1);
  const int sine = Add(504, {});
  const int gain = Add(200, {1});
  Series y(2, 5.0);
  EXPECT_FALSE(EvaluateFunctional(context, sine, -1, Constant(1), y));
  EXPECT_FALSE(EvaluateFunctional(context, sine, 2, Series(3, 1), y));
  EXPECT_FALSE(EvaluateFunctional(context, gain, 1, Constant(1), y));
  EXPECT_EQ(y, Series(2, 5.0));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Число точек отрицательно!",
                                                        "Число точек выше максимального!",
                                                        "Ошибка вызова элемента-функции!"}));
}

}  // namespace
}  // namespace kortiv
