// JSON wants valid UTF-8 with escapes, whatever bytes a file name holds.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace trulp::cli {

// The command line's words, in the catalogue's language. Its JSON output
// and exit codes never change with it.
class TrulpSolve {
    Q_DECLARE_TR_FUNCTIONS(TrulpSolve)
};

inline std::string Std(const QString& text) {
    return text.toStdString();
}
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A JSON string literal, quotes included. Bytes that are not UTF-8 become
// U+FFFD so that the output stays valid.
std::string JsonString(std::string_view utf8);

} // namespace trulp::cli
