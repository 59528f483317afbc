#include "Output_File.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <cerrno>
#include <cstdio>
#include <utility>

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
    TFile file = Open_File(File_Name, "ab");
    if (!file) {
        Report_Once(Ert(IO_Error_Code(errno, false)) + " while opening " + File_Name);
        return;
    }
    const bool new_block = Heading != Written_Heading;
    const std::string bytes = (new_block ? "\r\n" + Heading + "\r\n\r\n" : std::string()) + text + "\r\n";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const int write_error = errno;
    const bool closed = Close_File(std::move(file));
    if (!written || !closed) {
        Report_Once(Ert(IO_Error_Code(written ? errno : write_error, true)) +
                    " while writing to output file");
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
