// The main window's flags that the runs of GO share with the window.
#pragma once

#include <cstdint>

namespace trulp {

enum Mode : uint8_t { kPlay = 0, kReplay = 1, kSearch = 2, kNoMode = 3 };

struct RunFlags {
    uint8_t mode = kNoMode;
    bool animating = false; // a block slides
    bool running = false;   // a search or replay run is in progress
    bool creating = false;  // the window is being built
    bool stepMode = false;
    bool stopRequest = false;
    uint8_t searchResult = 0;

    // Handlers that change the puzzle or open a dialog refuse while busy.
    bool busy() const { return animating || running || creating; }
};

} // namespace trulp
