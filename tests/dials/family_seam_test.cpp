// The dial-family seam: every kind of the kind table reaches a family that
// draws or says that it draws nothing; a family's messages go to the sink it
// is given; a family put in place is drawn and written unchanged; the listing
// is formatted when it is asked for.
#include <gtest/gtest.h>

#include <string>

#include "config/dial_kinds.h"
#include "dials/dial_family.h"
#include "dials/dial_job.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "test_family.h"

namespace kelvra::dials {
namespace {

// A dial record of the row's kind and variant.
config::DialParameters DialOf(const config::DialKindRow& row) {
  config::DialParameters d;
  d.kind = row.letter;
  d.umbrella = row.umbrella;
  switch (row.variantField) {
    case config::VariantField::AltitudeVariant: d.altitudeVariant = row.variant; break;
    case config::VariantField::CylinderVariant: d.cylinderVariant = row.variant; break;
    case config::VariantField::AzimuthCircles:
      d.azimuthCircleMode = row.variant == 0 ? 0 : 1;
      d.altitudeCircleSpacing = row.variant == 2 ? 2 : 1;
      break;
    case config::VariantField::None: break;
  }
  return d;
}

DialInputs InputsOf(const config::DialParameters& dial) {
  DialInputs in;
  in.dial = dial;
  in.ownDateLines = shell::DefaultOwnDateLines();
  return in;
}

std::string Name(const config::DialKindRow& row) {
  return std::string(1, row.letter) + (row.umbrella ? " umbrella" : "") + " variant " +
         std::to_string(row.variant);
}

TEST(FamilySeam, EveryKindDrawsOrSaysThatItDrawsNothing) {
  testing::RecordingMessageSink messages;
  for (const config::DialKindRow& row : config::DialKinds()) {
    const config::DialParameters dial = DialOf(row);
    ASSERT_EQ(&config::KindRow(dial), &row) << Name(row);
    const DialJob job(InputsOf(dial), messages);
    output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
    output::DrawingView view = DefaultView(row, 1400, 990, 47.25);
    job.Draw(sink, view, false, output::PrintArea{});
    output::HpglWriter plot;
    job.WritePlot(plot, view, std::nullopt, nullptr, "kel.plt");
    if (FindFamily(row.family)) {
      EXPECT_FALSE(job.DrawsNothing()) << Name(row);
      // The Peaucellier dial is made of straight segments: about 90 operations.
      EXPECT_GT(sink.Ops().size(), 60u) << Name(row);
      EXPECT_EQ(plot.Text().rfind("IN;", 0), 0u) << Name(row);
    } else {
      EXPECT_TRUE(job.DrawsNothing()) << Name(row);
      EXPECT_TRUE(sink.Ops().empty()) << Name(row);
      EXPECT_TRUE(plot.Text().empty()) << Name(row);
      EXPECT_TRUE(job.SidePlots().empty()) << Name(row);
    }
    // The window offers the hour-line table and the pole information only
    // for kinds whose construction answers them.
    if (row.Has(config::kHourLineTable)) {
      ASSERT_NE(job.Listing(), nullptr) << Name(row);
      EXPECT_TRUE(job.Listing()->HasHourLineTable()) << Name(row);
    }
    if (row.Has(config::kPoleInformation) && !job.DrawsNothing()) {
      EXPECT_NE(job.Listing(), nullptr) << Name(row);
    }
  }
  // The transitional kind of the umbrella dial draws its plane.
  config::DialParameters s;
  s.kind = 's';
  s.umbrellaPlane = 'v';
  const DialJob umbrella(InputsOf(s), messages);
  EXPECT_TRUE(umbrella.Kind().umbrella);
  EXPECT_EQ(umbrella.Kind().letter, 'v');
  EXPECT_FALSE(umbrella.DrawsNothing());
}

TEST(FamilySeam, MessagesGoToTheSinkGiven) {
  testing::RecordingMessageSink given;
  testing::RecordingMessageSink current;  // installed after `given`: the current sink
  config::DialParameters dial;  // the planar family: temporal hours refused above 66 degrees
  dial.temporalHours = true;
  DialInputs in = InputsOf(dial);
  in.site.latitude = 70;
  const DialJob planar(in, given);
  ASSERT_EQ(given.shown.size(), 1u);
  EXPECT_EQ(given.shown[0].kind, shell::MessageKind::Problem);

  const testing::DiscFamily disc;
  const ScopedFamily scoped(config::DialFamily::Ring, disc);
  dial.kind = 'r';
  in = InputsOf(dial);
  in.site.latitude = 85;
  const DialJob refused(in, given);
  EXPECT_TRUE(refused.DrawsNothing());
  EXPECT_EQ(given.shown.size(), 2u);
  EXPECT_TRUE(current.shown.empty());
}

TEST(FamilySeam, AFamilyPutInPlaceIsDrawnAndWrittenAsItIs) {
  testing::RecordingMessageSink messages;
  const testing::DiscFamily disc;
  config::DialParameters dial;
  dial.kind = 'w';  // the disc family stands in for the Sawyer decliner
  const ScopedFamily scoped(config::DialFamily::Sawyer, disc);
  const DialJob job(InputsOf(dial), messages);
  ASSERT_FALSE(job.DrawsNothing());

  // A picked origin reaches the family carried by the kind's rule (kind w:
  // x 16400 / W, y 10480 - 10470 / H), the rest as the family writes it.
  output::DrawingView view = DefaultView(job.Kind(), 1400, 990, 47.25);
  view.PickOrigin({700, 495});
  output::HpglWriter viaSeam;
  job.WritePlot(viaSeam, view, std::nullopt, nullptr, "kel.plt");
  PlotPlacement placement;
  placement.origin = output::Point{8200, 10480 - 5235};
  output::HpglWriter direct;
  testing::DiscConstruction(InputsOf(dial), messages).WritePlot(direct, placement, nullptr, "kel.plt");
  EXPECT_EQ(viaSeam.Text(), direct.Text());
  EXPECT_EQ(job.DxfScale().divisor, 40);  // kind w is not scaled for DXF

  ASSERT_EQ(job.SidePlots().size(), 1u);
  EXPECT_EQ(DialJob::SidePlotPath("out/kel.plt", job.SidePlots()[0]),
            std::filesystem::path("out/kelSide.plt"));
}

TEST(FamilySeam, TheListingIsFormattedWhenAskedFor) {
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(true);
  const DialJob job(InputsOf(config::DialParameters{}), messages);
  ASSERT_NE(job.Listing(), nullptr);
  EXPECT_EQ(job.Listing()->PoleStyleLines().at(1).rfind("     Geogr. Breite:", 0), 0u);
  shell::SelectLanguage(false);
  EXPECT_EQ(job.Listing()->PoleStyleLines().at(1).rfind("     Latitude     :", 0), 0u);
  EXPECT_EQ(job.Listing()->HourLineTable(false).heading,
            "Angles of the Hour Lines in a Vertical Sundial");
  shell::SelectLanguage(true);
}

}  // namespace
}  // namespace kelvra::dials
