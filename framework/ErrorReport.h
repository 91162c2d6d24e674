#pragma once
// Where the program's work meets Qt's event loop (slots, timer callbacks, event handlers, item
// models), an exception must go no further: Qt does not carry exceptions through its loop. The
// work runs through reportErrors, which shows the cause through Messages under "Error" (the
// engine's text names the file and what went wrong) and lets the program go on.
#include <QString>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace rp {

inline const QString kErrorCaption = QStringLiteral("Error");

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

// A callable made fit to be a slot: its exceptions are reported. It takes the signal's
// arguments when it can use them.
template <class Work>
auto guarded(Work work) {
    return [work = std::move(work)](auto&&... args) {
        reportErrors([&] {
            if constexpr (std::is_invocable_v<Work&, decltype(args)...>)
                std::invoke(work, std::forward<decltype(args)>(args)...);
            else
                std::invoke(work);
        });
    };
}

// A member function of object as a guarded slot.
template <class Object, class Method>
auto guarded(Object* object, Method method) {
    return guarded([object, method](auto&&... args) {
        if constexpr (std::is_invocable_v<Method, Object*, decltype(args)...>)
            std::invoke(method, object, std::forward<decltype(args)>(args)...);
        else
            std::invoke(method, object);
    });
}

}  // namespace rp
