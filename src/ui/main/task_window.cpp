#include "ui/main/task_window.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace kelvra::ui {

TaskWindow::TaskWindow(QString name, int helpTopic, QWidget* parent)
    : QWidget(parent), name_(std::move(name)), helpTopic_(helpTopic) {
  setObjectName(name_);
}

void TaskWindow::SetCaptionTag(texts::TextId tag, QString suffix) {
  captionTag_ = tag;
  captionSuffix_ = std::move(suffix);
  if (tag) SetCaptionText(Text(tag) + captionSuffix_);
}

void TaskWindow::SetCaptionText(const QString& text) {
  setWindowTitle(text);
  if (QMdiSubWindow* frame = Frame()) frame->setWindowTitle(text);
}

QMdiSubWindow* TaskWindow::Frame() const {
  return qobject_cast<QMdiSubWindow*>(parentWidget());
}

bool TaskWindow::CloseWindow(bool force) {
  forced_ = force;
  const bool done = Frame() ? Frame()->close() : close();
  forced_ = false;
  return done;
}

void TaskWindow::Retranslate() {
  RelabelTree(this);
  if (captionTag_) SetCaptionText(Text(captionTag_) + captionSuffix_);
}

void TaskWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Labels get their fields after their captions; relabel once they have them.
  RelabelTree(this);
}

void TaskWindow::closeEvent(QCloseEvent* event) {
  if (!forced_ && !closed_ && !MayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (!closed_) {
    closed_ = true;
    emit Closed(this);
  }
}

}  // namespace kelvra::ui
