// Qt needs a QGuiApplication for fonts and painting. The command line draws to
// files without a window: EnsureGuiApplication creates one on the "offscreen"
// platform when the process has none yet (a running window program keeps its
// own). Such a process prints nothing of Qt's own diagnostics.
#pragma once

namespace kelvra::canvas {

// True when a QGuiApplication exists (created here if needed). False when a
// plain QCoreApplication already runs, which cannot paint text.
bool EnsureGuiApplication();

}  // namespace kelvra::canvas
