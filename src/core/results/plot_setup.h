#pragma once

#include <string_view>

namespace kortiv {

class Messenger;
struct FrequencyPlotLayout;
struct PlotState;
struct RunState;
struct UserSettings;

inline constexpr std::string_view kTimePlotTitle = "Графики в контрольных точках";
inline constexpr std::string_view kPortraitTitle = "Фазовый портрет";

// Sets up the plot of a time run, or with `portrait` the phase portrait of
// its control point pairs (odd points across, even points up): the title,
// the curve step, the axes in use, the column extremes, and the automatic
// scaling of every axis in use, which the drawn axes then copy.
void SetUpTimePlot(const RunState& run, bool portrait, PlotState& state, Messenger& messenger);

// Sets up the plot of a frequency run whose results have been rewritten into
// the characteristics of `layout`: amplitudes and phases against the
// frequency (or its lg) on the axes the layout names, or the hodograph, Im
// against Re.
void SetUpFrequencyPlot(const RunState& run, const FrequencyPlotLayout& layout, PlotState& state,
                        Messenger& messenger);

// Prepares the plot of the last results as the plot window does when it is
// made: a frequency run's results are first rewritten into amplitudes and
// phases in the user's units (the table and the export read them so), then
// the plot is set up.
void PreparePlot(RunState& run, const UserSettings& settings, bool portrait, PlotState& state,
                 Messenger& messenger);

}  // namespace kortiv
