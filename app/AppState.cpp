#include "AppState.h"

AppState& App()
{
    // Created once, never freed: windows and the live clock may use it to the very end.
    static AppState* state = new AppState();
    return *state;
}
