#include "Output_File.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"

#include <cerrno>
#include <cstdio>

namespace Vexlor {

void TOutput_File::Set_File_Name(const std::string& file_name) {
    File_Name = file_name;
    Heading.clear();
    Written_Heading.clear();
    Failed_Heading.reset();
}

void TOutput_File::Write(const std::string& text) {
    if (File_Name.empty())
        return;
    std::FILE* file = std::fopen(File_Name.c_str(), "ab");
    if (!file) {
        const int code = IO_Error_Code(errno, false);
        if (Heading != Written_Heading) {
            Written_Heading = Heading;
            Report(Ert(code) + " while opening " + File_Name);
        }
        return;
    }
    std::string bytes;
    if (Heading != Written_Heading) {
        Written_Heading = Heading;
        bytes = "\r\n" + Heading + "\r\n\r\n";
    }
    bytes += text + "\r\n";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int write_error = errno;
    const bool closed = std::fclose(file) == 0;
    // A full disk is reported once per result block, not once for each of its lines.
    if ((!written || !closed) && Failed_Heading != Heading) {
        Failed_Heading = Heading;
        Report(Ert(IO_Error_Code(written ? errno : write_error, true)) + " while writing to output file");
    }
}

} // namespace Vexlor
