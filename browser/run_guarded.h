#pragma once
// Every handler of a window runs through here, so that no exception unwinds
// through a toolkit's event loop: the error is reported and the program
// carries on, with what the handler had done before it left standing.
#include <exception>
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

}  // namespace siconv
