// The guard around every handler a window connects: an exception thrown by a rule is caught at
// the handler, shown to the user, and never unwinds through Qt's own frames, so the window and its
// data stay as they were and the program goes on. A handler connected while its window is being
// filled does nothing: filling a window from its data never fires the window's own rules.
#pragma once

#include "widgets/User_Prompts.h"

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

namespace Vexlor {

// Counts the fills under way in one window.
class TFill_State {
  public:
    bool Filling() const { return Depth > 0; }

  private:
    friend class TFill_Guard;
    int Depth = 0;
};

// While it lives, the window of state is being filled.
class TFill_Guard {
  public:
    explicit TFill_Guard(TFill_State& state) : State(state) { ++State.Depth; }
    ~TFill_Guard() { --State.Depth; }
    TFill_Guard(const TFill_Guard&) = delete;
    TFill_Guard& operator=(const TFill_Guard&) = delete;

  private:
    TFill_State& State;
};

// Runs handler; an exception it throws is shown through prompts as an error message.
void Run_Guarded(TUser_Prompts& prompts, const std::function<void()>& handler);

// Connects signal of sender to handler, run inside the guard and skipped while fill says the
// window is being filled (fill may be null). The connection ends with context.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection Guarded_Connect(Sender* sender, Signal signal, QObject* context,
                                        TUser_Prompts& prompts, const TFill_State* fill, Handler handler) {
    return QObject::connect(sender, signal, context,
                            [&prompts, fill, handler = std::move(handler)](auto&&... arguments) {
                                if (fill && fill->Filling())
                                    return;
                                Run_Guarded(prompts, [&] {
                                    // A handler may leave out the signal's arguments.
                                    if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                                        handler(arguments...);
                                    else
                                        handler();
                                });
                            });
}

} // namespace Vexlor
