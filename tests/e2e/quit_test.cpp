// Ending the program from outside its own commands: a termination signal or the window
// manager's close while a modal question is open, and a close or Ctrl+Q during a long search.
#include <gtest/gtest.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "session.h"

namespace e2e {
namespace {

// A puzzle whose first row is 987654321: a search in ascending order takes minutes on it.
const std::string kSlowPuzzle =
    "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9";

// Sends the window manager's close message to a window, as a close button would.
bool sendClose(const std::string& display, unsigned long window) {
  xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
  if (xcb_connection_has_error(c) != 0) {
    xcb_disconnect(c);
    return false;
  }
  auto atom = [c](const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
  };
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window);
  event.type = atom("WM_PROTOCOLS");
  event.data.data32[0] = atom("WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_generic_error_t* error = xcb_request_check(
      c, xcb_send_event_checked(c, 0, static_cast<xcb_window_t>(window), XCB_EVENT_MASK_NO_EVENT,
                                reinterpret_cast<const char*>(&event)));
  // The checked request waits for the server's answer: the message is delivered before we go.
  const bool sent = error == nullptr;
  std::free(error);
  xcb_disconnect(c);
  return sent;
}

class Quit : public Session {
 protected:
  enum class How { Signal, Close, CtrlQ };

  void quit(How how) {
    switch (how) {
      case How::Signal:
        ASSERT_EQ(::kill(app->pid(), SIGTERM), 0);
        break;
      case How::Close:
        ASSERT_TRUE(sendClose(display->name(), window));
        break;
      case How::CtrlQ:
        keys("ctrl+q");
        break;
    }
  }

  // The new-game question is modal: the main window is blocked while it is open.
  void quitWhileTheQuestionIsOpen(How how) {
    ASSERT_NO_FATAL_FAILURE(start());
    keys("ctrl+n");
    ASSERT_NE(waitForDialog(), 0u) << "the question did not appear";
    quit(how);
    EXPECT_EQ(app->waitForExit(10), 0);
  }

  void quitDuringASearch(How how) {
    writeFile("langsam.BSUD", gameFile(kSlowPuzzle));
    AppOptions options;
    options.workingDirectory = folder();
    options.args = {"langsam.BSUD"};
    ASSERT_NO_FATAL_FAILURE(start(options));
    keys("ctrl+r");
    // The search shows itself on the board in the solver's colour.
    waitForCells([](const std::string& c) { return c.find('r') != std::string::npos; });
    const auto asked = std::chrono::steady_clock::now();
    quit(how);
    EXPECT_EQ(app->waitForExit(10), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
    // Half a second on an idle machine; the slack is for a loaded one.
    EXPECT_LT(seconds, 2.0);
  }
};

TEST_F(Quit, SignalWhileAModalQuestionIsOpen) { quitWhileTheQuestionIsOpen(How::Signal); }
TEST_F(Quit, WindowCloseWhileAModalQuestionIsOpen) { quitWhileTheQuestionIsOpen(How::Close); }
TEST_F(Quit, WindowCloseDuringALongSearch) { quitDuringASearch(How::Close); }
TEST_F(Quit, CtrlQDuringALongSearch) { quitDuringASearch(How::CtrlQ); }

}  // namespace
}  // namespace e2e
