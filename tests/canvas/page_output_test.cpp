// Page back ends (PDF file, SVG file, printer page) and picture files.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>

#include <QFile>
#include <QPrinter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "canvas_scene.h"
#include "output/print_area.h"
#include "support/recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/safe_save.h"

namespace kelvra::canvas {
namespace {

namespace fs = std::filesystem;
using namespace output;

class PageOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureGuiApplication());
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("kelvra_canvas_") + info->name() + "_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs a command and returns its standard output ("" when it cannot run).
std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
  }
  return out;
}

bool HavePoppler() { return std::system("pdfinfo -v >/dev/null 2>&1") == 0; }

// Page objects and the first media box of a PDF file, read from its text.
struct PdfFacts {
  int pages = 0;
  double width = 0, height = 0;  // points
};

PdfFacts ReadPdfFacts(const std::string& pdf) {
  PdfFacts f;
  const std::regex page(R"(/Type\s*/Page[^s])");
  f.pages = static_cast<int>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
  std::smatch m;
  const std::regex box(R"(/MediaBox\s*\[\s*([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s*\])");
  if (std::regex_search(pdf, m, box)) {
    f.width = std::stod(m[3]) - std::stod(m[1]);
    f.height = std::stod(m[4]) - std::stod(m[2]);
  }
  return f;
}

constexpr double kA4LongPt = 297 / 25.4 * 72;   // 841.89
constexpr double kA4ShortPt = 210 / 25.4 * 72;  // 595.28

TEST_F(PageOutputTest, PdfIsOneLandscapeA4PageAtTrueSize) {
  const std::string path = PathOf("scene.pdf");
  int width = 0, height = 0;
  bool printer = false;
  std::string error;
  ASSERT_TRUE(WritePdfPage(
      path,
      [&](PlotSink& s) {
        width = s.Width();
        height = s.Height();
        printer = s.Kind() == SinkKind::Printer;
        testing::DrawScene(s);
      },
      &error))
      << error;
  EXPECT_EQ(width, 2970);
  EXPECT_EQ(height, 2100);
  EXPECT_TRUE(printer);
  const PrintArea area = CurrentPrintArea();
  EXPECT_EQ(area.width, 2820);
  EXPECT_EQ(area.height, 2000);
  EXPECT_EQ(area.left, 75);
  EXPECT_EQ(area.top, 50);

  const PdfFacts facts = ReadPdfFacts(ReadAll(path));
  EXPECT_EQ(facts.pages, 1);
  EXPECT_NEAR(facts.width, kA4LongPt, 1.0);
  EXPECT_NEAR(facts.height, kA4ShortPt, 1.0);

  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo not installed";
  const std::string info = RunCommand("pdfinfo '" + path + "'");
  EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages:\s+1\n)"))) << info;
  const std::string text = RunCommand("pdftotext '" + path + "' -");
  EXPECT_NE(text.find(testing::kSceneText), std::string::npos) << text;
  EXPECT_NE(text.find(testing::kSceneRotatedText), std::string::npos) << text;
}

TEST_F(PageOutputTest, PdfLineLiesAtItsTrueSizePosition) {
  if (!HavePoppler()) GTEST_SKIP() << "pdftoppm not installed";
  // A 1 mm thick red line 100 mm long, 50 mm from the top and 20 mm from the left.
  const std::string path = PathOf("line.pdf");
  std::string error;
  ASSERT_TRUE(WritePdfPage(
      path,
      [](PlotSink& s) {
        s.SetPen({kRed, 10, PenStyle::Solid, PenMode::Copy});
        s.MoveTo(200, 500);
        s.LineTo(1200, 500);
      },
      &error))
      << error;
  // Rasterise at 254 dpi (one pixel per 0.1 mm) and find the red pixels.
  const std::string ppm = PathOf("line");
  ASSERT_EQ(std::system(("pdftoppm -r 254 -png '" + path + "' '" + ppm + "'").c_str()), 0);
  QImage image;
  for (const auto& e : fs::directory_iterator(dir_)) {
    if (e.path().extension() == ".png") image.load(QString::fromStdString(e.path().string()));
  }
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(image.width(), 2970, 2);
  EXPECT_NEAR(image.height(), 2100, 2);
  auto red = [&](int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
  };
  EXPECT_TRUE(red(700, 500));
  EXPECT_TRUE(red(210, 500));
  EXPECT_TRUE(red(1190, 500));
  EXPECT_FALSE(red(700, 520));
  EXPECT_FALSE(red(1230, 500));
  EXPECT_FALSE(red(170, 500));
}

TEST_F(PageOutputTest, SvgParsesAndHoldsTheScene) {
  const std::string path = PathOf("scene.svg");
  std::string error;
  ASSERT_TRUE(WriteSvgPage(path, [](PlotSink& s) { testing::DrawScene(s); }, &error)) << error;

  QSvgRenderer renderer(QString::fromStdString(path));
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 2970, 2100));

  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString width, height, texts;
  int shapes = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == QLatin1String("svg")) {
      width = xml.attributes().value("width").toString();
      height = xml.attributes().value("height").toString();
    } else if (name == QLatin1String("text")) {
      texts += xml.readElementText(QXmlStreamReader::IncludeChildElements) + "|";
    } else if (name == QLatin1String("path") || name == QLatin1String("polyline") ||
               name == QLatin1String("line") || name == QLatin1String("rect") ||
               name == QLatin1String("ellipse") || name == QLatin1String("circle")) {
      ++shapes;
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(width, QStringLiteral("297mm"));
  EXPECT_EQ(height, QStringLiteral("210mm"));
  EXPECT_GE(shapes, 5);  // frame, line, circle, arc, box (at least)
  EXPECT_TRUE(texts.contains(testing::kSceneText)) << texts.toStdString();
  EXPECT_TRUE(texts.contains(testing::kSceneRotatedText)) << texts.toStdString();
  EXPECT_TRUE(texts.contains(QString::fromUtf8("\u2648\u2649\u264a"))) << texts.toStdString();
}

TEST_F(PageOutputTest, SvgJoinsALineChainIntoOnePolyline) {
  const std::string path = PathOf("chain.svg");
  std::string error;
  ASSERT_TRUE(WriteSvgPage(
      path,
      [](PlotSink& s) {
        s.SetPen({kBlack, 2, PenStyle::Dashed, PenMode::Copy});
        s.MoveTo(100, 100);
        for (int i = 1; i <= 50; ++i) s.LineTo(100 + 20 * i, 100 + (i % 2) * 30);
        s.MoveTo(100, 500);  // a new chain
        s.LineTo(900, 500);
      },
      &error))
      << error;
  const std::string svg = ReadAll(path);
  int polylines = 0;
  for (std::size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1)) {
    ++polylines;
  }
  EXPECT_EQ(polylines, 2) << svg;
}

TEST_F(PageOutputTest, PrinterPageWithoutPrinterGoesToPdf) {
  const std::string path = PathOf("printed.pdf");
  QPrinter printer(QPrinter::HighResolution);
  UsePdfFile(printer, path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);  // the page set-up turns it
  auto page = BeginPrinterPage(printer);
  ASSERT_TRUE(page);
  const PrinterReport report = ReportOf(printer);
  EXPECT_FALSE(report.portrait);
  const auto expected = ComputePrintArea(report);
  ASSERT_TRUE(expected);
  EXPECT_EQ(page->area.width, expected->width);
  EXPECT_EQ(page->area.left, expected->left);
  EXPECT_EQ(CurrentPrintArea().top, expected->top);
  EXPECT_EQ(page->sink->Kind(), SinkKind::Printer);
  EXPECT_EQ(page->sink->Width(), report.horzSizeMm * 10);
  EXPECT_EQ(page->sink->Height(), report.vertSizeMm * 10);
  EXPECT_GT(page->sink->Width(), page->sink->Height());
  EXPECT_EQ(page->sink->GetFont().height, kPageStartFontHeight);
  testing::DrawScene(*page->sink);
  ASSERT_TRUE(page->sink->Finish());

  const PdfFacts facts = ReadPdfFacts(ReadAll(path));
  EXPECT_EQ(facts.pages, 1);
  EXPECT_NEAR(facts.width, kA4LongPt, 1.0);
  EXPECT_NEAR(facts.height, kA4ShortPt, 1.0);
}

TEST_F(PageOutputTest, PrinterThatCannotStartIsReportedNotReady) {
  kelvra::testing::RecordingMessageSink messages;
  QPrinter printer(QPrinter::HighResolution);
  UsePdfFile(printer, PathOf("no/such/folder/printed.pdf"));
  CurrentPrintArea() = PrintArea{1, 2, 3, 4};
  EXPECT_FALSE(BeginPrinterPageOrWarn(printer));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Warning);
  shell::SelectLanguage(true);
  EXPECT_EQ(PrinterNotReadyText(), "Der Drucker ist nicht betriebsbereit! Daher nicht konfiguriert!");
  shell::SelectLanguage(false);
  EXPECT_EQ(PrinterNotReadyText(), "Could not configure printer! (Not ready)");
  shell::SelectLanguage(true);
  EXPECT_EQ(CurrentPrintArea().width, 1);  // a failed job leaves the last area alone
}

TEST_F(PageOutputTest, PicturesAreWrittenWholeOrNotAtAll) {
  std::string error;
  const std::string png = PathOf("scene.png");
  ASSERT_TRUE(WritePicture(png, 600, 400, [](PlotSink& s) { testing::DrawScene(s); }, &error))
      << error;
  QImage back(QString::fromStdString(png));
  ASSERT_EQ(back.size(), QSize(600, 400));
  const auto g = testing::GeometryFor(600, 400);
  EXPECT_EQ(back.pixel(300, g.lineY), qRgb(255, 0, 0));

  const std::string jpg = PathOf("scene.JPG");
  ASSERT_TRUE(WritePicture(jpg, 600, 400, [](PlotSink& s) { testing::DrawScene(s); }, &error))
      << error;
  const std::string bytes = ReadAll(jpg);
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);

  // Failures: unknown type, missing folder; the old file is untouched.
  EXPECT_FALSE(WritePicture(PathOf("scene.bmp"), 10, 10, [](PlotSink&) {}, &error));
  EXPECT_NE(error.find("scene.bmp"), std::string::npos);
  EXPECT_FALSE(WritePicture(PathOf("no/such/folder/x.png"), 10, 10, [](PlotSink&) {}, &error));
  EXPECT_FALSE(WritePicture(png, 0, 10, [](PlotSink&) {}, &error));
  EXPECT_FALSE(WritePicture(png, 200000, 200000, [](PlotSink&) {}, &error));
  EXPECT_NE(error.find("200000 x 200000"), std::string::npos) << error;
  EXPECT_FALSE(WritePdfPage(PathOf("no/such/folder/x.pdf"), [](PlotSink&) {}, &error));
  EXPECT_FALSE(WriteSvgPage(PathOf("no/such/folder/x.svg"), [](PlotSink&) {}, &error));
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(600, 400));
}

// Pictures and pages go through the program's one safe-save path: a write
// failure leaves the user's old file as it was and names the system's reason.
TEST_F(PageOutputTest, AFailedWriteKeepsTheOldPictureOrPage) {
  struct Case {
    const char* name;
    std::function<bool(const std::string& path, std::string* error)> write;
  };
  const auto scene = [](PlotSink& s) { testing::DrawScene(s); };
  const Case cases[] = {
      {"dial.png", [&](const std::string& p, std::string* e) { return WritePicture(p, 300, 200, scene, e); }},
      {"dial.jpg", [&](const std::string& p, std::string* e) { return WritePicture(p, 300, 200, scene, e); }},
      {"dial.pdf", [&](const std::string& p, std::string* e) { return WritePdfPage(p, scene, e); }},
      {"dial.svg", [&](const std::string& p, std::string* e) { return WriteSvgPage(p, scene, e); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = PathOf(c.name);
    std::ofstream(path, std::ios::binary) << "the user's old file";
    std::string error;
    {
      shell::ScopedSaveFault fault(shell::SaveFault{shell::SaveStage::Write, ENOSPC, 10, 0});
      EXPECT_FALSE(c.write(path, &error));
      EXPECT_EQ(fault.Hits(), 1);
    }
    EXPECT_EQ(ReadAll(path), "the user's old file");
    EXPECT_EQ(error, path + ": " + std::generic_category().message(ENOSPC));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_TRUE(c.write(path, &error)) << error;
    fs::remove(path);
  }
}

}  // namespace
}  // namespace kelvra::canvas
