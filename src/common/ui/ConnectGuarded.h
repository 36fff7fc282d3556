#pragma once
// The only way a handler is wired: it runs through the error path, so no exception ever
// unwinds through Qt's frames.
#include <QObject>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "base/ErrorReporter.h"

namespace lumetra::ui {
namespace detail {

template <typename F, typename Tuple, std::size_t... I>
constexpr bool invocableWith(std::index_sequence<I...>) {
    return std::is_invocable_v<F&, std::tuple_element_t<I, Tuple>...>;
}

// Calls `f` with as many leading arguments of the signal as it takes, as Qt does for slots.
template <std::size_t Count, typename F, typename Tuple>
void callLeading(F& f, Tuple& args) {
    if constexpr (invocableWith<F, Tuple>(std::make_index_sequence<Count>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) { std::invoke(f, std::get<I>(args)...); }
        (std::make_index_sequence<Count>{});
    } else {
        static_assert(Count > 0, "the handler takes arguments the signal does not give");
        if constexpr (Count > 0) callLeading<Count - 1>(f, args);
    }
}

template <typename Sender, typename Signal, typename Receiver, typename Run, typename... Args>
QMetaObject::Connection connectTaking(Sender* sender, Signal signal, Receiver* receiver, Run run,
                                      QtPrivate::List<Args...>*) {
    return QObject::connect(sender, signal, receiver, [run = std::move(run)](Args... args) mutable {
        std::tuple<Args&...> all(args...);
        guarded([&] { callLeading<sizeof...(Args)>(run, all); });
    });
}

}  // namespace detail

// `handler` is a member function of `receiver` or any callable; it gets the leading
// arguments of the signal it takes. `receiver` is the connection's context.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler) {
    using Arguments = typename QtPrivate::FunctionPointer<Signal>::Arguments;
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        auto bound = [receiver, handler](auto&&... a) -> decltype(std::invoke(handler, receiver, a...)) {
            return std::invoke(handler, receiver, a...);
        };
        return detail::connectTaking(sender, signal, receiver, std::move(bound),
                                     static_cast<Arguments*>(nullptr));
    } else {
        return detail::connectTaking(sender, signal, receiver, std::move(handler),
                                     static_cast<Arguments*>(nullptr));
    }
}

// Runs `action`, then `after` even when `action` threw; the exception goes on to the error
// path. For handlers whose window shows what a failed step has already changed.
template <typename Action, typename After>
void thenAlways(Action&& action, After&& after) {
    try {
        action();
    } catch (...) {
        after();
        throw;
    }
    after();
}

}  // namespace lumetra::ui
