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

// Connects the signal to the receiver's handler, run guarded. The handler may take fewer of the
// signal's arguments, as with a plain connection.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler, std::function<void()> restore = {}) {
  return QObject::connect(
      sender, signal, receiver,
      [receiver, handler, restore = std::move(restore)](auto&&... arguments)
        requires std::invocable<Handler, Receiver*, decltype(arguments)...>
      {
        RunGuarded([&] { std::invoke(handler, receiver, arguments...); }, restore);
      });
}
