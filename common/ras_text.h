// The warning both programs give where dial-up networking is missing.
#pragma once

#include <string_view>

namespace orv {

inline constexpr std::string_view RasMissingText =
    "Dial-Up Connections cannot be performed on this computer. The necessary Windows files "
    "have not been installed.  Missing RASAPI32.DLL";

}  // namespace orv
