// Moving entries between the two lists of a pair (what is available, what is chosen), as the
// editors' "<" and ">" buttons do.
#pragma once

#include <string>
#include <vector>

namespace Vexlor {

// Moves the entries of from at the given positions to the end of to, in their order in from.
// An entry that to already holds is not added again (it still leaves from), and positions
// outside from are ignored, so no entry is ever lost or doubled.
void Move_Entries(std::vector<std::string>& from, std::vector<std::string>& to, std::vector<int> positions);

} // namespace Vexlor
