// Starts the real program under a virtual X server, waits until its main
// window is on the screen and checks that the screenshot is not blank.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(UiSmoke, MainWindowAppearsUnderXvfb) {
  const char* exe = std::getenv("KELVRA_EXE");
#ifdef KELVRA_EXE_PATH
  if (!exe || !*exe) exe = KELVRA_EXE_PATH;
#endif
  if (!exe || !*exe) GTEST_SKIP() << "KELVRA_EXE not set";
  if (std::system("command -v xvfb-run >/dev/null && command -v import >/dev/null") != 0)
    GTEST_SKIP() << "xvfb-run or ImageMagick missing (scripts/setup installs them)";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kelvra_smoke_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string shot = (dir / "screen.png").string();
  const std::string script = (dir / "run.sh").string();
  {
    std::ofstream s(script);
    // The program runs without a settings file in a folder of its own; the
    // screenshot is retaken until the window shows something (at most ~20 s).
    s << "export KELVRA_HOME='" << dir.string() << "'\n"
      << "unset QT_QPA_PLATFORM\n"
      << "'" << exe << "' & pid=$!\n"
      << "for i in $(seq 1 40); do\n"
      << "  sleep 0.5\n"
      << "  import -window root '" << shot << "' 2>/dev/null || continue\n"
      << "  sd=$(convert '" << shot << "' -colorspace Gray -format '%[fx:standard_deviation]' info:)\n"
      << "  awk -v s=\"$sd\" 'BEGIN{exit !(s > 0.05)}' && break\n"
      << "done\n"
      << "convert '" << shot << "' -colorspace Gray -format '%[fx:standard_deviation]' info: > '"
      << (dir / "sd.txt").string() << "'\n"
      << "kill $pid\n";
  }
  const std::string command =
      "xvfb-run -a -s '-screen 0 1280x800x24' sh '" + script + "' >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  std::ifstream in(dir / "sd.txt");
  double deviation = 0;
  in >> deviation;
  // A blank screen has no deviation; the main window's picture, strip and
  // menu give a clearly varied image.
  EXPECT_GT(deviation, 0.05);
  std::filesystem::remove_all(dir);
}

}  // namespace
