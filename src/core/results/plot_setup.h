#pragma once

#include <string_view>

namespace kortiv {

class Messenger;
struct PlotState;
struct RunState;

inline constexpr std::string_view kTimePlotTitle = "Графики в контрольных точках";
inline constexpr std::string_view kPortraitTitle = "Фазовый портрет";

// Sets up the plot of a time run, or with `portrait` the phase portrait of
// its control point pairs (odd points across, even points up): the title,
// the curve step, the axes in use, the column extremes, and the automatic
// scaling of every axis in use, which the drawn axes then copy.
void SetUpTimePlot(const RunState& run, bool portrait, PlotState& state, Messenger& messenger);

}  // namespace kortiv
