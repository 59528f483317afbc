// The numbered help contexts of the program's windows. Each one has a topic in the help document
// (an anchor named after the number); a window opens its topic with Help_Context.
#pragma once

#include <array>

namespace Vexlor {

inline constexpr int Help_Main_Window = 1;

// Every context the program opens, so the help document can be checked against them.
inline constexpr std::array Help_Contexts = {Help_Main_Window};

} // namespace Vexlor
