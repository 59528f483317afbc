#include "Output_File.h"

#include "foundations/Files.h"

namespace Vexlor {

void TOutput_File::Set_File_Name(const std::string& file_name) {
    File_Name = file_name;
    Heading.clear();
    Written_Heading.clear();
    Reported_Heading.reset();
}

// A name typed into the box is a newly chosen file just as one picked with "Browse..." is:
// without this the evening's next results would land in the new log with no heading over them.
// Leaving the box with its name unchanged chooses nothing.
void TOutput_File::Type_File_Name(const std::string& file_name) {
    if (file_name != File_Name)
        Set_File_Name(file_name);
}

// The heading counts as written only once its block really is in the file: a log that could not
// be opened (its folder missing) or written (a full disk) gets the heading block with the first
// line that does reach it. The game master hears of a failure once per result block.
void TOutput_File::Write(const std::string& text) {
    if (File_Name.empty())
        return;
    const bool new_block = Heading != Written_Heading;
    const std::string bytes = (new_block ? "\r\n" + Heading + "\r\n\r\n" : std::string()) + text + "\r\n";
    if (const TResult appended = Append_File(File_Name, bytes); !appended.Ok()) {
        Report_Once(appended.Problem());
        return;
    }
    Written_Heading = Heading;
}

void TOutput_File::Report_Once(const std::string& message) {
    if (Reported_Heading == Heading)
        return;
    Reported_Heading = Heading;
    Report(message);
}

} // namespace Vexlor
