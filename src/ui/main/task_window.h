// Base of every child window that opens inside the main window: a window
// with a help topic, a caption from the catalogue, a closing check and a
// signal that tells the main window it has closed.
#pragma once

#include <QWidget>

#include "ui/common/retranslate.h"

class QMdiSubWindow;

namespace kelvra::ui {

// Names of the task windows (the opening rule compares them).
inline const QString kSiteDialog = QStringLiteral("SiteDialog");
inline const QString kDialTypeDialog = QStringLiteral("DialTypeDialog");
inline const QString kDialParametersDialog = QStringLiteral("DialParametersDialog");
inline const QString kDrawingWindow = QStringLiteral("DrawingWindow");
inline const QString kCalculatorWindow = QStringLiteral("CalculatorWindow");
inline const QString kTablesWindow = QStringLiteral("TablesWindow");

class TaskWindow : public QWidget, public Retranslatable {
  Q_OBJECT
 public:
  // `name` identifies the window for the opening rule; `helpTopic` is the
  // help page shown by F1 while the window is active.
  TaskWindow(QString name, int helpTopic, QWidget* parent = nullptr);

  const QString& Name() const { return name_; }
  int HelpTopic() const { return helpTopic_; }
  // A window that changes its task (the calculator's modes) changes its topic.
  void SetHelpTopic(int topic) { helpTopic_ = topic; }

  // The window caption: catalogue text `tag` (none: the caption set by
  // SetCaptionText stays), with an optional suffix such as a wizard step.
  void SetCaptionTag(texts::TextId tag, QString suffix = {});
  void SetCaptionText(const QString& text);

  // The window became the active child window: show values changed elsewhere.
  virtual void Activated() {}

  // Runs the closing checks; false keeps the window open.
  virtual bool MayClose() { return true; }

  // Closes the window through its frame; the closing checks run unless
  // `force` is set. Returns true when the window closed.
  bool CloseWindow(bool force = false);

  // Relabels tagged controls and the caption. Subclasses extend it.
  void Retranslate() override;

  QMdiSubWindow* Frame() const;

 signals:
  // Emitted once when the window has closed (after its checks passed).
  void Closed(kelvra::ui::TaskWindow* window);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QString name_;
  int helpTopic_;
  texts::TextId captionTag_;
  QString captionSuffix_;
  bool forced_ = false;
  bool closed_ = false;
};

}  // namespace kelvra::ui
