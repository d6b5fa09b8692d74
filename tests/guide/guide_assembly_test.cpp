#include <gtest/gtest.h>

#include "guide/guide_sections.h"
#include "guide/html_text.h"

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

}  // namespace
}  // namespace kortiv::guide
