#pragma once
// Handlers that can fail run guarded: an exception that leaves one is caught at the handler's
// own boundary, the window puts back what the handler had half changed (restore), and the error
// goes to the general error report. Nothing throws through Qt's frames; the application's notify
// stays only as the last guard.
#include <QObject>
#include <concepts>
#include <functional>
#include <utility>

// Runs the action. If it throws, runs restore (when given) and reports the error; returns
// whether the action ended normally.
bool RunGuarded(const std::function<void()>& action, const std::function<void()>& restore = {});

// The receiver's handler as a guarded call. It takes whichever of a signal's arguments the
// handler takes, so that Qt connects it as it would the handler itself.
template <typename Receiver, typename Handler>
class GuardedCall {
 public:
  GuardedCall(Receiver* receiver, Handler handler, std::function<void()> restore)
      : receiver_(receiver), handler_(handler), restore_(std::move(restore)) {}

  template <typename... Arguments>
  requires std::invocable<Handler, Receiver*, Arguments...>
  void operator()(Arguments&&... arguments) const {
    RunGuarded([&] { std::invoke(handler_, receiver_, std::forward<Arguments>(arguments)...); },
               restore_);
  }

 private:
  Receiver* receiver_;
  Handler handler_;
  std::function<void()> restore_;
};

// Connects the signal to the receiver's handler, run guarded.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler, std::function<void()> restore = {}) {
  return QObject::connect(sender, signal, receiver,
                          GuardedCall<Receiver, Handler>(receiver, handler, std::move(restore)));
}
