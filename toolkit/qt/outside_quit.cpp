// Termination signals and blocked window closes, turned into the game's own quit.
#include "toolkit/qt/outside_quit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The signal handler may only write to a descriptor: the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 'q';
  const ssize_t written = ::write(signalPipe[0], &byte, 1);
  (void)written;
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

std::uint32_t atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (reply == nullptr) return 0;
  const std::uint32_t value = reply->atom;
  std::free(reply);
  return value;
}

}  // namespace

OutsideQuit::OutsideQuit(std::function<void()> quit, std::function<QWidget*()> mainWidget)
    : quit_(std::move(quit)), mainWidget_(std::move(mainWidget)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { signalArrived(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
  }
  if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (xcb_connection_t* connection = x11->connection()) {
      wmProtocols_ = atom(connection, "WM_PROTOCOLS");
      wmDeleteWindow_ = atom(connection, "WM_DELETE_WINDOW");
      QCoreApplication::instance()->installNativeEventFilter(this);
    }
  }
}

OutsideQuit::~OutsideQuit() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  if (notifier_) {
    for (int s : kSignals) std::signal(s, SIG_DFL);
    notifier_.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
  }
}

void OutsideQuit::signalArrived() {
  char bytes[16];
  const ssize_t got = ::read(signalPipe[1], bytes, sizeof bytes);
  (void)got;
  quit_();
}

bool OutsideQuit::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (wmDeleteWindow_ == 0 || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  const auto* client = static_cast<const xcb_client_message_event_t*>(message);
  if (client->format != 32 || client->type != wmProtocols_ || client->data.data32[0] != wmDeleteWindow_) return false;
  // Without a modal dialog Qt delivers the close to the main window itself.
  if (QApplication::activeModalWidget() == nullptr) return false;
  QWidget* main = mainWidget_();
  if (main == nullptr || static_cast<xcb_window_t>(main->winId()) != client->window) return false;
  quit_();
  return true;
}
