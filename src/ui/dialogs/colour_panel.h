// The colour panel of the main window: twelve drawing colours chosen with the
// system colour chooser, the line width, a pattern of the current and of the
// stored colours, and saving, loading and resetting the colour set.
#pragma once

#include <QFrame>

#include "ui/common/retranslate.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace kelvra::ui {

class ColourPanel : public QFrame, public Retranslatable {
  Q_OBJECT
 public:
  explicit ColourPanel(QWidget* parent = nullptr);
  // Shows the panel with the current colours.
  void Open();
  // Hides the panel and says so (Closed), as Escape does.
  void Close();
  // Fills the fields and patterns from the shared colour set.
  void Refresh();
  // Chooses colour n (1..12) with the system colour chooser.
  void ChooseColour(int n);
  void SetLineWidth(int width);
  void Retranslate() override;

  // The y pixel of pattern line k (0..11) in a pattern image of height h.
  static int PatternLineY(int k, int h);
  // Draws a pattern: 12 short lines in `colours` with the line width.
  static QPixmap Pattern(const std::array<std::uint32_t, 12>& colours, int lineWidth, QSize size);

 signals:
  void Closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QList<QPushButton*> swatches_;
  QLabel* current_ = nullptr;
  QLabel* stored_ = nullptr;
  QButtonGroup* widths_ = nullptr;
};

}  // namespace kelvra::ui
