#ifdef KORTIV_CALC_WITH_DRAW

#include <string>
#include <vector>

#include "calc_runner.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "results/model_listing.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

class PrintCommand : public test::CalcRunner {
 protected:
  // The text of the PDF (poppler's pdftotext), its pages split at form feeds.
  // The extraction does not keep runs of spaces, so every run of blanks is
  // read as one space and lines start with their first letter.
  std::vector<std::string> PdfPages(const std::string& pdf) {
    const std::string text = (dir / "pdf.txt").string();
    EXPECT_EQ(std::system(("pdftotext -layout " + pdf + " " + text).c_str()), 0);
    std::vector<std::string> pages(1, "\n");
    for (char c : Slurp(text)) {
      std::string& page = pages.back();
      if (c == '\f') {
        pages.emplace_back("\n");
      } else if (c != ' ' || (page.back() != ' ' && page.back() != '\n')) {
        page += c;
      }
    }
    if (pages.back() == "\n") pages.pop_back();
    return pages;
  }

  // A chain along row 1: the source `code` with control point 1, then
  // gains of 2 with control points 2..points.
  std::string ChainModel(int code, std::vector<float> source_params, int points) {
    test::RecordingMessenger messages;
    Scheme scheme(messages);
    test::AddWithValues(scheme, code, source_params, {1, 1});
    scheme.SetControlPoint(1, 1);
    for (int v = 2; v <= points; ++v) {
      const int n = test::AddWithValues(scheme, 200, {2}, {1, v});
      scheme.SetControlPoint(n, v);
    }
    scheme.RecountControlPoints();
    scheme.SetParam(0, 0);
    scheme.SetParam(1, 0.5f);
    scheme.SetParam(2, 1);
    const std::string path = (dir / "chain.krt").string();
    EXPECT_TRUE(WriteModelFile(path, scheme, "цепочка"));
    return path;
  }

  static int Count(const std::string& text, const std::string& piece) {
    int count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
      ++count;
    }
    return count;
  }
};

TEST_F(PrintCommand, ModelPrintoutListsTheIntervalAndEveryElementsParameters) {
  const std::string pdf = (dir / "model.pdf").string();
  ASSERT_EQ(Run("print " + Example(1) + " -o " + pdf + " --model"), 0) << err;
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("\nKortiv: example1 : Линейные схемы "), std::string::npos)
      << pages[0];
  EXPECT_NE(pages[0].find("Параметры модели:"), std::string::npos);
  EXPECT_NE(pages[0].find("Интервал интегрирования от 0 до 5 с шагом 0.01."), std::string::npos);

  test::RecordingMessenger messages;
  Scheme scheme(messages);
  ASSERT_TRUE(ReadModelFile(Example(1), scheme).ok);
  int parameter_lines = 0;
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    for (const std::string& line : ParameterText(scheme, n)) {
      EXPECT_NE(pages[0].find(line), std::string::npos) << line;
      ++parameter_lines;
    }
  }
  EXPECT_EQ(parameter_lines, 6);
  // Link elements have no line of their own.
  EXPECT_EQ(pages[0].find("Простое соединение"), std::string::npos);
  EXPECT_EQ(pages[0].find("Левый поворот"), std::string::npos);
}

TEST_F(PrintCommand, LongResultsListingGoesOnOverThePagesOfOneDocument) {
  const std::string pdf = (dir / "results.pdf").string();
  ASSERT_EQ(Run("print " + Example(1) + " -o " + pdf + " --results --to 200"), 0) << err;
  const auto pages = PdfPages(pdf);
  ASSERT_GE(pages.size(), 3u);
  EXPECT_NE(pages.front().find("Результаты расчёта в контрольных точках vp."), std::string::npos);
  EXPECT_NE(pages.front().find("\n0 0.0000E+00 0.0000E+00"), std::string::npos);
  EXPECT_NE(pages.back().find("\n200 2.0000E+00"), std::string::npos);
  EXPECT_EQ(Count(pages.front(), "vp=1"), 1);
}

TEST_F(PrintCommand, EightControlPointsPrintInTwoBlocks) {
  const std::string pdf = (dir / "results.pdf").string();
  ASSERT_EQ(Run("print " + ChainModel(101, {1, 0}, 8) + " -o " + pdf + " --results"), 0) << err;
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Count(pages[0], "\ni t vp=1 vp=2 vp=3 vp=4 vp=5 vp=6\n"), 1) << pages[0];
  EXPECT_EQ(Count(pages[0], "\ni t vp=7 vp=8\n"), 1);
  // Points 0, 1, 2 in each block; point 2 of control point 8 is 2^7.
  EXPECT_EQ(Count(pages[0], "\n2 1.0000E+00 "), 2);
  EXPECT_NE(pages[0].find("1.2800E+02"), std::string::npos);
}

TEST_F(PrintCommand, FrequencyRunWithFourControlPointsPrintsBlocksOfThreeAndOne) {
  const std::string pdf = (dir / "results.pdf").string();
  ASSERT_EQ(Run("print " + ChainModel(112, {0, 1, 0, 0, 4}, 4) + " -o " + pdf + " --results"), 0)
      << err;
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Count(pages[0], "\ni w A1(w) fi1(w), рад A2(w) fi2(w), рад A3(w) fi3(w), рад\n"), 1)
      << pages[0];
  EXPECT_EQ(Count(pages[0], "\ni w A4(w) fi4(w), рад\n"), 1);
  // Point 4 of control point 4: gain 8, phase 0.
  EXPECT_EQ(Count(pages[0], "\n4 1.0000E+01 8.0000E+00 0.0000E+00\n"), 1);
}

TEST_F(PrintCommand, PlotPrintoutCarriesTheHeader) {
  const std::string pdf = (dir / "plot.pdf").string();
  ASSERT_EQ(Run("print " + Example(1) + " -o " + pdf + " --plot"), 0) << err;
  const auto pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("\nKortiv: example1 : Линейные схемы "), std::string::npos);
}

TEST_F(PrintCommand, RefusesUsageErrorsAndUnwritableFiles) {
  EXPECT_EQ(Run("print " + Example(1) + " -o " + (dir / "x.pdf").string()), 2);
  EXPECT_TRUE(err.starts_with("Использование: kortiv-calc print MODEL.krt")) << err;
  EXPECT_EQ(Run("print " + Example(1) + " -o x.pdf --model --plot"), 2);
  const std::string missing = (dir / "missing" / "x.pdf").string();
  EXPECT_EQ(Run("print " + Example(1) + " -o " + missing + " --model"), 2);
  EXPECT_NE(err.find("Файл " + missing + " не удаётся создать."), std::string::npos) << err;
}

TEST_F(PrintCommand, PlotAndSchemeAreSavedAsSvgAndPngByTheirExtension) {
  const std::string svg = (dir / "plot.SVG").string();
  ASSERT_EQ(Run("plot " + Example(1) + " -o " + svg), 0) << err;
  const std::string text = Slurp(svg);
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("viewBox=\"0 0 640 400\""), std::string::npos);
  // Drawn as paths and text, not as an embedded bitmap.
  EXPECT_EQ(text.find("<image"), std::string::npos);
  EXPECT_NE(text.find("<polyline"), std::string::npos);

  const std::string png = (dir / "scheme.png").string();
  ASSERT_EQ(Run("scheme " + Example(1) + " -o " + png), 0) << err;
  EXPECT_EQ(Slurp(png).substr(1, 3), "PNG");
  const std::string scheme_svg = (dir / "scheme.svg").string();
  ASSERT_EQ(Run("scheme " + Example(1) + " -o " + scheme_svg), 0) << err;
  EXPECT_NE(Slurp(scheme_svg).find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace kortiv

#endif
