// The game kept when the window closes, as a small text beside the records:
// how it stands (mode, where the pointer is, whether it is the player's own,
// its time), its moves with the coach's marked, and its puzzle's text. A
// text that is not wholly such a game is refused. The form of earlier
// versions, for the classic family's starts, still reads.
#pragma once

#include "session.h"

#include <string>
#include <string_view>

namespace trulp {

std::string KeptGameText(const KeptGame& game);
// False, and `game` untouched, for a text that is not wholly a kept game.
bool ReadKeptGame(std::string_view text, KeptGame& game);

} // namespace trulp
