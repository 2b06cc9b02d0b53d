#pragma once
// Every handler connected to a widget signal runs through here, so that no
// exception unwinds through Qt's event loop: the error is reported and the
// program carries on, with what the handler had done before it left standing.
#include <QObject>
#include <exception>
#include <type_traits>
#include <utility>

#include "engine/error_report.h"
#include "engine/exceptions.h"

namespace siconv {

template <class Handler>
void RunGuarded(ErrorUi& errors, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const Exception& e) {
    errors.ReportException(e);
  } catch (const std::exception& e) {
    errors.ReportException(Exception(e.what()));
  }
}

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
