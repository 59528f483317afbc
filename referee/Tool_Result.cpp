#include "Tool_Result.h"

#include "foundations/CommonUt.h"

namespace Vexlor {

int Read_Whole_Number(const std::string& text) {
    int number = 0;
    if (!Str_To_Int(Edit(text, Edit_Trim), number))
        throw TConversion_Error(text);
    return number;
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
