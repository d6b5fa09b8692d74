#pragma once

#include <QSize>
#include <string>
#include <vector>

#include "series/run_state.h"
#include "draw/drawn_picture.h"
#include "results/model_listing.h"
#include "results/point_filter.h"
#include "results/results_kind.h"

class QPagedPaintDevice;

namespace kortiv {

// Where a printout puts its lines, from the page's size in device pixels
// (the printer's pixels, 600 per inch on the PDF of an A4 page).
struct PageGeometry {
  int width = 0;   // PW
  int height = 0;  // PH
  double d = 0;    // PW / 4657: the page's pixels per picture pixel before scaling
  int line_height = 0;
  int top = 0;     // TM
  int bottom = 0;  // BM
  int x1 = 0;      // the text columns
  int x2 = 0;
  int xa = 0;  // the argument column of the results listing
  int xs = 0;  // the step between its value columns

  static PageGeometry Of(QSize page);
};

// The scale of a picture on the page: the picture spans 80 % of the page's
// width (or of its height, when that would be too tall), enlarged at least
// 1 and at most 7.5 times, in units of D; never wider than the page between
// its side margins nor higher than 80 % of it.
double PictureScale(QSize picture, const PageGeometry& page);

// The header line of every printout: the main window's caption, five
// spaces, the date and time.
std::string PrintoutHeader(const std::string& caption, const std::string& date_time);

// The model printout: the header, the scheme picture centred across the
// page, then the model listing. A listing that runs past the bottom margin
// goes on over new pages of the same document.
void PrintModel(QPagedPaintDevice& device, const std::string& header, const DrawnPicture& scheme,
                const std::vector<ListingLine>& listing);

// The plot printout: the header and the plot picture.
void PrintPlot(QPagedPaintDevice& device, const std::string& header, const DrawnPicture& plot);

// What the results printout lists.
struct PrintedResults {
  const RunState& run;
  ResultsKind kind;
  ResultsUnits units;
  PointFilter filter;
  char decimal_separator = '.';
};

// The results printout: the header, the table's title, then a block of
// lines per group of control points.
void PrintResults(QPagedPaintDevice& device, const std::string& header,
                  const PrintedResults& results);

}  // namespace kortiv
