#include <gtest/gtest.h>

#include "guide/guide_sections.h"
#include "guide/html_text.h"
#include "guide/results_excerpt.h"

namespace kortiv::guide {
namespace {

TEST(GuideAssembly, ReplacesEveryMarkerByItsFragment) {
  const auto assembly = AssembleGuide("<p>a</p><!-- kortiv:one --><p>b</p><!-- kortiv:two -->",
                                      {{"one", "<i>1</i>"}, {"two", "2"}});
  ASSERT_TRUE(assembly.html) << assembly.problem;
  EXPECT_EQ(*assembly.html, "<p>a</p><i>1</i><p>b</p>2");
}

TEST(GuideAssembly, RefusesAnUnknownMarkerAndAFragmentNobodyAsksFor) {
  EXPECT_FALSE(AssembleGuide("<!-- kortiv:three -->", {}).html);
  EXPECT_FALSE(AssembleGuide("<p>no markers</p>", {{"one", "1"}}).html);
  EXPECT_FALSE(AssembleGuide("<!-- kortiv:one", {{"one", "1"}}).html);
}

TEST(GuideAssembly, TheGuideSourceHasAPlaceForEveryGeneratedSection) {
  const auto fragments = GeneratedFragments("images");
  EXPECT_TRUE(fragments.contains("elements"));
  EXPECT_TRUE(fragments.contains("messages"));
}

TEST(HtmlText, MessagesKeepTheirTextAndMarkThePlacesOfNames) {
  EXPECT_EQ(MessageHtml("Файл {имя} не удаётся открыть."), "Файл <i>имя</i> не удаётся открыть.");
  EXPECT_EQ(MessageHtml("а1 < a2!\nДальше"), "а1 &lt; a2!<br>Дальше");
  EXPECT_EQ(PlainText(MessageHtml("а1 < a2!\n Дальше {x}.")), "а1 < a2! Дальше x.");
}

TEST(HtmlText, PlainTextSeparatesBlocksButNotWordsInsideALine) {
  EXPECT_EQ(PlainText("<td>Апери<b>одическое</b></td><td>звено</td>"), "Апериодическое звено");
  EXPECT_EQ(PlainText("T &lt; Tk &amp;&amp; h&gt;0"), "T < Tk && h>0");
}

TEST(ResultsExcerpt, TheDatedTitleIsLeftOutAndEveryRowKept) {
  const std::string text =
      "Kortiv: m : Первая схема     12/08/26 14:11:12\r\n"
      "\t\tРезультаты расчёта в контрольных точках vp.\r\n"
      "   i\t   t    \t vp=1   \r\n"
      "   0\t0.0000E+00\t1.0000E+00\r\n"
      " 100\t1.0000E+00\t6.3212E-01";
  const std::string html = ResultsTableHtml(text);
  EXPECT_EQ(html.find("12/08/26"), std::string::npos);
  EXPECT_NE(html.find("<tr><th>i</th><th>t</th><th>vp=1</th></tr>"), std::string::npos);
  EXPECT_NE(html.find("<tr><td>100</td><td>1.0000E+00</td><td>6.3212E-01</td></tr>"),
            std::string::npos);
  EXPECT_EQ(ResultsTableHtml("title\r\nheading\r\n   i\t   t\r\n"), "");
}

}  // namespace
}  // namespace kortiv::guide
