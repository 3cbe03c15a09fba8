// Opens every window and dialog of the program in one language and saves a
// picture of each, for looking at layouts (scripts/screenshots runs it at two
// scale factors in both languages). It also lists every label, button and
// check box whose text does not fit its widget, and every pair of sibling
// controls that overlap; a clean layout lists nothing.
//
//   dialog_screenshots OUTPUT_FOLDER de|en
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <string>

#include "config/dial_parameters.h"
#include "output/drawing_window_rules.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "shell/startup.h"
#include "calc/graphs/graph_inputs.h"
#include "ui/calc/graph_save_panel.h"
#include "ui/calc/graph_view.h"
#include "ui/calc/symmetric_panel.h"
#include "ui/common/help_window.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/dial_type_dialog.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/drawing_window.h"
#include "ui/calc/tables_window.h"
#include "ui/drawing/listing_panels.h"
#include "ui/main/main_window.h"
#include "ui/main/task_window.h"

namespace {

using namespace kelvra;

// Answers every question with its first button, so that nothing waits.
class SilentSink : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view text,
                            shell::MessageButtons) override {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
    return shell::MessageAnswer::Yes;
  }
};

void Pump() {
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

int problems = 0;

QString Describe(const QWidget* w) {
  QString text;
  if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
  return QString("%1 \"%2\" (%3)").arg(w->metaObject()->className(), text.left(60), w->objectName());
}

// Texts cut by their widget and overlapping siblings among the visible
// controls under `root`.
void CheckLayout(const QString& shot, QWidget* root) {
  const auto children = root->findChildren<QWidget*>();
  for (QWidget* w : children) {
    if (!w->isVisible() || w->width() <= 0) continue;
    bool cut = false;
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (!l->wordWrap() && l->pixmap().isNull() && !l->text().isEmpty())
        cut = l->sizeHint().width() > l->width() + 1 || l->sizeHint().height() > l->height() + 1;
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (!b->text().isEmpty()) cut = b->minimumSizeHint().width() > b->width() + 1;
    }
    if (cut) {
      ++problems;
      std::printf("%s: cut: %s, %d x %d wants %d x %d\n", qPrintable(shot), qPrintable(Describe(w)),
                  w->width(), w->height(), w->sizeHint().width(), w->sizeHint().height());
    }
  }
  for (QWidget* w : children) {
    if (!w->isVisible() || qobject_cast<QMdiSubWindow*>(w)) continue;
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)) continue;
    const auto siblings = w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* s : siblings) {
      if (s <= w || !s->isVisible() || s->isWindow()) continue;
      if (!qobject_cast<QLabel*>(s) && !qobject_cast<QAbstractButton*>(s)) continue;
      if (w->geometry().intersected(s->geometry()).width() > 2 &&
          w->geometry().intersected(s->geometry()).height() > 2) {
        ++problems;
        std::printf("%s: overlap: %s and %s\n", qPrintable(shot), qPrintable(Describe(w)),
                    qPrintable(Describe(s)));
      }
    }
  }
}

// Saves the picture of `check` when it is a task window's frame, else of the
// whole `window`, and checks the layout under `check`.
void Shoot(const QDir& out, const QString& name, QWidget* window, QWidget* check = nullptr) {
  Pump();
  QWidget* shown = qobject_cast<QMdiSubWindow*>(check) ? check : window;
  shown->grab().save(out.filePath(name + ".png"));
  CheckLayout(name, check ? check : window);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dialog_screenshots OUTPUT_FOLDER de|en\n");
    return 2;
  }
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  SilentSink sink;
  shell::ScopedMessageSink installed(sink);
  shell::ResetToStartupDefaults();
  config::ResetDialParameters();
  const bool german = std::string(argv[2]) != "en";
  QDir out(QString::fromLocal8Bit(argv[1]));
  out.mkpath(".");

  ui::MainWindow w;
  w.resize(1600, 1000);
  w.show();
  Pump();
  w.FirstShow();
  w.SelectLanguage(german);
  w.SetExpertMode(true);
  Pump();
  Shoot(out, "main", &w);

  auto task = [&](ui::TaskWindow* t) -> QWidget* {
    Pump();
    return t && t->Frame() ? static_cast<QWidget*>(t->Frame()) : t;
  };
  if (QWidget* t = task(w.OpenSiteDialog())) Shoot(out, "site", &w, t);
  // The type dialog with every kind of its list.
  if (auto* type = qobject_cast<ui::DialTypeDialog*>(w.OpenDialTypeDialog())) {
    for (int entry = 0; entry < 14; ++entry) {
      if (!type->ChooseEntry(entry)) continue;
      Shoot(out, QString("type-%1").arg(entry, 2, 10, QChar('0')), &w, task(type));
    }
    type->ChooseEntry(0);
  }
  // The parameters dialog, every page.
  if (auto* params = qobject_cast<ui::DialParametersDialog*>(w.OpenDialParametersDialog())) {
    for (int page = 0; page < params->Pages()->count(); ++page) {
      params->Pages()->setCurrentIndex(page);
      Shoot(out, QString("parameters-%1").arg(page), &w, task(params));
    }
  }
  config::Dial() = config::DialParameters{};
  if (auto* drawing = qobject_cast<ui::DrawingWindow*>(w.OpenDrawingWindow())) {
    Pump();
    Shoot(out, "drawing", &w, task(drawing));
    drawing->OpenSavePanel(output::SaveFormat::Hpgl, false);
    Shoot(out, "drawing-save", &w, drawing->Saver());
    drawing->ShowPoleInformation();
    Shoot(out, "drawing-pole", &w, drawing->PoleInfo());
    drawing->ShowHourLineTable();
    Shoot(out, "drawing-table", &w, drawing->HourTable());
    w.ShowColourPanel();
    Shoot(out, "colours", &w, w.Colours());
    w.ShowHelp();  // the drawing window's page
    if (w.Help()) Shoot(out, "help-drawing", w.Help());
  }
  w.CloseAllWindows();
  for (int mode : {1, 2, 3, 4}) {
    if (QWidget* t = task(w.OpenCalculator(mode))) Shoot(out, QString("calculator-%1").arg(mode), &w, t);
  }
  w.CloseAllWindows();
  // The tables: the one-month and half-year rise and set tables, the four
  // yearly tables.
  for (int kind : {1, 0, 2, 3}) {
    auto* tables = qobject_cast<ui::TablesWindow*>(w.OpenTables(kind));
    if (QWidget* t = task(tables)) {
      Shoot(out, QString("tables-%1").arg(kind), &w, t);
      if (tables->RangeChoice()) {
        tables->RangeChoice()->setCurrentIndex(1);
        Shoot(out, "tables-halfyear", &w, t);
        tables->RangeChoice()->setCurrentIndex(0);
      }
      if (kind == 2) {
        tables->YearKindChoice()->setCurrentIndex(1);
        Shoot(out, "tables-eot-longitude", &w, t);
      }
    }
    Pump();
  }
  w.CloseAllWindows();
  // The graph modes of the tables window, each with its panels.
  {
    ui::GraphView eot(ui::kGraphModeEot, 0);
    eot.resize(1200, 800);
    eot.show();
    Shoot(out, "graph-16", &eot);
    eot.OpenSavePanel(false);
    Shoot(out, "graph-16-save", &eot);
    eot.SavePanel()->hide();
    eot.SymmetricBox()->setChecked(true);
    Shoot(out, "graph-16-symmetric", &eot);
  }
  for (int variant : {1, 2}) {
    ui::GraphView sunPath(ui::kGraphModeSunPath, variant);
    sunPath.resize(1300, 850);
    sunPath.show();
    Shoot(out, QString("graph-32-%1").arg(variant), &sunPath);
    sunPath.HoursWithEotBox()->setChecked(true);
    sunPath.PlaneBox()->setChecked(true);
    Shoot(out, QString("graph-32-%1-plane").arg(variant), &sunPath);
    sunPath.OpenSavePanel(true);
    Shoot(out, QString("graph-32-%1-save").arg(variant), &sunPath);
    sunPath.HoursWithEotBox()->setChecked(false);
    sunPath.PlaneBox()->setChecked(false);
  }
  // The same views inside the tables window (graph modes 16 and 32).
  for (int kind : {10, 11, 12}) {
    if (QWidget* t = task(w.OpenTables(kind))) Shoot(out, QString("tables-%1").arg(kind), &w, t);
  }
  w.CloseAllWindows();
  Pump();
  w.ShowAbout();
  Shoot(out, "about", &w);
  w.ShowHelp();
  if (w.Help()) Shoot(out, "help", w.Help());
  std::printf("%d layout problems\n", problems);
  return 0;
}
