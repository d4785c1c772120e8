#pragma once
// The pictures of the statistics panels: the frames behind the accuracy chart and the answers
// per step, with faint guide lines at every quarter of the plot's height, for the phone's panel
// and the tablet's pane.

class ArtworkRegistry;

class StatisticsArtwork {
  public:
    // The frame's margin round the plot area, in points.
    static constexpr double kInset = 8;
    // Plot areas (width x height) of the two panels' charts. The tablet's pane lays its charts out
    // at two widths, so its frames are narrow and stretch sideways: its interface file repeats the
    // column in the middle of the plot (a left cap of 19 points), which keeps the corners round.
    static constexpr double kPhonePlotWidth = 288, kTabletPlotWidth = 24;
    static constexpr double kAccuracyPlotHeight = 150, kStepsPlotHeight = 90;

    static void addTo(ArtworkRegistry& registry);
};
