#pragma once
// Where the program's work meets Qt's event loop (slots, timer callbacks, event handlers, item
// models), an exception must go no further: Qt does not carry exceptions through its loop. The
// work runs through reportErrors, which shows the cause through Messages under "Error" (the
// engine's text names the file and what went wrong) and lets the program go on.
#include <QString>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace rp {

// The caption of the window that shows an error.
QString errorCaption();

// The cause of the exception being handled (call only inside a catch block): the text of a
// std::exception, a fixed text for anything else.
QString currentErrorText();

// Shows the cause of the exception being handled (call only inside a catch block).
void reportCurrentError();

// The one way an error reaches the user: its text under "Error". The exception's own text names
// the file and the cause.
void showError(const QString& text);
void showError(const std::exception& e);

// Runs work; an exception it throws is shown and goes no further. False when one was thrown.
// A template, so that wrapping a slot or an event costs no allocation.
template <class Work>
bool reportErrors(Work&& work) {
    try {
        work();
        return true;
    } catch (...) {
        // Every failure ends here, whatever its type; reportCurrentError shows its own text.
        reportCurrentError();
        return false;
    }
}

namespace detail {

// Calls work with the arguments when it takes them, else with none. A plain function template
// rather than branches inside a lambda: some compilers (clang 14) instantiate a lambda that
// stands in a discarded branch.
template <class Work, class... Args>
void invokeWithWhatFits(const Work& work, Args&&... args) {
    if constexpr (std::is_invocable_v<const Work&, Args...>)
        std::invoke(work, std::forward<Args>(args)...);
    else
        std::invoke(work);
}

template <class Object, class Method, class... Args>
void invokeMemberWithWhatFits(Object* object, Method method, Args&&... args) {
    if constexpr (std::is_invocable_v<Method, Object*, Args...>)
        std::invoke(method, object, std::forward<Args>(args)...);
    else
        std::invoke(method, object);
}

}  // namespace detail

// A callable made fit to be a slot: its exceptions are reported. It takes the signal's
// arguments when it can use them.
template <class Work>
auto guarded(Work work) {
    return [work = std::move(work)](auto&&... args) {
        auto arguments = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
        reportErrors([&] {
            std::apply(
                [&](auto&&... a) {
                    detail::invokeWithWhatFits(work, std::forward<decltype(a)>(a)...);
                },
                std::move(arguments));
        });
    };
}

// A member function of object as a guarded slot.
template <class Object, class Method>
auto guarded(Object* object, Method method) {
    return guarded([object, method](auto&&... args) {
        detail::invokeMemberWithWhatFits(object, method, std::forward<decltype(args)>(args)...);
    });
}

}  // namespace rp
