#include "ui/common/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "shell/catalog.h"
#include "texts/ui.h"

namespace kelvra::ui {

shell::MessageAnswer QtMessageSink::Show(shell::MessageKind kind, std::string_view text,
                                         shell::MessageButtons buttons) {
  using shell::MessageAnswer;
  using shell::MessageButtons;
  using shell::MessageKind;
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case MessageKind::Attention:
    case MessageKind::Warning: icon = QMessageBox::Warning; break;
    case MessageKind::Error:
    case MessageKind::Problem: icon = QMessageBox::Critical; break;
    case MessageKind::Information: icon = QMessageBox::Information; break;
    case MessageKind::Question: icon = QMessageBox::Question; break;
  }
  QMessageBox::StandardButtons set = QMessageBox::Ok;
  switch (buttons) {
    case MessageButtons::Ok: set = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel:
      set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
  }
  QMessageBox box(icon, QString::fromStdString(shell::MessageCaption(kind)),
                  QString::fromUtf8(text.data(), static_cast<int>(text.size())), set,
                  QApplication::activeWindow());
  // The buttons speak the program's language, not the system's.
  const std::pair<QMessageBox::StandardButton, texts::TextId> labels[] = {
      {QMessageBox::Yes, texts::ui::kYes},
      {QMessageBox::No, texts::ui::kNo},
      {QMessageBox::Cancel, texts::ui::kCancel},
      {QMessageBox::Ok, texts::ui::kOk}};
  for (const auto& [button, tag] : labels) {
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromStdString(shell::GetRaw(tag)));
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default:
      // Escape or the window's close box.
      return buttons == MessageButtons::YesNo ? MessageAnswer::No
             : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                              : MessageAnswer::Cancel;
  }
}

}  // namespace kelvra::ui
