// The maker's name and web address, shown on the main window, the printed
// page and the help text. A reserved example domain: it points at nobody.
#pragma once

namespace trulp {
inline constexpr char kMakerName[] = "Quorvel Software";
inline constexpr char kMakerWebAddress[] = "www.quorvel.example";
inline constexpr char kMakerUrl[] = "https://www.quorvel.example/";
} // namespace trulp
