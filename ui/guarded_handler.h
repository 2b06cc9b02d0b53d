#pragma once
// Every handler connected to a widget signal runs inside RunGuarded.
#include <QObject>
#include <type_traits>

#include "browser/run_guarded.h"

namespace siconv {

// QObject::connect with the handler inside RunGuarded; the signal's arguments
// are handed on to a handler that takes them.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context,
                                       ErrorUi& errors, Handler handler) {
  return QObject::connect(sender, signal, context, [&errors, handler](const auto&... args) -> void {
    RunGuarded(errors, [&] {
      if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) {
        handler(args...);
      } else {
        handler();
      }
    });
  });
}

}  // namespace siconv
