// The end-to-end harness: Xvfb, the program under test, xdotool, screenshots.
#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
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

bool waitFor(const std::function<bool()>& done, double seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= until) return false;
    sleepFor(0.05);
  }
  return true;
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

VirtualDisplay::VirtualDisplay(int width, int height) {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    const std::string fd = std::to_string(fds[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr);
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

App::App(const VirtualDisplay& display, const AppOptions& options) : display_(display) {
  char home[] = "/tmp/bsudoku-home-XXXXXX";
  if (mkdtemp(home) != nullptr) home_ = home;
  pid_ = fork();
  if (pid_ == 0) {
    setenv("DISPLAY", display.name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home_ + "/.config").c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_SCREEN_SCALE_FACTORS");
    unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    if (options.scale == 1) {
      unsetenv("QT_SCALE_FACTOR");
    } else {
      setenv("QT_SCALE_FACTOR", std::to_string(options.scale).c_str(), 1);
    }
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    std::string binary = BSUDOKU_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copy = options.args;
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
  std::error_code ec;
  if (!home_.empty()) std::filesystem::remove_all(home_, ec);
}

std::vector<unsigned long> App::windows() const {
  std::istringstream ids(display_.run("xdotool search --onlyvisible --pid " + std::to_string(pid_) + " 2>/dev/null"));
  std::vector<unsigned long> found;
  unsigned long id = 0;
  while (ids >> id) found.push_back(id);
  return found;
}

unsigned long App::waitForWindow(const std::string& title, double seconds) const {
  unsigned long found = 0;
  waitFor(
      [&] {
        for (const unsigned long id : windows()) {
          if (this->title(id) == title) found = id;
        }
        return found != 0;
      },
      seconds);
  return found;
}

unsigned long App::waitForOtherWindow(unsigned long except, double seconds) const {
  unsigned long found = 0;
  waitFor(
      [&] {
        for (const unsigned long id : windows()) {
          if (id != except) found = id;
        }
        return found != 0;
      },
      seconds);
  return found;
}

bool App::waitUntilGone(unsigned long window, double seconds) const {
  return waitFor(
      [&] {
        const auto ids = windows();
        return std::find(ids.begin(), ids.end(), window) == ids.end();
      },
      seconds);
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

void App::type(unsigned long window, const std::string& text) const {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  quoted += "'";
  display_.run("xdotool windowfocus --sync " + std::to_string(window) + " type --delay 30 " + quoted);
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

Board::Board(QImage shot, const Content& content) : shot_(std::move(shot)), at_(content) {}

QRgb Board::device(int x, int y) const {
  if (!shot_.valid(x, y)) return qRgb(255, 255, 255);
  return shot_.pixel(x, y) | 0xFF000000u;
}

QRgb Board::content(int x, int y) const { return device(at_.left + x * at_.scale, at_.top + y * at_.scale); }

QRgb Board::boardDevice(int x, int y) const {
  return device(at_.left + 20 * at_.scale + x, at_.top + 30 * at_.scale + y);
}

namespace {

bool isBackground(QRgb c) { return c == qRgb(236, 236, 236) || c == qRgb(255, 255, 255); }

}  // namespace

std::optional<QRgb> Board::digitColor(int row, int column) const {
  const int s = at_.scale;
  const int x0 = (column - 1) * 30 * s;
  const int y0 = (row - 1) * 30 * s;
  std::map<QRgb, int> counts;
  for (int y = y0 + 2 * s; y < y0 + 29 * s; ++y) {
    for (int x = x0 + 2 * s; x < x0 + 29 * s; ++x) {
      const QRgb c = boardDevice(x, y);
      if (!isBackground(c)) ++counts[c];
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

std::string Board::cells() const {
  static const std::map<QRgb, char> kRoles = {{qRgb(0, 0, 0), 'k'},
                                              {qRgb(0, 0, 255), 'b'},
                                              {qRgb(0, 127, 0), 'g'},
                                              {qRgb(100, 0, 0), 'r'}};
  std::string out;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const auto colour = digitColor(r, c);
      if (!colour) {
        out += '.';
      } else {
        const auto role = kRoles.find(*colour);
        out += role == kRoles.end() ? '?' : role->second;
      }
    }
  }
  return out;
}

std::string Board::glyph(int row, int column) const {
  const int s = at_.scale;
  const int x0 = (column - 1) * 30 * s;
  const int y0 = (row - 1) * 30 * s;
  std::string shape;
  for (int y = y0 + 2 * s; y < y0 + 29 * s; ++y) {
    for (int x = x0 + 2 * s; x < x0 + 29 * s; ++x) shape += isBackground(boardDevice(x, y)) ? '.' : '#';
  }
  return shape;
}

std::optional<std::string> digitsDiffer(const Board& board, const std::string& digits) {
  std::map<char, std::string> shapeOfDigit;
  std::map<std::string, char> digitOfShape;
  for (int i = 0; i < 81 && i < static_cast<int>(digits.size()); ++i) {
    const int row = i / 9 + 1, column = i % 9 + 1;
    const std::string where = "row " + std::to_string(row) + " column " + std::to_string(column);
    const std::string shape = board.glyph(row, column);
    const bool blank = shape.find('#') == std::string::npos;
    const char d = digits[static_cast<std::size_t>(i)];
    if (d == '0' || d == '.') {
      if (!blank) return where + " should be empty";
      continue;
    }
    if (blank) return where + " should show " + std::string(1, d);
    const auto known = shapeOfDigit.find(d);
    if (known != shapeOfDigit.end() && known->second != shape) {
      return where + " shows another shape than the other " + std::string(1, d) + "s";
    }
    const auto other = digitOfShape.find(shape);
    if (other != digitOfShape.end() && other->second != d) {
      return where + " shows the shape of " + std::string(1, other->second) + ", not " + std::string(1, d);
    }
    shapeOfDigit[d] = shape;
    digitOfShape[shape] = d;
  }
  return std::nullopt;
}

int Board::darkPixels(int x, int y, int width, int height, int gray) const {
  int n = 0;
  for (int yy = y; yy < y + height; ++yy) {
    for (int xx = x; xx < x + width; ++xx) n += qGray(content(xx, yy)) < gray ? 1 : 0;
  }
  return n;
}

}  // namespace e2e
