#include "canvas_scene.h"

namespace kelvra::canvas::testing {

using namespace output;

SceneGeometry GeometryFor(int w, int h) {
  SceneGeometry g{};
  g.w = w;
  g.h = h;
  g.lineY = h / 5;
  g.lineX1 = w / 10;
  g.lineX2 = 9 * w / 10;
  g.radius = 3 * h / 20;
  g.circleX = 3 * w / 10;
  g.circleY = 11 * h / 20;
  g.arcX = 7 * w / 10;
  g.arcY = g.circleY;
  g.textX = w / 10;
  g.textY = h / 20;
  g.rotX = 19 * w / 20;
  g.rotY = 3 * h / 10;
  g.boxX1 = 45 * w / 100;
  g.boxY1 = 80 * h / 100;
  g.boxX2 = 55 * w / 100;
  g.boxY2 = 95 * h / 100;
  return g;
}

void DrawScene(PlotSink& s) {
  const SceneGeometry g = GeometryFor(s.Width(), s.Height());
  const int unit = s.IsScreen() ? 1 : 3;  // pen width: 1 pixel, 0.3 mm on paper
  s.Clear();
  s.SetBrushStyle(BrushStyle::Clear);
  s.SetPen({kBlack, 1, PenStyle::Solid, PenMode::Copy});
  s.Rectangle(0, 0, g.w, g.h);

  s.SetPen({kRed, unit, PenStyle::Solid, PenMode::Copy});
  s.MoveTo(g.lineX1, g.lineY);
  s.LineTo(g.lineX2, g.lineY);

  s.SetPenColor(kBlue);
  s.Circle(g.circleX, g.circleY, g.radius);

  s.SetPenColor(kGreen);
  const int r = g.radius;
  s.Arc(g.arcX - r, g.arcY - r, g.arcX + r, g.arcY + r, g.arcX + r, g.arcY, g.arcX, g.arcY - r);

  Font font;
  font.face = "Arial";
  font.height = g.h / 15;
  font.color = kNavy;
  s.SetFont(font);
  s.TextOut(g.textX, g.textY, kSceneText);
  s.RotatedText(g.rotX, g.rotY, kSceneRotatedText, kWeightBold, g.h / 20, -90);
  s.RotatedText(g.rotX, g.rotY, "", kWeightBold, g.h / 20, -90);  // draws nothing

  s.SetFontFace("Wingdings");
  s.TextOut(g.w * 6 / 10, g.textY, "^_`");  // Aries, Taurus, Gemini
  s.SetFontFace("Arial");

  s.SetPen({kBlack, unit, PenStyle::Solid, PenMode::Copy});
  s.Rectangle(g.boxX1, g.boxY1, g.boxX2, g.boxY2);
  s.SetBrushColor(kYellow);
  s.FloodFill((g.boxX1 + g.boxX2) / 2, (g.boxY1 + g.boxY2) / 2, kBlack, FillMode::Border);
}

}  // namespace kelvra::canvas::testing
