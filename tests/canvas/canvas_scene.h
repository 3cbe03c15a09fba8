// A small scene every back end draws: frame, line, circle, arc, text, rotated
// text, Wingdings symbols and a flood-filled box. Positions are fractions of
// the sink's size, so the same scene fits the screen picture and the page.
#pragma once

#include "output/plot_sink.h"

namespace kelvra::canvas::testing {

struct SceneGeometry {
  int w, h;
  int lineY, lineX1, lineX2;            // red horizontal line
  int circleX, circleY, radius;         // blue circle
  int arcX, arcY;                       // green quarter arc (upper right), same radius
  int textX, textY;                     // "Kelvra 12"
  int rotX, rotY;                       // "down", rotated -90
  int boxX1, boxY1, boxX2, boxY2;       // black box, filled yellow
};

SceneGeometry GeometryFor(int width, int height);
void DrawScene(output::PlotSink& sink);

inline constexpr const char* kSceneText = "Kelvra 12";
inline constexpr const char* kSceneRotatedText = "down";
inline constexpr output::Color kYellow = output::RgbColor(255, 255, 0);
inline constexpr output::Color kGreen = output::RgbColor(0, 160, 0);

}  // namespace kelvra::canvas::testing
