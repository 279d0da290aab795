#pragma once
// The one guard around every command. A command that meets a failure it does
// not foresee lets an exception out; the guard shows the program's own
// "unknown error" message (never the error's text) and the program goes on.
// The silent abort (EAbort) ends a command without any message.
#include <exception>
#include <utility>

// Silent abort: unwinds the current command; the guard swallows it.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

[[noreturn]] void Abort();

// Shows "Wystąpił nieznany błąd programu." under "Nieznany błąd" through the
// message dialog. Never throws; an error that happens while that message is
// already on screen is swallowed rather than stacking a second one.
void AplikacjaException() noexcept;

// Runs command and keeps every exception inside: EAbort silently, anything
// else through AplikacjaException. Returns false when the command did not finish.
template <class F> bool RunGuarded(F&& command) noexcept {
    try {
        std::forward<F>(command)();
        return true;
    } catch (const EAbort&) {
        return false;
    } catch (...) {
        AplikacjaException();
        return false;
    }
}
