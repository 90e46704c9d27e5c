#pragma once

#include "common/Shell.h"
#include "common/TextCodec.h"

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

// The message of the failure being handled, for the failure box; to be called
// from a catch block.
inline QString CurrentFailureMessage() {
    try {
        throw;
    } catch (const std::exception& failure) {
        // Messages name files and characters in UTF-8, and quote field texts as they are.
        const std::string_view message = failure.what();
        return ToQ(message, DetectEncoding(message));
    } catch (...) {
        return QStringLiteral("Unknown failure");
    }
}

// A handler made fit to be connected to a signal: a failure that the handler
// does not catch itself ends it and is shown in the failure box, and no
// exception leaves the slot into Qt's signal code. Like connect(), it passes
// the handler as many of the signal's arguments as the handler takes.
template <typename Handler> class GuardedHandler {
  public:
    GuardedHandler(Shell& shell, Handler handler) : shell_(&shell), handler_(std::move(handler)) {}

    template <typename... Arguments>
    requires std::invocable<Handler&, Arguments...>
    void operator()(Arguments&&... arguments) {
        try {
            std::invoke(handler_, std::forward<Arguments>(arguments)...);
        } catch (...) {
            shell_->ShowFailure(CurrentFailureMessage());
        }
    }

  private:
    Shell* shell_;
    Handler handler_;
};

template <typename Handler> GuardedHandler<Handler> Guarded(Shell& shell, Handler handler) {
    return GuardedHandler<Handler>(shell, std::move(handler));
}

// A member function of `object` as a guarded handler.
template <typename Object, typename Result, typename... Parameters>
auto Guarded(Shell& shell, Object* object, Result (Object::*handler)(Parameters...)) {
    return Guarded(shell, std::bind_front(handler, object));
}
