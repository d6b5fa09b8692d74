#include <string>

#include "calc_runner.h"

namespace kortiv {
namespace {

class CalcWorkbook : public test::CalcRunner {
 protected:
  // What openpyxl (the system's python3-openpyxl) prints about the workbook.
  std::string ReadBack(const std::string& book, const std::string& body) {
    std::ofstream(dir / "probe.py") << "import openpyxl\nbook = openpyxl.load_workbook('" << book
                                    << "')\nws = book.worksheets[0]\n"
                                    << body;
    const std::string command = "/usr/bin/python3 " + (dir / "probe.py").string() + " >" +
                                (dir / "probe.out").string() + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return Slurp(dir / "probe.out");
  }
};

TEST_F(CalcWorkbook, RunWritesTheChosenPointsIntoANewWorkbook) {
  const std::string book = (dir / "results.xlsx").string();
  ASSERT_EQ(Run("run " + Example(1) + " --xlsx " + book + " --from 0 --to 10 --every 5"), 0)
      << err;
  EXPECT_EQ(out, "");
  EXPECT_EQ(ReadBack(book,
                     "print(book.sheetnames, ws['A1'].value, ws['C1'].value == '" + Example(1) +
                         "')\n"
                         "print(ws['A3'].value, ws['A4'].value, ws['B4'].value)\n"
                         "print([ws.cell(row=r, column=1).value for r in range(5, 9)])\n"
                         "print(ws['C5'].data_type, ws['C6'].data_type)\n"),
            "['Результаты'] Kortiv True\n"
            "Результаты расчёта в контрольных точках vp. i t\n"
            "[0, 5, 10, None]\n"
            "n n\n");
}

TEST_F(CalcWorkbook, WorkbookThatCannotBeWrittenIsAFileError) {
  const std::string book = (dir / "missing" / "results.xlsx").string();
  EXPECT_EQ(Run("run " + Example(1) + " --xlsx " + book), 2);
  EXPECT_NE(err.find("Не удалось создать файл Excel " + book + " или связаться с её листом."),
            std::string::npos)
      << err;
  EXPECT_EQ(Run("run " + Example(1) + " --xlsx"), 2);
  EXPECT_TRUE(err.starts_with("Использование: kortiv-calc run MODEL.krt")) << err;
}

}  // namespace
}  // namespace kortiv
