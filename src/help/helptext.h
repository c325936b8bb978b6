#pragma once

#include <QStringList>

namespace trulp {

// The help text from the program's resources, one entry per line, with the
// program version filled in.
QStringList loadHelpText();

} // namespace trulp
