// What one press of a tool's "Roll" gives when a roll can go wrong half way: the lines shown
// (and written to the output file) and the message the game master sees when it stopped.
#pragma once

#include "referee/Output_File.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vexlor {

// The first entry of a choice box that leaves the choice to the dice.
inline const std::string Random_Choice = "<Random>";

struct TRoll_Result {
    std::vector<std::string> Lines; // the lines added before any failure stay
    std::string Error;              // empty when the roll ran to its end
};

// A table result that should be a whole number but is not.
class TConversion_Error : public std::invalid_argument {
  public:
    explicit TConversion_Error(const std::string& text)
        : std::invalid_argument("'" + text + "' is not a valid integer value") {}
};

// A table result read as a whole number; blanks around it are allowed. Anything else raises
// TConversion_Error.
int Read_Whole_Number(const std::string& text);

// Runs a tool's rolls, which add their lines under heading. A table result that is not a whole
// number, or a sum too large to hold, stops the rolls with its message.
TRoll_Result Run_Roll(TOutput_File& output, const std::string& heading,
                      const std::function<void(TResult_Lines& lines)>& rolls);

} // namespace Vexlor
