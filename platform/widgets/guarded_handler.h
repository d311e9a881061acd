#pragma once
// The one guard every window's handlers run under. An error that no step on the way caught (a
// table gone, a file that could not be read, an amount out of range) is shown in the
// program's error box, and the window and the program go on: a user never loses the session
// to one failed command.

#include <functional>
#include <type_traits>

class Prompter;

// Whether the handler ran to its end; false after its failure was shown, for a caller that
// puts its widgets back as they were.
bool RunHandler(Prompter &prompter, const std::function<void()> &handler);

// A slot for connect() that runs `handler` under the guard. The handler takes the first of
// the signal's arguments, as many as it wants: Qt offers fewer until the slot accepts them.
template <class Handler>
auto Guarded(Prompter &prompter, Handler handler)
{
    return [&prompter, handler](auto &&...arguments)
               requires std::is_invocable_v<const Handler &, decltype(arguments)...>
    {
        RunHandler(prompter, [&] { handler(arguments...); });
    };
}

// The same for a window's own handler method.
template <class Window, class... Arguments>
auto Guarded(Prompter &prompter, Window *window, void (Window::*handler)(Arguments...))
{
    return [&prompter, window, handler](Arguments... arguments) {
        RunHandler(prompter, [&] { (window->*handler)(arguments...); });
    };
}
