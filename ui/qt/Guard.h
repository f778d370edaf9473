// What the message dispatch does around every handler that the user's input runs.
#pragma once

#include "ui/Forms.h"

// Runs `action`; an error escaping it goes to the application object (which must be set), which
// shows it or drops an EAbort, and the window goes on. Nothing may be thrown through Qt's event
// loop.
template<class TAction>
void RunGuarded(TAction &&action)
{
    try {
        action();
    } catch (...) {
        Application->HandleException();
    }
}
