#include "ui/common/retranslate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

#include "shell/catalog.h"

namespace kelvra::ui {

QString Raw(texts::TextId id) { return QString::fromStdString(shell::GetRaw(id)); }
QString Text(texts::TextId id) { return QString::fromStdString(shell::Get(id)); }
QString Menu(int n) { return QString::fromStdString(shell::MenuCaption(n)); }

namespace {

void ApplyCaption(QObject* o, const QString& raw) {
  if (auto* menu = qobject_cast<QMenu*>(o)) {
    menu->setTitle(raw);
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setText(raw);
  } else if (auto* label = qobject_cast<QLabel*>(o)) {
    // A label shows its access key only when it has a field to jump to.
    label->setText(label->buddy() ? raw : QString(raw).remove('&'));
  } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
    button->setText(raw);
  } else if (auto* group = qobject_cast<QGroupBox*>(o)) {
    group->setTitle(raw);
  } else if (auto* edit = qobject_cast<QLineEdit*>(o)) {
    edit->setPlaceholderText(QString(raw).remove('&'));
  }
}

void RelabelOne(QObject* o) {
  if (const texts::TextId tag = TagOf(o)) ApplyCaption(o, Raw(tag));
  bool ok = false;
  const int menu = o->property(kMenuProperty).toInt(&ok);
  if (ok && menu != 0) ApplyCaption(o, Menu(menu));
}

}  // namespace

texts::TextId TextProperty(const QObject* control, const char* name) {
  bool ok = false;
  const int number = control->property(name).toInt(&ok);
  return ok ? texts::TextId(number) : texts::TextId();
}

void SetTextProperty(QObject* control, const char* name, texts::TextId id) {
  control->setProperty(name, id.number);
}

texts::TextId TagOf(const QObject* control) { return TextProperty(control, kTagProperty); }

void SetTag(QObject* control, texts::TextId tag) {
  control->setProperty(kTagProperty, tag.number);
  RelabelOne(control);
}

void SetMenuTag(QObject* control, int n) {
  control->setProperty(kMenuProperty, n);
  RelabelOne(control);
}

void RelabelTree(QObject* root) {
  RelabelOne(root);
  for (QObject* child : root->findChildren<QObject*>()) RelabelOne(child);
}

void ApplyLanguage() {
  const QWidgetList tops = QApplication::topLevelWidgets();
  for (QWidget* top : tops) RelabelTree(top);
  for (QWidget* top : tops) {
    if (auto* r = dynamic_cast<Retranslatable*>(top)) r->Retranslate();
    for (QWidget* w : top->findChildren<QWidget*>()) {
      if (auto* r = dynamic_cast<Retranslatable*>(w)) r->Retranslate();
    }
  }
}

}  // namespace kelvra::ui
