#include "config/dial_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kelvra::config {
namespace {

struct Records {
  shell::SiteSettings site;
  DialParameters dial;
  shell::GeneralState general;
  shell::ColorSet colors;
  FieldRefs refs{&site, &dial, &general, &colors};
};

TEST(FieldTable, NamesAreUniqueAndDefaultsLieInTheirRanges) {
  Records r;
  std::set<std::string_view> names;
  for (const auto& f : Fields()) {
    EXPECT_TRUE(names.insert(f.name).second) << f.name;
    if (f.type == FieldType::Real || f.type == FieldType::Integer) {
      const double v = f.get(r.refs);
      // habermelGnomon is derived before use; its stored default is 0.
      if (f.name != "habermelGnomon") {
        EXPECT_TRUE(v >= f.min && v <= f.max) << f.name << " = " << v;
      }
    }
  }
  for (auto n : {"wallDeclination", "gnomonHeight", "hoursApparent", "kind", "latitude", "longitude",
                 "zoneMeridian", "year", "hourInterval", "eotHourInterval"}) {
    EXPECT_NE(FindField(n), nullptr) << n;
  }
}

TEST(FieldTable, SetByNameChecksTheParameterDialogsRange) {
  Records r;
  struct Case {
    const char* name;
    const char* value;
    bool ok;
    const char* errorPart;  // part of the error text
  };
  const Case cases[] = {
      {"gnomonHeight", "500", true, ""},
      {"gnomonHeight", "500.5", false, "gnomonHeight=500.5: out of range; allowed: 5 .. 500 mm"},
      {"latitude", "95", false, "latitude=95: out of range; allowed: -90 .. 90 deg"},
      {"year", "2020.5", false, "allowed: 1300 .. 2500"},
      {"wallDeclination", "-12,5", true, ""},
      {"coneHalfAngle", "0", true, ""},
      {"sawyerLineAngle", "0.4", false, "allowed: 0.5 .. 15"},
      {"hoursApparent", "n", true, ""},
      {"hoursApparent", "maybe", false, "allowed: true|false"},
      {"kind", "x", false, "allowed: h|v|i|z|q|a|k|r|c|m|w|p|f|b"},
      {"eotHourInterval", "6", true, ""},
      {"hourInterval", "5", false, "allowed: 0 .. 4"},
      {"noSuchField", "1", false, "unknown field \"noSuchField\""},
      {"gnomonHeight", "abc", false, "not a number"},
  };
  for (const auto& c : cases) {
    auto error = SetFieldByName(c.name, c.value, r.refs);
    EXPECT_EQ(!error.has_value(), c.ok) << c.name << "=" << c.value;
    if (error) {
      EXPECT_NE(error->find(c.errorPart), std::string::npos) << *error;
    }
  }
  EXPECT_EQ(r.dial.gnomonHeight, 500);  // the refused values changed nothing
  EXPECT_EQ(r.dial.wallDeclination, -12.5);
  EXPECT_FALSE(r.dial.hoursApparent);
  EXPECT_EQ(r.dial.eotHourInterval, 6);
  EXPECT_EQ(r.site.latitude, 47.251315);
}

TEST(FieldTable, TextOfEveryFieldReadsBack) {
  Records r;
  Records copy;
  for (const auto& f : Fields()) {
    const std::string text = FieldText(f, r.refs);
    if (f.name == "habermelGnomon") continue;  // derived; its stored default lies outside
    EXPECT_FALSE(SetFieldText(f, copy.refs, text).has_value()) << f.name;
    EXPECT_EQ(FieldText(f, copy.refs), text) << f.name;
  }
}

// Fields whose parameter dialog checks another range when the field itself is
// left than when its page is left: the dialog's documented field checks.
TEST(FieldTable, LeaveRangesDifferOnlyWhereTheDialogSaysSo) {
  struct Case {
    const char* name;
    Range leave;
    Range record;
  };
  const Case cases[] = {
      {"maxShadowLength", {0, 260}, {0, 200}},
      {"ringWidth", {4.5, 190}, {4.5, 300}},
      {"scalePercent", {5, 9999}, {5, 99000}},
      {"sawyerLineAngle", {1, 15}, {0.5, 15}},
      {"peaucellierEquinoxDistance", {10, 120}, {0, 300}},
      {"axisInclination", {-90, 175}, {-175, 175}},
      {"gnomonHeight", {5, 500}, {5, 500}},  // the same range both times
  };
  for (const auto& c : cases) {
    const FieldInfo* f = FindField(c.name);
    ASSERT_NE(f, nullptr) << c.name;
    EXPECT_EQ(LeaveRange(*f).min, c.leave.min) << c.name;
    EXPECT_EQ(LeaveRange(*f).max, c.leave.max) << c.name;
    EXPECT_EQ(RecordRange(*f).min, c.record.min) << c.name;
    EXPECT_EQ(RecordRange(*f).max, c.record.max) << c.name;
  }
  // A leave range is given only where it differs, and only for numbers.
  for (const auto& f : Fields()) {
    if (!f.hasLeaveRange) continue;
    EXPECT_TRUE(f.type == FieldType::Real || f.type == FieldType::Integer) << f.name;
    EXPECT_LT(f.leaveMin, f.leaveMax) << f.name;
    EXPECT_TRUE(f.leaveMin != f.min || f.leaveMax != f.max) << f.name;
  }
}

}  // namespace
}  // namespace kelvra::config
