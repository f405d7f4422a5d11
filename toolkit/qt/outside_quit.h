// Quit requests that come from outside the game's own commands: a termination signal (a
// logout, `kill`), and the window manager's close of the main window while a modal dialog
// blocks it, which Qt itself would drop.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;
class QWidget;

class OutsideQuit final : public QObject, public QAbstractNativeEventFilter {
 public:
  // `quit` is called on the event-loop thread; `mainWidget` gives the main window's widget.
  OutsideQuit(std::function<void()> quit, std::function<QWidget*()> mainWidget);
  ~OutsideQuit() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  void signalArrived();

  std::function<void()> quit_;
  std::function<QWidget*()> mainWidget_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::uint32_t wmProtocols_ = 0;
  std::uint32_t wmDeleteWindow_ = 0;
};
