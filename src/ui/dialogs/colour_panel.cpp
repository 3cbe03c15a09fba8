#include "ui/dialogs/colour_panel.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "texts/ui.h"
#include "ui/common/core_bridge.h"

namespace kelvra::ui {

namespace {

QColor ToQColor(std::uint32_t v) {
  return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff),
                static_cast<int>((v >> 16) & 0xff));
}

std::uint32_t FromQColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) + 256u * static_cast<std::uint32_t>(c.green()) +
         65536u * static_cast<std::uint32_t>(c.blue());
}

constexpr QSize kPatternSize(48, 150);

}  // namespace

int ColourPanel::PatternLineY(int k, int h) {
  return static_cast<int>(std::lround(8 + k * 2.0 * h / (21.35 * 1.14)));
}

QPixmap ColourPanel::Pattern(const std::array<std::uint32_t, 12>& colours, int lineWidth,
                             QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  for (int k = 0; k < 12; ++k) {
    p.setPen(QPen(ToQColor(colours[static_cast<std::size_t>(k)]), lineWidth));
    const int y = PatternLineY(k, size.height());
    p.drawLine(10, y, 35, y);
  }
  return pixmap;
}

ColourPanel::ColourPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("ColourPanel");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  auto* outer = new QVBoxLayout(this);
  auto* title = new QLabel(this);
  QFont f = title->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + 2);
  title->setFont(f);
  SetTag(title, texts::ui::kColourPanelTitle);
  outer->addWidget(title);

  auto* body = new QHBoxLayout;
  auto* grid = new QGridLayout;
  for (int n = 1; n <= 12; ++n) {
    auto* label = new QPushButton(this);
    label->setFlat(true);
    SetTag(label, texts::ui::kColourLabels[n - 1]);
    label->setObjectName(QString("ColourLabel%1").arg(n));
    auto* swatch = new QPushButton(this);
    swatch->setObjectName(QString("Colour%1").arg(n));
    swatch->setFixedSize(64, 22);
    connect(label, &QPushButton::clicked, this, [this, n] { ChooseColour(n); });
    connect(swatch, &QPushButton::clicked, this, [this, n] { ChooseColour(n); });
    swatches_ << swatch;
    const int row = (n - 1) % 6;
    const int col = (n - 1) / 6 * 2;
    grid->addWidget(label, row, col);
    grid->addWidget(swatch, row, col + 1);
  }
  body->addLayout(grid);

  auto* patterns = new QGridLayout;
  auto* currentName = new QLabel(this);
  SetTag(currentName, texts::ui::kCurrentColours);
  auto* storedName = new QLabel(this);
  SetTag(storedName, texts::ui::kStoredColours);
  current_ = new QLabel(this);
  stored_ = new QLabel(this);
  current_->setFixedSize(kPatternSize);
  stored_->setFixedSize(kPatternSize);
  patterns->addWidget(currentName, 0, 0, Qt::AlignCenter);
  patterns->addWidget(storedName, 0, 1, Qt::AlignCenter);
  patterns->addWidget(current_, 1, 0);
  patterns->addWidget(stored_, 1, 1);
  body->addLayout(patterns);
  outer->addLayout(body);

  auto* widthBox = new QGroupBox(this);
  SetTag(widthBox, texts::ui::kLineWidth);
  auto* wl = new QHBoxLayout(widthBox);
  widths_ = new QButtonGroup(this);
  for (int w = 1; w <= 3; ++w) {
    auto* radio = new QRadioButton(widthBox);
    SetTag(radio, texts::ui::kLineWidths[w - 1]);
    widths_->addButton(radio, w);
    wl->addWidget(radio);
  }
  connect(widths_, &QButtonGroup::idClicked, this, [this](int w) { SetLineWidth(w); });
  outer->addWidget(widthBox);

  auto* buttons = new QHBoxLayout;
  auto* save = new QPushButton(this);
  SetTag(save, texts::ui::kSaveColours);
  auto* load = new QPushButton(this);
  SetTag(load, texts::ui::kLoadColours);
  auto* reset = new QPushButton(this);
  SetTag(reset, texts::ui::kResetColours);
  auto* close = new QPushButton(this);
  SetTag(close, texts::ui::kColourPanelClose);
  for (QPushButton* b : {save, load, reset, close}) buttons->addWidget(b);
  save->setEnabled(bridge::HaveSettingsFiles());
  load->setEnabled(bridge::HaveSettingsFiles());
  connect(save, &QPushButton::clicked, this, [this] {
    bridge::SaveColours();
    Refresh();
  });
  connect(load, &QPushButton::clicked, this, [this] {
    bridge::LoadColours();
    Refresh();
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    bridge::ResetColours();
    Refresh();
  });
  connect(close, &QPushButton::clicked, this, [this] {
    hide();
    emit Closed();
  });
  outer->addLayout(buttons);
  Refresh();
}

void ColourPanel::Open() {
  Refresh();
  show();
  raise();
  setFocus();
}

void ColourPanel::Close() {
  hide();
  emit Closed();
}

void ColourPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Close();
    return;
  }
  QFrame::keyPressEvent(event);
}

void ColourPanel::Refresh() {
  const shell::ColorSet& set = shell::State().colors;
  for (int i = 0; i < 12; ++i) {
    const QColor c = ToQColor(set.colors[static_cast<std::size_t>(i)]);
    swatches_[i]->setStyleSheet(QString("background-color: %1; border: 1px solid #555;").arg(c.name()));
  }
  current_->setPixmap(Pattern(set.colors, set.lineWidth, kPatternSize));
  stored_->setPixmap(Pattern(set.savedColors, set.lineWidth, kPatternSize));
  if (QAbstractButton* b = widths_->button(std::clamp<int>(set.lineWidth, 1, 3))) b->setChecked(true);
}

void ColourPanel::ChooseColour(int n) {
  shell::ColorSet& set = shell::State().colors;
  const QColor chosen =
      QColorDialog::getColor(ToQColor(set.Color(n)), this, Text(texts::ui::kChooseColour));
  if (!chosen.isValid()) return;
  set.colors[static_cast<std::size_t>(n - 1)] = FromQColor(chosen);
  Refresh();
}

void ColourPanel::SetLineWidth(int width) {
  shell::State().colors.lineWidth = static_cast<std::uint8_t>(std::clamp(width, 1, 3));
  Refresh();
}

void ColourPanel::Retranslate() { Refresh(); }

}  // namespace kelvra::ui
