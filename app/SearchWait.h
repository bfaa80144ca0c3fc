#pragma once

#include <functional>

class SearchJob;

// Serves the window while a computer turn's search runs on its worker: menu commands, paints
// and sockets all run here, a new game with computer turns of its own included. Every few
// milliseconds `poll` runs (to show the progress); the wait ends when the search has finished
// or as soon as `stillWanted` says its game is gone.
void WaitForSearch(const SearchJob& job, const std::function<bool()>& stillWanted,
                   const std::function<void()>& poll);

// Serves the window for `milliseconds`, not counting the time `paused` says it is held, and
// ends early when `stillWanted` says the game is gone (the result is then false).
bool ServeWindowFor(int milliseconds, const std::function<bool()>& paused,
                    const std::function<bool()>& stillWanted);
