// A command that draws but opens no window prints nothing of Qt's own
// diagnostics: without XDG_RUNTIME_DIR (a login without a session, a cron
// job) Qt would note "QStandardPaths: XDG_RUNTIME_DIR not set" on stderr.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string StderrOf(const std::string& command) {
  std::string text;
  if (FILE* p = ::popen((command + " 2>&1 >/dev/null").c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
    ::pclose(p);
  }
  return text;
}

TEST(QtDiagnostics, DrawingCommandsPrintNothingOfQts) {
  const fs::path dir = fs::temp_directory_path() / ("kelvra_qt_quiet_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const char* name : {"a.png", "a.jpg", "a.svg", "a.pdf"}) {
    const fs::path file = dir / name;
    const std::string command = "env -u XDG_RUNTIME_DIR -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                                "KELVRA_HOME='" + dir.string() + "' '" KELVRA_EXE_PATH "' draw -o '" +
                                file.string() + "'";
    EXPECT_EQ(StderrOf(command), "") << name;
    EXPECT_TRUE(fs::exists(file)) << name;
  }
  fs::remove_all(dir);
}

}  // namespace
