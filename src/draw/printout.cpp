#include "draw/printout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "results/results_headings.h"
#include "results/results_listing.h"

namespace kortiv {
namespace {

constexpr double kPageDivisor = 4657;
constexpr int kFontPoints = 10;
// The plot picture starts this many printer pixels below the top margin.
constexpr int kPlotPictureGap = kFontPoints * 20;
// The widest value of the results listing, with a space before the next.
constexpr const char* kWidestValue = "-8.8888E+88  ";
// The page's width between the margins of the first text column (2 · 7 %).
constexpr double kPictureWidthShare = 0.86;

// Writes lines down the pages of one document: a line that would pass the
// bottom margin begins a new page.
class PageWriter {
 public:
  explicit PageWriter(QPagedPaintDevice& device)
      : device_(device),
        painter_(&device),
        page_(PageGeometry::Of({device.width(), device.height()})) {
    QFont font = painter_.font();
    font.setPointSize(kFontPoints);
    // Letters as they are written: "fi" stays two letters in the PDF text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter_.setFont(font);
    // A face wider than the printer fonts the columns are measured for is
    // made smaller, so that a value never runs into the next column.
    const int value_width = painter_.fontMetrics().horizontalAdvance(kWidestValue);
    if (value_width > page_.xs) {
      font.setPointSizeF(kFontPoints * double(page_.xs) / value_width);
      painter_.setFont(font);
    }
    painter_.setPen(Qt::black);
    y_ = page_.top;
  }

  const PageGeometry& page() const { return page_; }
  QPainter& painter() { return painter_; }
  int y() const { return y_; }
  void SetY(int y) { y_ = y; }

  void Advance() {
    y_ += page_.line_height;
    if (y_ > page_.height - page_.bottom) {
      device_.newPage();
      y_ = page_.top;
    }
  }

  // Text whose top left corner is at (x, y).
  void Text(int x, int y, const std::string& text) {
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), QString::fromStdString(text));
  }
  void Text(int x, const std::string& text) { Text(x, y_, text); }

  // The picture scaled into the rectangle.
  void Picture(const DrawnPicture& picture, const QRect& target) {
    painter_.save();
    painter_.translate(target.topLeft());
    painter_.scale(double(target.width()) / picture.size.width(),
                   double(target.height()) / picture.size.height());
    painter_.setClipRect(QRect(QPoint(0, 0), picture.size));
    picture.draw(painter_);
    painter_.restore();
  }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  PageGeometry page_;
  int y_ = 0;
};

// The picture centred across the page at the given top; the model's right
// edge is rounded from the centre, the plot's from the left edge.
QRect PictureRect(QSize picture, const PageGeometry& page, int top, bool right_from_centre) {
  const double s = PictureScale(picture, page);
  const double w = picture.width() * s;
  const int left = static_cast<int>((page.width - w) * 0.5);
  const int right =
      right_from_centre ? static_cast<int>((w + page.width) * 0.5) : left + static_cast<int>(w);
  return QRect(QPoint(left, top), QSize(right - left, static_cast<int>(picture.height() * s)));
}

int ListingColumn(ListingLine::Column column, const PageGeometry& page) {
  switch (column) {
    case ListingLine::Column::kHeading:
      return 4 * page.x1;
    case ListingLine::Column::kFirst:
      return page.x1;
    case ListingLine::Column::kSecond:
      return page.x2;
  }
  return page.x1;
}

void WriteListingRow(PageWriter& writer, const ListingRow& row) {
  const PageGeometry& page = writer.page();
  writer.Text(page.x1, row.point);
  if (!row.argument.empty()) writer.Text(page.xa, row.argument);
  for (std::size_t j = 0; j < row.values.size(); ++j) {
    writer.Text(page.xa + page.xs * static_cast<int>(j + 1), row.values[j]);
  }
}

}  // namespace

PageGeometry PageGeometry::Of(QSize size) {
  PageGeometry page;
  page.width = size.width();
  page.height = size.height();
  page.d = page.width / kPageDivisor;
  page.line_height = static_cast<int>(kFontPoints * 10 * page.d);
  page.top = static_cast<int>(page.height * 0.05);
  page.bottom = static_cast<int>(page.height * 0.05);
  page.x1 = static_cast<int>(page.width * 0.07);
  page.x2 = static_cast<int>(page.width * 0.14);
  page.xa = static_cast<int>(page.width * 0.13);
  page.xs = static_cast<int>(page.width * 0.11);
  return page;
}

double PictureScale(QSize picture, const PageGeometry& page) {
  double a = page.width * 0.8 / picture.width();
  if (page.height < picture.height() * a) a = page.height * 0.8 / picture.height();
  a = std::clamp(a, 1.0, 7.5);
  // On a page of more than 4657 pixels a·D alone can reach past the page
  // (a wide scheme on a 1200 dpi printer): the picture keeps within the text
  // columns' margins and 80 % of the page's height.
  const double fit = std::min(page.width * kPictureWidthShare / picture.width(),
                              page.height * 0.8 / picture.height());
  return std::min(a * page.d, fit);
}

std::string PrintoutHeader(const std::string& caption, const std::string& date_time) {
  return caption + "     " + date_time;
}

void PrintModel(QPagedPaintDevice& device, const std::string& header, const DrawnPicture& scheme,
                const std::vector<ListingLine>& listing) {
  PageWriter writer(device);
  const PageGeometry& page = writer.page();
  writer.Text(page.x2, page.top, header);
  const QRect picture = PictureRect(scheme.size, page, page.top + 2 * page.line_height, true);
  writer.Picture(scheme, picture);
  writer.SetY(picture.top() + picture.height());
  for (const ListingLine& line : listing) {
    writer.Advance();
    writer.Text(ListingColumn(line.column, page), line.text);
  }
}

void PrintPlot(QPagedPaintDevice& device, const std::string& header, const DrawnPicture& plot) {
  PageWriter writer(device);
  const PageGeometry& page = writer.page();
  writer.Text(page.x2, page.top, header);
  writer.Picture(plot, PictureRect(plot.size, page, page.top + kPlotPictureGap, false));
}

void PrintResults(QPagedPaintDevice& device, const std::string& header,
                  const PrintedResults& results) {
  PageWriter writer(device);
  const PageGeometry& page = writer.page();
  writer.Text(page.x1, page.top, header);
  writer.SetY(page.top + 2 * page.line_height);
  writer.Text(3 * page.x1, ResultsTitle(results.kind) + ".");
  for (const ListingBlock& block : ListingBlocks(results.kind, results.run.control_points)) {
    writer.Advance();
    WriteListingRow(writer, ListingHeading(results.kind, results.units, block));
    ForEachSelectedPoint(results.filter, results.run.last_point, [&](int p) {
      writer.Advance();
      WriteListingRow(writer, ListingPointRow(results.run, block, p, results.decimal_separator));
    });
    writer.SetY(writer.y() + page.line_height);
  }
}

}  // namespace kortiv
