#include "model/model_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <random>

#include "model/builtin_examples.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "support/file_io.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

const std::string kFormatMessage = "Kortiv не понимает формата файла 'm.krt'.";

void PutWord(std::string& image, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) image[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::int32_t WordAt(std::string_view image, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(image[offset + i]);
  return static_cast<std::int32_t>(value);
}

// Offset of word w (0..2) of record n (1-based) in a model image.
std::size_t RecordWord(int n, int w) {
  return 68 + 12 * (n - 1) + 4 * w;
}

class ModelFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kortiv-model-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string PathOf(const std::string& name) const { return (dir / name).string(); }

  // Reads an image into a scheme that holds example 5, which a rejected
  // image must leave as it was.
  ModelReadResult DecodeOverExample(std::string_view image) {
    LoadBuiltinExample(scheme, 5);
    messages.Clear();
    return DecodeModelImage(image, "m.krt", scheme);
  }
  void ExpectRejectedAndExampleKept(std::string_view image) {
    const ModelReadResult result = DecodeOverExample(image);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFormatMessage});
    EXPECT_EQ(scheme.ElementCount(), 7);
    EXPECT_EQ(scheme.ControlPointCount(), 3);
    EXPECT_EQ(scheme.GetCode(2), 13);
  }

  fs::path dir;
  test::RecordingMessenger messages;
  Scheme scheme{messages};
};

TEST_F(ModelFileTest, ExampleOneReadsBackWithItsCountsAndTheSameBytes) {
  LoadBuiltinExample(scheme, 1);
  const std::string path = PathOf("one.krt");
  ASSERT_TRUE(WriteModelFile(path, scheme, "Линейные схемы"));
  const std::string image = EncodeModelImage(scheme, "Линейные схемы");
  EXPECT_EQ(image.size(), 68u + 12 * 13 + 4 * 15);

  Scheme read(messages);
  const ModelReadResult result = ReadModelFile(path, read);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.model_name, "Линейные схемы");
  EXPECT_EQ(read.ElementCount(), 13);
  EXPECT_EQ(read.ParamTop(), 15);
  EXPECT_EQ(read.ParamBlockCount(), 6);
  EXPECT_EQ(read.ControlPointCount(), 5);
  EXPECT_EQ(EncodeModelImage(read, result.model_name), image);
  EXPECT_EQ(ReadFileBytes(path, 1000), image);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ModelFileTest, TheCommittedExampleFilesAreWhatTheWriterMakes) {
  for (int k = 1; k <= kBuiltinExampleCount; ++k) {
    SCOPED_TRACE(k);
    const std::string_view name = LoadBuiltinExample(scheme, k);
    const auto file = ReadFileBytes(
        std::string(KORTIV_TEST_DATA) + "/example" + std::to_string(k) + ".krt", 4096);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(*file, EncodeModelImage(scheme, name));
  }
}

TEST_F(ModelFileTest, HeaderLayoutIsLittleEndianAfterTheSignatureAndName) {
  const int n = scheme.AppendElement(200, 1, {0, 0});
  scheme.AllocateParamBlock(n);
  scheme.SetParam(3, 2.5f);
  scheme.SetControlPoint(n, 1);
  const std::string image = EncodeModelImage(scheme, "AB");
  ASSERT_EQ(image.size(), 68u + 12 + 16);
  EXPECT_EQ(image.substr(0, 8), "KortivAB");
  EXPECT_EQ(image.substr(8, 48), std::string(48, '\0'));
  EXPECT_EQ(WordAt(image, 56), 1);
  EXPECT_EQ(WordAt(image, 60), 4);
  EXPECT_EQ(WordAt(image, 64), 1);
  EXPECT_EQ(WordAt(image, RecordWord(1, 0)), PackPosition({1, 1}));
  EXPECT_EQ(WordAt(image, RecordWord(1, 1)), 200 * 10000 + 1);
  EXPECT_EQ(WordAt(image, RecordWord(1, 2)), 3 * 100 + 1 * 4 + 1);
  EXPECT_EQ(WordAt(image, 68 + 12 + 4 * 1), std::bit_cast<std::int32_t>(0.01f));
  EXPECT_EQ(WordAt(image, 68 + 12 + 4 * 3), std::bit_cast<std::int32_t>(2.5f));
}

TEST_F(ModelFileTest, AnEmptySchemeIsTheHeaderAndTheThreeIntegrationValues) {
  scheme.SetParam(2, 7.5f);
  const std::string image = EncodeModelImage(scheme, "");
  ASSERT_EQ(image.size(), 80u);
  EXPECT_EQ(WordAt(image, 56), 0);
  EXPECT_EQ(WordAt(image, 60), 3);

  LoadBuiltinExample(scheme, 1);
  ASSERT_TRUE(DecodeModelImage(image, "m.krt", scheme).ok);
  EXPECT_EQ(scheme.ElementCount(), 0);
  EXPECT_EQ(scheme.ControlPointCount(), 0);
  EXPECT_EQ(scheme.ParamTop(), 3);
  EXPECT_FLOAT_EQ(scheme.Tk(), 7.5f);
}

TEST_F(ModelFileTest, PositionsAreNormalisedInTheFileOnly) {
  for (int row = 4; row <= 6; ++row) scheme.AppendElement(1, 0, {row, row + 3});
  scheme.AppendElement(1, 0, {5, 9});
  const std::string image = EncodeModelImage(scheme, "");
  EXPECT_EQ(WordAt(image, RecordWord(1, 0)), PackPosition({1, 1}));
  EXPECT_EQ(WordAt(image, RecordWord(3, 0)), PackPosition({3, 3}));
  EXPECT_EQ(WordAt(image, RecordWord(4, 0)), PackPosition({2, 3}));
  EXPECT_EQ(scheme.GetStoredPosition(1), (Cell{4, 7}));
  EXPECT_EQ(scheme.GetStoredPosition(4), (Cell{5, 9}));

  scheme.SetCellPosition(1, -20, -30);
  const std::string shifted = EncodeModelImage(scheme, "");
  EXPECT_EQ(WordAt(shifted, RecordWord(1, 0)), PackPosition({1, 1}));
  EXPECT_EQ(WordAt(shifted, RecordWord(2, 0)), PackPosition({26, 39}));
}

// Scrolling lets a scheme spread over more than 5000 rows or columns; moving
// its corner to (1, 1) would then push coordinates out of the packed range.
TEST_F(ModelFileTest, AWideSchemeIsShiftedOnlyAsFarAsThePackedRangeAllows) {
  scheme.AppendElement(1, 0, {-3000, -4000});
  scheme.AppendElement(2, 1, {3000, 2000});
  scheme.AppendElement(3, 2, {10, 4500});
  const std::string image = EncodeModelImage(scheme, "");
  EXPECT_EQ(WordAt(image, RecordWord(1, 0)), PackPosition({-1000, -3501}));
  EXPECT_EQ(WordAt(image, RecordWord(2, 0)), PackPosition({5000, 2499}));
  EXPECT_EQ(WordAt(image, RecordWord(3, 0)), PackPosition({2010, 4999}));

  Scheme read(messages);
  ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok);
  EXPECT_TRUE(messages.entries.empty());
  EXPECT_EQ(read.GetStoredPosition(3), (Cell{2010, 4999}));
  EXPECT_EQ(read.GetCode(3), 3);
}

TEST_F(ModelFileTest, ModelNamesAreKeptInWindows1251WithinFiftyBytes) {
  const std::string fifty = [] {
    std::string s;
    for (int i = 0; i < 50; ++i) s += "Ж";
    return s;
  }();
  std::string image = EncodeModelImage(scheme, fifty);
  EXPECT_EQ(image.substr(6, 50), std::string(50, '\xC6'));
  EXPECT_EQ(WordAt(image, 56), 0);  // no terminator: the counts follow at once
  ModelReadResult result = DecodeModelImage(image, "m.krt", scheme);
  EXPECT_EQ(result.model_name, fifty);

  image = EncodeModelImage(scheme, fifty + "ЩЩ");
  EXPECT_EQ(DecodeModelImage(image, "m.krt", scheme).model_name, fifty);
  EXPECT_EQ(FitModelName(fifty + "ЩЩ"), fifty);
  EXPECT_EQ(FitModelName("Схема 日"), "Схема ?");
  EXPECT_EQ(FitModelName(std::string("ab\0cd", 5)), "ab");
}

TEST_F(ModelFileTest, ControlPointsAreRecountedOnReading) {
  LoadBuiltinExample(scheme, 1);
  std::string image = EncodeModelImage(scheme, "");
  Scheme read(messages);
  read.SetControlPointCount(9);
  ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok);
  EXPECT_EQ(read.ControlPointCount(), 5);
  // Elements far outside any window count too.
  PutWord(image, RecordWord(1, 0), PackPosition({4900, 4900}));
  ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok);
  EXPECT_EQ(read.ControlPointCount(), 5);
}

TEST_F(ModelFileTest, MissingFilesAndForeignSignaturesAreReportedAndChangeNothing) {
  LoadBuiltinExample(scheme, 5);
  const std::string missing = PathOf("missing.krt");
  EXPECT_FALSE(ReadModelFile(missing, scheme).ok);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Файл " + missing + " не удаётся открыть."});
  EXPECT_EQ(scheme.ElementCount(), 7);

  LoadBuiltinExample(scheme, 1);
  std::string image = EncodeModelImage(scheme, "x");
  image[0] = 'k';
  ExpectRejectedAndExampleKept(image);
  image[0] = 'K';
  image[3] = '\0';
  ExpectRejectedAndExampleKept(image);
}

TEST_F(ModelFileTest, ImpossibleCountsAreRefused) {
  LoadBuiltinExample(scheme, 2);
  const std::string good = EncodeModelImage(scheme, "");
  struct Case {
    std::size_t offset;
    std::uint32_t value;
  };
  for (const Case c : {Case{56, 0xFFFFFFFF}, Case{60, 0xFFFFFFFF}, Case{64, 0xFFFFFFFF},
                       Case{60, 2}, Case{64, 20}, Case{64, 10}, Case{64, 12}, Case{56, 20},
                       Case{60, 40}, Case{56, 0x7FFFFFFF}, Case{60, 0x7FFFFFFF}}) {
    SCOPED_TRACE(c.offset);
    SCOPED_TRACE(c.value);
    std::string image = good;
    PutWord(image, c.offset, c.value);
    ExpectRejectedAndExampleKept(image);
  }
}

TEST_F(ModelFileTest, EveryTruncationIsRefused) {
  LoadBuiltinExample(scheme, 2);
  const std::string good = EncodeModelImage(scheme, "Схемы");
  for (std::size_t length = 0; length < good.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRejectedAndExampleKept(good.substr(0, length));
  }
  EXPECT_TRUE(DecodeOverExample(good + "trailing bytes").ok);
  EXPECT_EQ(scheme.ElementCount(), 19);
}

TEST_F(ModelFileTest, RecordsThatBreakTheTableInvariantsAreRefused) {
  LoadBuiltinExample(scheme, 1);
  const std::string good = EncodeModelImage(scheme, "");
  struct Case {
    const char* what;
    int n, word;
    std::int32_t value;
  };
  const Case cases[] = {
      {"block beyond the top", 13, 2, 15 * 100 + 5 * 4 + 1},
      {"block over the integration values", 8, 2, 2 * 100 + 1},
      {"overlapping blocks", 8, 2, 4 * 100 + 1},
      {"a gap in the control points", 13, 2, 14 * 100 + 7 * 4 + 1},
      {"a control point twice", 13, 2, 14 * 100 + 4 * 4 + 1},
      {"control point 13", 2, 2, 13 * 4},
      {"negative attributes", 2, 2, -1},
      {"negative code word", 2, 1, -10000},
      {"code above 9999", 2, 1, 10000 * 10000},
      {"two elements in one cell", 2, 0, PackPosition({2, 1})},
      {"position out of range", 2, 0, PackPosition({5001, 0})},
      {"negative position", 2, 0, -1},
      {"a code outside the catalogue", 2, 1, 600 * 10000},
      {"a count other than the catalogue's", 8, 1, 200 * 10000 + 2},
      {"a general element with too few values", 8, 1, 212 * 10000 + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = good;
    PutWord(image, RecordWord(c.n, c.word), static_cast<std::uint32_t>(c.value));
    ExpectRejectedAndExampleKept(image);
  }
}

TEST_F(ModelFileTest, AGeneralElementKeepsTheCountOfItsOrders) {
  const int general = scheme.AppendElement(212, 0, {1, 1});
  scheme.AllocateParamBlock(general);
  scheme.ResizeParamBlock(general, 12);
  const std::string image = EncodeModelImage(scheme, "");
  Scheme read(messages);
  ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok);
  EXPECT_EQ(read.GetParamCount(1), 12);
  EXPECT_EQ(read.ParamTop(), 15);
}

TEST_F(ModelFileTest, RandomImagesNeverBreakTheReader) {
  LoadBuiltinExample(scheme, 4);
  const std::string good = EncodeModelImage(scheme, "");
  std::mt19937 random(12345);
  int accepted = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    std::string image = good;
    const int kind = trial % 3;
    if (kind == 0) {  // flip a few bytes anywhere after the signature
      for (int i = 0; i < 3; ++i) image[6 + random() % (image.size() - 6)] ^= 1 << (random() % 8);
    } else if (kind == 1) {  // random counts and records of random length
      image.resize(68 + random() % 400);
      for (std::size_t i = 56; i < image.size(); ++i) image[i] = static_cast<char>(random());
      PutWord(image, 56, random() % 12);
      PutWord(image, 60, random() % 40);
      PutWord(image, 64, random() % 6);
    } else {  // the signature and nothing sensible
      image = "Kortiv" + std::string(random() % 200, '\0');
      for (std::size_t i = 6; i < image.size(); ++i) image[i] = static_cast<char>(random());
    }
    Scheme read(messages);
    messages.Clear();
    if (!DecodeModelImage(image, "m.krt", read).ok) {
      ASSERT_EQ(messages.Texts(), std::vector<std::string>{kFormatMessage});
      continue;
    }
    ++accepted;
    ASSERT_TRUE(messages.entries.empty());
    for (int n = 1; n <= read.ElementCount(); ++n) {
      if (read.GetParamAddress(n) == 0) continue;
      ASSERT_GE(read.GetParamAddress(n), 3);
      ASSERT_LE(read.GetParamAddress(n) + read.GetParamCount(n), read.ParamTop());
    }
  }
  EXPECT_GT(accepted, 0);
}

TEST_F(ModelFileTest, AFailedSaveIsReportedAndLeavesNoTrace) {
  LoadBuiltinExample(scheme, 1);
  const std::string folder = PathOf("folder.krt");
  fs::create_directory(folder);
  EXPECT_FALSE(WriteModelFile(folder, scheme, ""));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Saving: Файл " + folder + " не удаётся создать."});
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(fs::exists(folder + ".saving"));

  // An older model stays as it was when the new one cannot be written.
  messages.Clear();
  const std::string kept = PathOf("kept.krt");
  ASSERT_TRUE(WriteModelFile(kept, scheme, "old"));
  const auto before = ReadFileBytes(kept, 4096);
  fs::create_directory(kept + ".saving");  // nothing can be written beside it
  LoadBuiltinExample(scheme, 5);
  EXPECT_FALSE(WriteModelFile(kept, scheme, "new"));
  EXPECT_EQ(ReadFileBytes(kept, 4096), before);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Saving: Файл " + kept + " не удаётся создать."});

  messages.Clear();
  const std::string nowhere = PathOf("no/such/folder/m.krt");
  EXPECT_FALSE(WriteModelFile(nowhere, scheme, ""));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Saving: Файл " + nowhere + " не удаётся создать."});
}

TEST_F(ModelFileTest, SavingReplacesAnOlderFile) {
  const std::string path = PathOf("m.krt");
  LoadBuiltinExample(scheme, 2);
  ASSERT_TRUE(WriteModelFile(path, scheme, "old"));
  LoadBuiltinExample(scheme, 5);
  ASSERT_TRUE(WriteModelFile(path, scheme, "new"));
  EXPECT_EQ(fs::file_size(path), 68u + 12 * 7 + 4 * 7);
  EXPECT_FALSE(fs::exists(path + ".saving"));
  Scheme read(messages);
  EXPECT_EQ(ReadModelFile(path, read).model_name, "new");
  EXPECT_EQ(read.ElementCount(), 7);
}

}  // namespace
}  // namespace kortiv
