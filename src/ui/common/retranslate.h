// Relabelling windows from the text catalogue. Every control that shows a
// catalogue text carries its text number in the Qt property "kelvraTag"; a
// main-menu entry carries its caption number in "kelvraMenu". ApplyLanguage
// walks every open window and sets each tagged control's caption anew, then
// lets each window relabel what a tag cannot describe (list items, radio
// groups, page captions, window captions).
#pragma once

#include <QString>

#include "texts/text_id.h"

class QObject;
class QWidget;

namespace kelvra::ui {

inline constexpr const char* kTagProperty = "kelvraTag";
inline constexpr const char* kMenuProperty = "kelvraMenu";

// Catalogue text `id` in the current language, access keys kept / removed.
QString Raw(texts::TextId id);
QString Text(texts::TextId id);
// Main-menu caption n (1..45) in the current language.
QString Menu(int n);

// Gives `control` the catalogue text `tag` and sets its caption at once.
// Works for labels, buttons (push, radio, check), group boxes, line edits
// (placeholder text) and actions.
void SetTag(QObject* control, texts::TextId tag);
// The catalogue text given to `control` by SetTag (none when it has none).
texts::TextId TagOf(const QObject* control);
// A catalogue text kept in the property `name` of `control` (a tool tip or a
// caption that follows what is shown), read back when relabelling.
void SetTextProperty(QObject* control, const char* name, texts::TextId id);
texts::TextId TextProperty(const QObject* control, const char* name);
// Gives a menu or action the main-menu caption number n and sets it.
void SetMenuTag(QObject* control, int n);

// Sets the caption of every tagged object below `root` (root included).
void RelabelTree(QObject* root);

// Relabels every open window of the application from the catalogue in the
// current language: tagged controls first, then each window's own Retranslate.
void ApplyLanguage();

// Interface of a window with texts that tags do not cover.
class Retranslatable {
 public:
  virtual ~Retranslatable() = default;
  virtual void Retranslate() = 0;
};

}  // namespace kelvra::ui
