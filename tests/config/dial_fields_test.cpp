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

}  // namespace
}  // namespace kelvra::config
