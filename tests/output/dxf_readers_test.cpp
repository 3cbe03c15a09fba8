// Plot files and DXF drawings read back by independent programs: Debian's
// python3-ezdxf must read and audit the DXF without an error, and hp2xx must
// accept the plot file. Both are installed by scripts/setup.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "hpgl_test_support.h"
#include "output/hpgl_to_dxf.h"
#include "output/hpgl_writer.h"
#include "support/recording_message_sink.h"

namespace kelvra::output {
namespace {

using kelvra::testing::ReadBytes;
using kelvra::testing::TempFolder;

struct CommandResult {
  int status = -1;
  std::string output;
};

CommandResult RunCommand(const std::string& command) {
  CommandResult r;
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.output.append(buffer, n);
  const int status = ::pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') q += "'\\''";
    else q += c;
  }
  return q + "'";
}

// The Python interpreter that has ezdxf: the system one, where Debian's
// package puts it, unless the python3 on the PATH has it too.
std::string PythonWithEzdxf() {
  for (const char* candidate : {"python3", "/usr/bin/python3"}) {
    if (RunCommand(std::string(candidate) + " -c 'import ezdxf'").status == 0) return candidate;
  }
  return {};
}

// A plot file with every element the writers use: header, grid, pens, line
// types, pen widths, labels (umlaut, "^", separators), circles, arcs, a long
// polyline, lines leaving the input window, trailer.
void WriteSamplePlot(HpglWriter& w) {
  const int s = w.PlotScale();
  w.PutStandardHeader();
  w.PutGrid(8200.0 * s, 2500.0 * s, 16150.0 * s, 11030.0 * s, 400.0 * s);
  w.PutThinPen();
  w.Put(";SP 1;SI " + FormatPlotReal(5, 2, 0.16 * s) + "," + FormatPlotReal(5, 2, 0.24 * s) +
        ";DI 100.0,0.0;PU " + w.Scaled(8000) + " " + w.Scaled(10500) + ";");
  w.PutLabel("Vertikale Sonnenuhr, Wanddeklination 10\xc2\xb0 (\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f)");
  w.Put(";DI -1,0;PU " + w.Scaled(9000) + " " + w.Scaled(9000) + ";");
  w.PutLabel("^");
  w.Put(";SA;DI 1,0;PU " + w.Scaled(2000) + " " + w.Scaled(9000) + ";");
  w.PutLabel("x");
  w.Put(";SS;");
  w.PutConstructionPen();
  w.Put(";SP 2;LT 2,2;PU " + w.Scaled(1000) + " " + w.Scaled(1000) + ";PD");
  for (int i = 0; i < 700; ++i) {
    w.Put(" " + w.Scaled(1000 + i * 20) + " " + w.Scaled(1000 + (i % 50) * 30));
  }
  w.Put(";PU;LT;SP 3;IW 0 0 " + w.Scaled(8000) + " " + w.Scaled(8000) + ";PU " + w.Scaled(4000) +
        " " + w.Scaled(4000) + ";PD " + w.Scaled(12000) + " " + w.Scaled(6000) + " " +
        w.Scaled(4000) + " " + w.Scaled(7000) + ";PU;IW 0 0 " + w.Scaled(16157) + " " +
        w.Scaled(11038) + ";");
  w.Put(";SP 5;PU " + w.Scaled(8200) + " " + w.Scaled(2500) + ";CI " + w.Scaled(300) +
        ";PU " + w.Scaled(8500) + " " + w.Scaled(2500) + ";AA " + w.Scaled(8200) + " " +
        w.Scaled(2500) + ",-120;LT 1;PR " + w.Scaled(100) + "," + w.Scaled(100) + ";PD;PR " +
        w.Scaled(100) + "," + w.Scaled(0) + " 0," + w.Scaled(100) + ";PA;PU " + w.Scaled(600) +
        " " + w.Scaled(600) + ";EA " + w.Scaled(900) + " " + w.Scaled(800) + ";LT 4;PD " +
        w.Scaled(600) + " " + w.Scaled(900) + ";PU;");
  w.Put(kTrailerWindow);
}

TEST(DxfReaders, EzdxfAuditsConvertedDrawingsClean) {
  const std::string python = PythonWithEzdxf();
  ASSERT_FALSE(python.empty()) << "python3-ezdxf is missing; run scripts/setup";
  TempFolder dir;
  kelvra::testing::RecordingMessageSink messages;
  struct Case {
    int plotScale;
    int divisor;
    int lineStrength;
  };
  for (const Case& c : {Case{25, 1000, 1}, Case{1, 40, 3}}) {
    HpglWriter w;
    w.SetPlotScale(c.plotScale);
    w.SetLineStrength(c.lineStrength);
    ASSERT_TRUE(w.Open(dir / "kelvra.$$$"));
    WriteSamplePlot(w);
    ASSERT_TRUE(w.Close());
    const auto dxf = dir / ("kel" + std::to_string(c.divisor) + ".dxf");
    auto result = ConvertHpglToDxf(dir / "kelvra.$$$", dxf, c.lineStrength, c.divisor);
    ASSERT_TRUE(result.ok());

    const std::string script =
        "import sys, ezdxf\n"
        "doc = ezdxf.readfile(sys.argv[1])\n"
        "auditor = doc.audit()\n"
        "for e in auditor.errors: print('ERROR', e.code, e.message)\n"
        "msp = doc.modelspace()\n"
        "kinds = {}\n"
        "for e in msp: kinds[e.dxftype()] = kinds.get(e.dxftype(), 0) + 1\n"
        "print('ENTITIES', sorted(kinds.items()))\n"
        "xs = [v.dxf.location[0] for p in msp.query('POLYLINE') for v in p.vertices]\n"
        "ys = [v.dxf.location[1] for p in msp.query('POLYLINE') for v in p.vertices]\n"
        "print('EXTENT %.3f %.3f %.3f %.3f' % (min(xs), min(ys), max(xs), max(ys)))\n"
        "texts = [t.dxf.text for t in msp.query('TEXT')]\n"
        "print('UMLAUT', any('\\u00e4\\u00f6\\u00fc\\u00df' in t for t in texts))\n"
        "print('HEADER', doc.header['$EXTMAX'][0], doc.header['$LTSCALE'])\n"
        "sys.exit(1 if auditor.has_errors else 0)\n";
    kelvra::testing::WriteBytes(dir / "audit.py", script);
    const auto r =
        RunCommand(python + " " + Quote((dir / "audit.py").string()) + " " + Quote(dxf.string()));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output.find("ERROR"), std::string::npos) << r.output;
    // Every element reached the drawing, in millimetres, clipped to the page.
    EXPECT_NE(r.output.find("('ARC', 1)"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("('CIRCLE', 2)"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("('TEXT', 3)"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("EXTENT 0.000 0.000 403.925 275.950"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("UMLAUT True"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("HEADER 411.0 1.0"), std::string::npos) << r.output;
  }
}

TEST(DxfReaders, EzdxfAuditsDrawingsFromDamagedPlotFilesClean) {
  const std::string python = PythonWithEzdxf();
  ASSERT_FALSE(python.empty()) << "python3-ezdxf is missing; run scripts/setup";
  TempFolder dir;
  kelvra::testing::RecordingMessageSink messages;
  // Random command soup: pens, labels with line ends, numbers of every form.
  std::mt19937 random(1582);
  const std::vector<std::string> words = {
      "SP", "SP 1.5", "SP x", "SP 300", "SP;", "PD", "PU", "PA", "PR", "LB\r\n", "LB^\x03",
      "LT 2,2", "LT 9", "PW 2", "PW", "CI 80", "CI -5", "CI 0", "AA 5 5 0", "AA 1 1 x",
      "AR 10 0 -720", "EA 10 10", "ER -5 5", "SI 0,0", "SI 0.1,0.2", "DI 0,0", "DI -1,-1",
      "SL 1e5", "SL 2", "IW 10 10 0 0", "IW", "SA", "SS", "IN", "\x03", ";", ",", " ", "-",
      "+.", "1.2.3", "12", "-400", "99999999999999999999", ".5", "\xe4\xf6", "\xc3\xa4"};
  std::string files;
  for (int round = 0; round < 6; ++round) {
    std::string text = "IN;SP 1;PD 100 100;";
    for (int i = 0; i < 3000; ++i) {
      std::string w = words[random() % words.size()];
      // Unescape the few escapes used above.
      std::string raw;
      for (std::size_t k = 0; k < w.size(); ++k) {
        if (w[k] == '\\' && k + 1 < w.size()) {
          if (w[k + 1] == 'r') { raw += '\r'; ++k; continue; }
          if (w[k + 1] == 'n') { raw += '\n'; ++k; continue; }
          if (w[k + 1] == 'x' && k + 3 < w.size()) {
            raw += static_cast<char>(std::stoi(w.substr(k + 2, 2), nullptr, 16));
            k += 3;
            continue;
          }
        }
        raw += w[k];
      }
      text += raw + (random() % 3 ? ";" : " ");
    }
    const auto plt = dir / ("soup" + std::to_string(round) + ".plt");
    const auto dxf = dir / ("soup" + std::to_string(round) + ".dxf");
    kelvra::testing::WriteBytes(plt, text);
    auto result = ConvertHpglToDxf(plt, dxf, 1 + round % 3, round % 2 ? 1000 : 40);
    ASSERT_TRUE(result.ok()) << round;
    files += " " + Quote(dxf.string());
  }
  const std::string script =
      "import sys, ezdxf\n"
      "bad = 0\n"
      "for name in sys.argv[1:]:\n"
      "    doc = ezdxf.readfile(name)\n"
      "    auditor = doc.audit()\n"
      "    for e in auditor.errors: print('ERROR', name, e.code, e.message); bad += 1\n"
      "    print('OK', name, len(doc.modelspace()))\n"
      "sys.exit(1 if bad else 0)\n";
  kelvra::testing::WriteBytes(dir / "audit.py", script);
  const auto r = RunCommand(python + " " + Quote((dir / "audit.py").string()) + files);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.find("ERROR"), std::string::npos) << r.output;
}

TEST(DxfReaders, Hp2xxAcceptsWrittenPlotFiles) {
  TempFolder dir;
  for (int lineStrength : {1, 2}) {
    HpglWriter w;
    w.SetLineStrength(lineStrength);
    const auto plt = dir / ("kel" + std::to_string(lineStrength) + ".plt");
    ASSERT_TRUE(w.Open(plt));
    WriteSamplePlot(w);
    ASSERT_TRUE(w.Close());
    const auto svg = dir / "kel.svg";
    const auto r = RunCommand("hp2xx -m svg -f " + Quote(svg.string()) + " " + Quote(plt.string()));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("HPGL command(s) ignored: 0"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Coordinate range: (0, 0) ... (16157, 11038)"), std::string::npos)
        << r.output;
    const std::string picture = ReadBytes(svg);
    EXPECT_NE(picture.find("<svg"), std::string::npos);
    EXPECT_NE(picture.find("<path"), std::string::npos);
  }
}

}  // namespace
}  // namespace kelvra::output
