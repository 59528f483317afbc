#include "Tool_Result.h"

#include "foundations/CommonUt.h"

namespace Vexlor {

int Read_Whole_Number(const std::string& text, int number, TTable& tables) {
    int value = 0;
    if (Str_To_Int(Edit(text, Edit_Trim), value))
        return value;
    const std::string table = "Table " + std::to_string(number);
    if (!tables.Find_Table(number, Table_File_Name))
        throw TConversion_Error(table + " is not in " + Table_File_Name);
    throw TConversion_Error(table + " of " + Table_File_Name + ": '" + text +
                            "' is not a valid integer value");
}

TRoll_Result Roll_Lines(TOutput_File& output, const std::string& heading, int count,
                        const std::function<void(TResult_Lines& lines)>& roll) {
    TResult_Lines lines(output, heading);
    TRoll_Result result;
    try {
        for (int i = 0; i < count; ++i)
            roll(lines);
    } catch (const TConversion_Error& error) {
        result.Error = error.what();
    } catch (const std::overflow_error& error) {
        result.Error = error.what();
    }
    result.Lines = std::move(lines.Lines);
    return result;
}

} // namespace Vexlor
