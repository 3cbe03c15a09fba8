// The pages of the dial parameters dialog, by the page column of the kind
// table (config::ParameterPage). A family adds its page class and one line in
// parameter_pages.cpp; a page without a line shows a note that its family's
// parameters follow.
#pragma once

#include "config/dial_kinds.h"
#include "ui/dialogs/field_page.h"

class QWidget;

namespace kelvra::ui {

using PageMaker = FieldPage* (*)(const PageContext& context, QWidget* parent);

// Creates the page `page` for a dialog.
FieldPage* MakeParameterPage(config::ParameterPage page, const PageContext& context,
                             QWidget* parent);

// Puts another page in place of `page` while the object lives (tests).
class ScopedParameterPage {
 public:
  ScopedParameterPage(config::ParameterPage page, PageMaker maker);
  ~ScopedParameterPage();
  ScopedParameterPage(const ScopedParameterPage&) = delete;
  ScopedParameterPage& operator=(const ScopedParameterPage&) = delete;
};

}  // namespace kelvra::ui
