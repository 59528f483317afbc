#include "catalogues/editing/Editor_Texts.h"

#include "foundations/CommonUt.h"

#include <algorithm>
#include <set>

namespace Vexlor {

bool Is_Acceptable_Record_Name(const std::string& name) {
    return !Edit(name, Edit_Trim).empty() && name.find_first_of("|<>") == std::string::npos;
}

std::string Join_Names(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& name : names)
        list.append(name).append("|");
    return list;
}

// A memo's lines as a list box holds them: a break at the very end does not start another line.
std::string Memo_Lines_Joined(const std::string& memo) {
    std::string joined;
    for (std::size_t i = 0; i < memo.size(); ++i) {
        const char c = memo[i];
        if (c != '\r' && c != '\n') {
            joined += c;
            continue;
        }
        if (c == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n')
            ++i;
        if (i + 1 < memo.size())
            joined += ' ';
    }
    return joined;
}

TName_Choice Choose_Names(const std::vector<std::string>& offered, const std::string& record_list) {
    const std::set<std::string> offered_names(offered.begin(), offered.end());
    TName_Choice choice;
    std::set<std::string> chosen;
    for (auto& name : Split_Names(record_list))
        if (offered_names.contains(name) && chosen.insert(name).second)
            choice.Chosen.push_back(name);
    std::copy_if(offered.begin(), offered.end(), std::back_inserter(choice.Available),
                 [&](const std::string& name) { return !chosen.contains(name); });
    return choice;
}

} // namespace Vexlor
