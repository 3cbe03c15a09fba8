// What the drawing window needs of the window it opens in: the free area for
// its picture, the colour panel, the screen-format menu entries, the language
// and the parameters dialog. The main window implements it; tests open the
// drawing window without a host.
#pragma once

#include <QSize>

namespace kelvra::ui {

class ColourPanel;

class DrawingHost {
 public:
  virtual ~DrawingHost() = default;

  // The size of the area the task windows open in.
  virtual QSize TaskArea() const = 0;
  // The colour panel (null when there is none); closing it redraws the drawing.
  virtual ColourPanel* Colours() const = 0;
  virtual void ShowColourPanel() = 0;
  // Ticks the menu entry of the screen format: the printed page (true) or the
  // plot file's page.
  virtual void ShowScreenFormat(bool printPage) = 0;
  // Applies a language to every window (after construction data were loaded).
  virtual void SelectLanguage(bool german) = 0;
  // Opens the dial parameters dialog once the current event has finished
  // (opening it closes the drawing window).
  virtual void OpenParametersAfterEvent() = 0;
};

}  // namespace kelvra::ui
