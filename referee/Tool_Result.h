// How a referee tool gives its result. Every press of a tool's button returns a TRoll_Result: the
// lines the tool's list shows, each also written to the output file under the tool's heading,
// and, when a roll went wrong half way, the message for the game master (the lines added before
// it stay). A tool builds its result with Roll_Lines: so many rolls under a heading, each adding
// its lines. A roll goes wrong by raising TConversion_Error (a table result that should be a
// whole number is not) or std::overflow_error (a number too large to hold); Roll_Lines turns
// either into the message, and nothing else is caught.
#pragma once

#include "referee/Output_File.h"
#include "referee/Tables.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vexlor {

// The first entry of a choice box that leaves the choice to the dice.
inline const std::string Random_Choice = "<Random>";

struct TRoll_Result {
    std::vector<std::string> Lines;
    std::string Error; // empty when the rolls ran to their end
};

// A table result that should be a whole number but is not. The message names the table, so the
// game master knows which table of the file to mend.
class TConversion_Error : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The result of table number (text) read as a whole number; blanks around it are allowed.
// Anything else raises TConversion_Error: "Table 95 is not in TABLES.TXT" when the file has no
// such table, else "Table 95 of TABLES.TXT: 'x' is not a valid integer value".
int Read_Whole_Number(const std::string& text, int number, TTable& tables);

// count rolls under heading; roll adds the lines of one roll (none, one or several).
TRoll_Result Roll_Lines(TOutput_File& output, const std::string& heading, int count,
                        const std::function<void(TResult_Lines& lines)>& roll);

} // namespace Vexlor
