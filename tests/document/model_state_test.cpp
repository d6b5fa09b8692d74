#include <gtest/gtest.h>

#include "document_fixture.h"
#include "model/builtin_examples.h"

namespace kortiv::test {
namespace {

using ModelStateTest = DocumentTest;

TEST_F(ModelStateTest, ANewDocumentIsAnUnchangedNewModel) {
  EXPECT_EQ(doc.model_state(), ModelState::kNew);
  EXPECT_EQ(doc.model_name(), "no_name             ");
  EXPECT_EQ(doc.scheme().ElementCount(), 0);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(ModelStateTest, AnExampleIsLoadedAsStateSixWithItsCaption) {
  ASSERT_TRUE(doc.LoadExample(1));
  EXPECT_EQ(doc.model_state(), ModelState::kExample);
  EXPECT_EQ(doc.example_shown(), 1);
  EXPECT_EQ(doc.scheme().ElementCount(), 13);
  EXPECT_EQ(doc.file_path(), kBuiltinExamplePath);
  EXPECT_EQ(doc.caption(), "Встроенный в Kortiv пример. Линейные схемы");
  EXPECT_TRUE(messages.entries.empty());
}

}  // namespace
}  // namespace kortiv::test
