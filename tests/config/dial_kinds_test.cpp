// The table of dial kinds: the kind list, the umbrella rule, the rows of the
// variants and the parameter page of each kind, against the kind list, the
// picture table and the page table of the dial dialogs.
#include "config/dial_kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/ui.h"

namespace kelvra::config {
namespace {

TEST(DialKinds, EveryRowIsFoundByItsOwnKey) {
  for (const DialKindRow& r : DialKinds()) {
    const DialKindRow& found = KindRow(r.letter, r.umbrella, r.variant);
    EXPECT_EQ(&found, &r) << r.letter << r.umbrella << r.variant;
    EXPECT_NE(r.family, DialFamily::Unknown) << r.letter;
  }
  // A letter the table does not know has no family and offers nothing.
  EXPECT_EQ(KindRow('x').family, DialFamily::Unknown);
  EXPECT_FALSE(KindRow('x').Has(kPrints) || KindRow('x').Has(kPickOrigin));
}

TEST(DialKinds, TheKindListHasFourteenEntriesTwelveWithoutExpertMode) {
  // The labels of the kind list in list order; c and m need expert mode.
  std::set<int> entries, offered;
  for (const DialKindRow& r : DialKinds()) {
    if (r.entry < 0) continue;
    entries.insert(r.entry);
    EXPECT_EQ(r.listLabel, texts::ui::kKindList[r.entry]);
    if (EntryOffered(r.entry, false)) offered.insert(r.entry);
  }
  EXPECT_EQ(entries.size(), 14u);
  EXPECT_EQ(*entries.rbegin(), 13);
  EXPECT_EQ(offered.size(), 12u);
  const std::string letters = "hviuqazkrcmwpf";  // u: the umbrella entry
  for (int e = 0; e < 14; ++e) {
    if (e == UmbrellaEntry()) continue;
    EXPECT_EQ(EntryLetter(e), letters[static_cast<std::size_t>(e)]) << e;
  }
  EXPECT_EQ(UmbrellaEntry(), 3);
}

TEST(DialKinds, TheTransitionalKindResolvesToItsPlane) {
  struct Case {
    char kind;
    char plane;
    char resolved;
    bool umbrella;
  };
  const Case cases[] = {
      {'s', 'i', 'i', true},  {'s', 'v', 'v', true}, {'s', 'x', 'h', true},
      {'v', 'i', 'v', false}, {'q', 'i', 'q', false},
  };
  for (const Case& c : cases) {
    DialParameters d;
    d.kind = c.kind;
    d.umbrellaPlane = c.plane;
    const DialParameters r = ResolvedDial(d);
    EXPECT_EQ(r.kind, c.resolved) << c.kind << c.plane;
    EXPECT_EQ(r.umbrella, c.umbrella) << c.kind << c.plane;
  }
  DialParameters s;
  s.kind = 's';
  s.umbrellaPlane = 'i';
  EXPECT_TRUE(KindRow(s).umbrella);
  EXPECT_EQ(KindRow(s).letter, 'i');
  EXPECT_EQ(KindCode(s), "si");
}

TEST(DialKinds, ChoosingEntriesFollowsTheKindRules) {
  DialParameters d;
  d.kind = 'q';
  ChooseKindEntry(d, UmbrellaEntry(), true);
  EXPECT_TRUE(d.umbrella);
  EXPECT_EQ(d.kind, 'h');
  d.kind = 'i';  // the plane choice
  d.umbrellaPlane = 'i';
  ChooseKindEntry(d, 7, true);  // k
  EXPECT_FALSE(d.umbrella);
  ChooseKindEntry(d, UmbrellaEntry(), true);
  EXPECT_EQ(d.kind, 'i');  // the last plane comes back

  d.inclination = 30;
  ChooseKindEntry(d, 1, true);  // v
  EXPECT_EQ(d.kind, 'v');
  EXPECT_EQ(d.inclination, 90);

  d.cylinderVariant = 2;
  d.altitudeVariant = 2;
  ChooseKindEntry(d, 6, false);  // z without expert mode
  EXPECT_EQ(d.cylinderVariant, 0);
  ChooseKindEntry(d, 4, false);  // q
  EXPECT_EQ(d.altitudeVariant, 0);
  d.cylinderVariant = 2;
  ChooseKindEntry(d, 6, true);  // with expert mode the variant stays
  EXPECT_EQ(d.cylinderVariant, 2);
  ChooseKindEntry(d, 9, false);  // c is not offered without expert mode
  EXPECT_EQ(d.kind, 'h');
}

TEST(DialKinds, VariantsSelectTheirRows) {
  // The dial type dialog's pictures by kind and variant.
  struct Case {
    char kind;
    bool umbrella;
    int altitudeVariant, cylinderVariant, circleMode, circleSpacing;
    int picture;
  };
  const Case cases[] = {
      {'h', false, 0, 0, 1, 1, 2998}, {'v', false, 0, 0, 1, 1, 3000}, {'i', true, 0, 0, 1, 1, 3002},
      {'v', true, 0, 0, 1, 1, 3001},  {'a', false, 0, 0, 0, 1, 3003}, {'a', false, 0, 0, 1, 1, 3009},
      {'a', false, 0, 0, 1, 2, 3015}, {'q', false, 2, 0, 1, 1, 3011}, {'z', false, 0, 1, 1, 1, 3012},
      {'i', false, 0, 0, 1, 1, 0},    {'f', false, 0, 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    DialParameters d;
    d.kind = c.kind;
    d.umbrella = c.umbrella;
    d.altitudeVariant = c.altitudeVariant;
    d.cylinderVariant = c.cylinderVariant;
    d.azimuthCircleMode = c.circleMode;
    d.altitudeCircleSpacing = c.circleSpacing;
    EXPECT_EQ(KindRow(d).picture, c.picture) << c.kind << c.umbrella;
  }
}

TEST(DialKinds, ParameterPageByKind) {
  struct Case {
    char kind;
    bool umbrella;
    bool expert;
    ParameterPage page;
  };
  const Case cases[] = {
      {'h', false, true, ParameterPage::Planar},  {'v', true, true, ParameterPage::Bifilar},
      {'s', false, true, ParameterPage::Bifilar}, {'f', false, true, ParameterPage::Bifilar},
      {'q', false, true, ParameterPage::VerticalAltitude}, {'z', false, true, ParameterPage::Cylinder},
      {'k', false, true, ParameterPage::HorizontalAltitude}, {'r', false, true, ParameterPage::Ring},
      {'a', false, true, ParameterPage::Azimuthal}, {'c', false, true, ParameterPage::Biazimuthal},
      {'c', false, false, ParameterPage::Planar}, {'m', false, true, ParameterPage::MeanTime},
      {'m', false, false, ParameterPage::Planar}, {'w', false, false, ParameterPage::Sawyer},
      {'p', false, true, ParameterPage::Sawyer},
  };
  for (const Case& c : cases) {
    DialParameters d;
    d.kind = c.kind;
    d.umbrella = c.umbrella;
    EXPECT_EQ(PageFor(d, c.expert), c.page) << c.kind << c.umbrella << c.expert;
  }
}

TEST(DialKinds, KindsWithAListingForMessages) {
  EXPECT_EQ(KindsWith(kHourLineTable), "kind=h, kind=v or kind=i");
  EXPECT_EQ(KindsWith(kFixedOnPage), "kind=w, kind=p or kind=f");
}

// The windows tell the planes and families apart by these columns alone:
// each belongs to exactly the rows of one letter.
TEST(DialKinds, PlaneFlagsAndFamiliesBelongToOneLetterEach) {
  struct Case {
    const char* what;
    bool (*has)(const DialKindRow&);
    char letter;
  };
  const Case cases[] = {
      {"inclined face", [](const DialKindRow& r) { return r.Has(kInclinedFace); }, 'i'},
      {"horizontal face", [](const DialKindRow& r) { return r.Has(kHorizontalFace); }, 'h'},
      {"bifilar family", [](const DialKindRow& r) { return r.family == DialFamily::Bifilar; }, 'f'},
      {"Peaucellier family",
       [](const DialKindRow& r) { return r.family == DialFamily::Peaucellier; }, 'p'},
  };
  for (const Case& c : cases) {
    for (const DialKindRow& r : DialKinds()) {
      EXPECT_EQ(c.has(r), r.letter == c.letter) << c.what << ", row " << r.letter
                                                << (r.umbrella ? " (umbrella)" : "");
    }
  }
}

}  // namespace
}  // namespace kelvra::config
