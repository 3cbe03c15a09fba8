// Shared by the source files of the drawing window: small helpers. Not for use outside
// src/ui/drawing.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <string>

namespace kelvra::ui::drawing_internal {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace kelvra::ui::drawing_internal
