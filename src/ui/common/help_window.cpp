#include "ui/common/help_window.h"

#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/resources.h"
#include "texts/ui.h"

namespace kelvra::ui {

QString HelpFolder() {
  return shell::CurrentLanguage() == 2 ? QStringLiteral("help/en/") : QStringLiteral("help/de/");
}

bool HelpFileExists() {
  return !shell::ResourcesUnder(HelpFolder().toStdString()).empty();
}

QString HelpMissingMessage(bool languageSwitch) {
  QString text = Text(texts::ui::kHelpFile) + HelpFolder() + Text(texts::ui::kNotFound);
  if (languageSwitch) text += "\n" + Text(texts::ui::kNoHelp);
  return text;
}

QString HelpPage(int topic) {
  const std::string path = HelpFolder().toStdString() + std::to_string(topic) + ".html";
  const auto data = shell::FindResource(path);
  if (!data) return {};
  return QString::fromUtf8(data->data(), static_cast<int>(data->size()));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(false);
  layout->addWidget(browser_);
  // Links between pages are written as "<topic>.html".
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    bool ok = false;
    const int topic = url.fileName().section('.', 0, 0).toInt(&ok);
    if (ok) ShowTopic(topic);
  });
  resize(640, 560);
  Retranslate();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window (the page itself has no use for the key).
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool HelpWindow::ShowTopic(int topic) {
  const QString html = HelpPage(topic);
  if (html.isEmpty()) {
    const QString page = HelpFolder() + QString::number(topic) + ".html";
    shell::ShowMessage(
        shell::MessageKind::Information,
        (Text(texts::ui::kHelpFile) + page + Text(texts::ui::kNotFound)).toStdString());
    return false;
  }
  topic_ = topic;
  browser_->setHtml(html);
  return true;
}

void HelpWindow::Retranslate() {
  setWindowTitle(Text(texts::ui::kHelpCaption));
  if (!HelpPage(topic_).isEmpty()) browser_->setHtml(HelpPage(topic_));
}

}  // namespace kelvra::ui
