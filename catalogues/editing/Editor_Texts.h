// The text rules every catalogue editor shares: which record names are acceptable, the name lists
// of sub-effects, QIDs and weapons ("Heal|Fog|"), and memo texts stored as one line.
#pragma once

#include "foundations/CommonUt.h"

#include <string>
#include <vector>

namespace Vexlor {

// A record name the editors accept: not blank after trimming, and free of "|", "<" and ">",
// which would split the name lists that refer to the record and break the tagged text of
// inventories.
bool Is_Acceptable_Record_Name(const std::string& name);

// The name list of names: each followed by "|".
std::string Join_Names(const std::vector<std::string>& names);

// A memo's text as one line: its lines joined with one blank (a break, CR LF, LF or CR, at the
// very end starts no line).
std::string Memo_Lines_Joined(const std::string& memo);

// The two lists of a "<" / ">" pair as a record fills them: the record's own names that are
// offered, in the record's order and each once, and the offered names it does not hold, in the
// order offered. Names the record holds that are not offered are dropped.
struct TName_Choice {
    std::vector<std::string> Chosen;
    std::vector<std::string> Available;
    bool operator==(const TName_Choice&) const = default;
};
TName_Choice Choose_Names(const std::vector<std::string>& offered, const std::string& record_list);

} // namespace Vexlor
