// The table-file checker: reads the game master's table file block by block as the table engine
// reads it and reports what would give a blank, surprising or endless result at the table, each
// finding with its line and table.
#pragma once

#include "evaluator/Dice_Odds.h"
#include "referee/Output_File.h"
#include "referee/Tool_Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

enum TFinding_Kind {
    Finding_No_Entries,         // a table with neither entries nor an alias (error)
    Finding_Roll_Not_Evaluated, // a roll line that never evaluates (error)
    Finding_Overlap,            // an entry whose range overlaps an earlier entry's (warning)
    Finding_Gap,                // rolls that no entry covers (error)
    Finding_Unreachable,        // an entry that no roll selects (warning)
    Finding_Missing_Table,      // a reference or an alias to a table not in the file (error)
    Finding_Cycle,              // references that can lead back to the same table (warning)
    Finding_Defined_Twice,      // a table number used by an earlier table (error)
    Finding_Line_Cut,           // a line longer than the engine reads (warning)
    Finding_No_Tab,             // a header or entry line without the tab the engine needs (error)
};

struct TTable_Finding {
    TFinding_Kind Kind = Finding_No_Entries;
    bool Error = false; // an error, else a warning
    int Line = 0;       // of the file, from 1
    std::optional<int> Table;
    std::string Text;
};

struct TTable_Check {
    std::vector<TTable_Finding> Findings; // in the order of their lines
    std::vector<std::string> Lines;       // the file's lines as written, for showing a finding's line
};

// Checks the text of a table file. A roll line of dice and whole numbers is known exactly; any other
// is sampled samples times through the evaluator.
TTable_Check Check_Tables(std::string_view text, int samples = Odds_Samples);

// Checks the table file file_name of the working folder, found as the engine finds it. Returns the
// empty text, or the message for the game master when the file cannot be read.
std::string Check_Table_File(const std::string& file_name, TTable_Check& check);

// The Tables tab's "Check": the table file checked into check, then a line a finding and the
// summary last, under the heading "Table check" (also in the output file). When the file cannot
// be read, no lines and the message why.
TRoll_Result Check_Report(TOutput_File& output, const std::string& file_name, TTable_Check& check);

// The line of the file a finding is about, as written, its tabs shown as "[tab]":
// "Line 14: 4-6[tab]blue".
std::string Finding_Source(const TTable_Check& check, const TTable_Finding& finding);

// "Error in line 12 (table 7): ..." or "Warning in line 30: ...".
std::string Finding_Line(const TTable_Finding& finding);

// "No errors or warnings", "1 error, 2 warnings".
std::string Check_Summary(const std::vector<TTable_Finding>& findings);

} // namespace Vexlor
