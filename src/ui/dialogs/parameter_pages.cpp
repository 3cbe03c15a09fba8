#include "ui/dialogs/parameter_pages.h"

#include <QLabel>
#include <QVBoxLayout>
#include <span>
#include <vector>

#include "texts/ui.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/pages/azimuthal_page.h"
#include "ui/dialogs/pages/biazimuthal_page.h"
#include "ui/dialogs/pages/bifilar_page.h"
#include "ui/dialogs/pages/cylinder_page.h"
#include "ui/dialogs/pages/horizontal_altitude_page.h"
#include "ui/dialogs/pages/mean_time_page.h"
#include "ui/dialogs/pages/peaucellier_page.h"
#include "ui/dialogs/pages/planar_page.h"
#include "ui/dialogs/pages/quadrant_page.h"
#include "ui/dialogs/pages/ring_page.h"

namespace kelvra::ui {

namespace {

// A page whose family's parameters are not part of the program yet.
class PlaceholderPage final : public FieldPage {
 public:
  PlaceholderPage(config::ParameterPage id, const PageContext& context, QWidget* parent)
      : FieldPage(id, context, parent) {
    auto* l = new QVBoxLayout(this);
    auto* note = new QLabel(this);
    SetTag(note, texts::ui::kPageFollows);
    note->setAlignment(Qt::AlignCenter);
    l->addWidget(note);
  }
};

struct Registered {
  config::ParameterPage page;
  PageMaker maker;
};

template <typename Page>
FieldPage* Make(const PageContext& context, QWidget* parent) {
  return new Page(context, parent);
}

// One line per page that a family has built.
std::span<const Registered> Registry() {
  static const Registered registry[] = {
      {config::ParameterPage::Planar, &Make<PlanarPage>},
      {config::ParameterPage::Bifilar, &Make<BifilarPage>},
      {config::ParameterPage::VerticalAltitude, &Make<QuadrantPage>},
      {config::ParameterPage::Cylinder, &Make<CylinderPage>},
      {config::ParameterPage::HorizontalAltitude, &Make<HorizontalAltitudePage>},
      {config::ParameterPage::Ring, &Make<RingPage>},
      {config::ParameterPage::Azimuthal, &Make<AzimuthalPage>},
      {config::ParameterPage::Biazimuthal, &Make<BiazimuthalPage>},
      {config::ParameterPage::MeanTime, &Make<MeanTimePage>},
      {config::ParameterPage::Sawyer, &Make<PeaucellierPage>},
  };
  return registry;
}

std::vector<Registered>& Overrides() {
  static std::vector<Registered> overrides;
  return overrides;
}

}  // namespace

FieldPage* MakeParameterPage(config::ParameterPage page, const PageContext& context,
                             QWidget* parent) {
  for (auto it = Overrides().rbegin(); it != Overrides().rend(); ++it) {
    if (it->page == page) return it->maker(context, parent);
  }
  for (const Registered& r : Registry()) {
    if (r.page == page) return r.maker(context, parent);
  }
  return new PlaceholderPage(page, context, parent);
}

ScopedParameterPage::ScopedParameterPage(config::ParameterPage page, PageMaker maker) {
  Overrides().push_back({page, maker});
}

ScopedParameterPage::~ScopedParameterPage() { Overrides().pop_back(); }

}  // namespace kelvra::ui
