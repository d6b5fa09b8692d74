#pragma once

#include <string>
#include <string_view>

namespace kortiv::guide {

// A results text as kortiv-calc run writes it (a title line with the date,
// the heading, the column names, then one tab-separated row per point) as an
// HTML table of the column names and rows; the dated title is left out so
// that the guide comes out the same at every build. Empty when the text has
// no rows.
std::string ResultsTableHtml(std::string_view results_text);

}  // namespace kortiv::guide
