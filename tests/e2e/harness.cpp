// The end-to-end harness: Xvfb, the program under test, xdotool, screenshots.
#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

namespace e2e {

namespace {

bool onPath(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0; }

void sleepFor(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

}  // namespace

std::optional<std::string> missingTools() {
  for (const char* tool : {"Xvfb", "xdotool", "import"}) {
    if (!onPath(tool)) {
      return std::string(tool) + " is not installed (scripts/install-deps brings xvfb, xdotool and imagemagick)";
    }
  }
  return std::nullopt;
}

std::string run(const std::string& command, bool* ok) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) {
    if (ok) *ok = false;
    return out;
  }
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  const int status = pclose(p);
  if (ok) *ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return out;
}

// ---- VirtualDisplay -------------------------------------------------------------------------

VirtualDisplay::VirtualDisplay() {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp", nullptr);
    _exit(127);
  }
  close(fds[1]);
  // Xvfb writes its display number once it accepts connections.
  std::string number;
  char c = 0;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (!number.empty()) name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

std::string VirtualDisplay::run(const std::string& command, bool* ok) const {
  return e2e::run("DISPLAY=" + name_ + " " + command, ok);
}

QImage VirtualDisplay::screenshot() const {
  char path[] = "/tmp/bsudoku-shot-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return {};
  close(fd);
  const std::string png = std::string(path) + ".png";
  run("import -window root '" + png + "'");
  QImage image(QString::fromStdString(png));
  unlink(path);
  unlink(png.c_str());
  return image.convertToFormat(QImage::Format_RGB32);
}

// ---- App ------------------------------------------------------------------------------------

App::App(const VirtualDisplay& display, const std::vector<std::string>& args) : display_(display) {
  pid_ = fork();
  if (pid_ == 0) {
    setenv("DISPLAY", display.name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_SCALE_FACTOR");
    std::vector<char*> argv;
    std::string binary = BSUDOKU_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
}

App::~App() {
  if (pid_ > 0 && !reaped_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

unsigned long App::waitForWindow(const std::string& title, double seconds) const {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) {
    std::istringstream ids(display_.run("xdotool search --onlyvisible --pid " + std::to_string(pid_) + " 2>/dev/null"));
    unsigned long id = 0;
    while (ids >> id) {
      if (this->title(id) == title) return id;
    }
    sleepFor(0.1);
  }
  return 0;
}

std::string App::title(unsigned long window) const {
  std::string t = display_.run("xdotool getwindowname " + std::to_string(window) + " 2>/dev/null");
  while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
  return t;
}

Rect App::geometry(unsigned long window) const {
  std::istringstream lines(display_.run("xdotool getwindowgeometry --shell " + std::to_string(window)));
  std::map<std::string, int> v;
  std::string line;
  while (std::getline(lines, line)) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) v[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
  }
  return Rect{v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]};
}

void App::keys(unsigned long window, const std::string& keyList) const {
  const std::string w = std::to_string(window);
  display_.run("xdotool windowfocus --sync " + w + " key --delay 30 " + keyList);
}

void App::click(int screenX, int screenY) const {
  display_.run("xdotool mousemove --sync " + std::to_string(screenX) + " " + std::to_string(screenY) + " click 1");
}

std::optional<int> App::waitForExit(double seconds) {
  if (reaped_) return std::nullopt;
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      reaped_ = true;
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      return std::nullopt;
    }
    sleepFor(0.02);
  }
  return std::nullopt;
}

// ---- Board ----------------------------------------------------------------------------------

Board::Board(QImage shot, const Rect& window, int contentHeight)
    : shot_(std::move(shot)), left_(window.x), top_(window.y + window.height - contentHeight) {}

QRgb Board::content(int x, int y) const {
  const int sx = left_ + x;
  const int sy = top_ + y;
  if (!shot_.valid(sx, sy)) return qRgb(255, 255, 255);
  return shot_.pixel(sx, sy) | 0xFF000000u;
}

std::optional<QRgb> Board::digitColor(int row, int column) const {
  const int x0 = (column - 1) * 30;
  const int y0 = (row - 1) * 30;
  std::map<QRgb, int> counts;
  for (int y = y0 + 2; y <= y0 + 28; ++y) {
    for (int x = x0 + 2; x <= x0 + 28; ++x) {
      const QRgb c = board(x, y);
      if (c == qRgb(236, 236, 236) || c == qRgb(255, 255, 255)) continue;
      ++counts[c];
    }
  }
  std::optional<QRgb> best;
  int most = 0;
  for (const auto& [c, n] : counts) {
    if (n > most) {
      most = n;
      best = c;
    }
  }
  return best;
}

int Board::darkPixels(int x, int y, int width, int height, int gray) const {
  int n = 0;
  for (int yy = y; yy < y + height; ++yy) {
    for (int xx = x; xx < x + width; ++xx) n += qGray(content(xx, yy)) < gray ? 1 : 0;
  }
  return n;
}

}  // namespace e2e
