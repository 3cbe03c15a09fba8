// The canvas renderers and plot writers of the azimuthal dials. All four draw
// the chains traced by BuildAzimuthalDial; they differ only in the plate's
// size and place on their target and in the direction of y.
#pragma once

#include "dials/azimuthal/azimuthal_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::azimuthal {

// The plate on a target: its centre and the radius of each sun direction.
struct Plate {
  double xc = 0;        // centre, target units
  double yc = 0;
  bool yUp = false;     // plot page: y grows upwards
  int variant = 0;
  // Variant 0: the ring band from the inner ring ri over `span`.
  double inner = 0;
  double outer = 0;
  double span = 0;
  // Variant 1: the radius of altitude 0 and the projection.
  double R = 0;
  Projection projection = Projection::EqualDistances;

  double Radius(double param) const {
    return variant == 0 ? inner + param * span : AltitudeRadius(projection, param, R);
  }
  // The target point of a sun direction.
  double X(const DirPoint& p) const;
  double Y(const DirPoint& p) const;
};

// The plate of the date-circle dial on a canvas W x H (device units).
Plate DateCirclePlate(const AzimuthalDial& dial, int width, int height, bool screen);
// The plate of the altitude-circle dial on a canvas W x H.
Plate AltitudeCirclePlate(const AzimuthalDial& dial, int width, int height, bool screen);
// The plates of the plot files (plot units at `plotScale`, y up).
Plate DateCirclePlotPlate(const AzimuthalDial& dial, int plotScale);
Plate AltitudeCirclePlotPlate(const AzimuthalDial& dial, int plotScale);

// Variant 0 (date circles) and variant 1 (altitude circles) onto the whole of
// `sink`; a refused dial shows the refusal and its title.
void DrawAzimuthalDial(output::PlotSink& sink, const AzimuthalDial& dial,
                       const shell::ColorSet& colors);
void DrawAltitudeCircleDial(output::PlotSink& sink, const AzimuthalDial& dial,
                            const shell::ColorSet& colors);

// The plot files: variant 0 "IN;PA;" ... ";SP0;IN;", variant 1 the standard
// header ... ";IW;IN;". Pen n draws what the canvas draws in colour n.
void PlotAzimuthalDial(output::HpglWriter& writer, const AzimuthalDial& dial);
void PlotAltitudeCircleDial(output::HpglWriter& writer, const AzimuthalDial& dial);

}  // namespace kelvra::dials::azimuthal
