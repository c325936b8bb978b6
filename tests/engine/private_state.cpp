// Compiled, not run: outside the engine the puzzle's state can be read, and
// with WRITE set, the compiler must refuse to change it.
#include "puzzle.h"

int Read(const trulp::Puzzle& p) {
    return p.moveNr() + p.lastMove() + p.board().anchor(1);
}

#if WRITE
void Write(trulp::Puzzle& p) {
    p.moveNr_ = 5;
}
#endif
