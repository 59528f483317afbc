// The referee tools' output file: every result line is appended to it under heading blocks, so a
// game master keeps a log of the evening's rolls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vexlor {

class TOutput_File {
  public:
    // Called with a message for the game master when the file cannot be opened or written.
    using TError_Report = std::function<void(const std::string& message)>;

    explicit TOutput_File(TError_Report report) : Report(std::move(report)) {}

    // A newly chosen file starts with its heading block, even under the same heading.
    void Set_File_Name(const std::string& file_name);
    // A name typed into the output file box: another file is newly chosen; the same one stays.
    void Type_File_Name(const std::string& file_name);
    const std::string& Get_File_Name() const { return File_Name; }
    // The title of the result block the current tool produces.
    void Set_Heading(const std::string& heading) { Heading = heading; }
    const std::string& Get_Heading() const { return Heading; }

    // Appends one result line (CR LF), preceded by the heading block when the heading changed.
    // Without a file name nothing is written.
    void Write(const std::string& text);

  private:
    // Tells the game master of a failure, unless one was told for this block already.
    void Report_Once(const std::string& message);

    TError_Report Report;
    std::string File_Name;
    std::string Heading;
    std::string Written_Heading;
    std::optional<std::string> Reported_Heading; // the block whose failure was reported
};

// One tool's results under one heading: shown in the tool's list and copied to the output file.
class TResult_Lines {
  public:
    TResult_Lines(TOutput_File& output, const std::string& heading) : Output(output) {
        Output.Set_Heading(heading);
    }
    void Add(const std::string& text) {
        Lines.push_back(text);
        Output.Write(text);
    }
    std::vector<std::string> Lines;

  private:
    TOutput_File& Output;
};

} // namespace Vexlor
