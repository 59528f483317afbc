// Names: the name files beside the program, each line a group of variants of one name.
#include "Characters.h"

#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "foundations/Random.h"

#include <algorithm>
#include <optional>

namespace Vexlor {
namespace {

// The lines of a name file, with their line ends removed; nothing when the file cannot be read.
std::optional<std::vector<std::string>> Read_Lines(const std::filesystem::path& path) {
    const auto bytes = Read_File(path);
    if (!bytes)
        return std::nullopt;
    return Split_Lines(*bytes);
}

bool Contains_Word(const std::string& words, const std::string& word) {
    return (" " + words + " ").find(" " + word + " ") != std::string::npos;
}

// The name a chosen line gives: with three or more variants any of them, otherwise the first.
std::string Name_From_Line(const std::string& line) {
    const auto blanks = static_cast<int>(std::count(line.begin(), line.end(), ' '));
    std::size_t start = 0;
    if (blanks > 1) {
        const int word = Random(blanks + 1);
        for (int blank = 0; blank < word; ++blank)
            start = line.find(' ', start) + 1;
    }
    return line.substr(start, line.find(' ', start) - start);
}

} // namespace

std::filesystem::path TVexlor_Character::Name_File(TGender gender) const {
    const std::filesystem::path folder = Name_Folder.empty() ? Program_Folder() : Name_Folder;
    const std::string name = gender == Gender_Female ? "FEMALE.NAM" : "MALE.NAM";
    return Find_File(folder, name).value_or(folder / name);
}

void TVexlor_Character::_Set_Name(const std::string& name) {
    _Name = name;
    All_Names.clear();
    const auto lines = Read_Lines(Name_File(Get_Gender()));
    if (!lines)
        return;
    for (const std::string& line : *lines) {
        if (!Contains_Word(line, name))
            continue;
        if (!All_Names.empty())
            All_Names += ' ';
        All_Names += line;
    }
}

bool TVexlor_Character::Name_Match(const std::string& name) const {
    return Same_Text(name, _Name) || Contains_Word(All_Names, Edit(name, Edit_Upper));
}

void TVexlor_Character::Choose_Name() {
    Set_Gender(Random(100) < 50 ? Gender_Male : Gender_Female);
    _Set_Name("");
    const auto lines = Read_Lines(Name_File(Get_Gender()));
    if (!lines || lines->empty())
        return;
    const std::string& line = (*lines)[static_cast<std::size_t>(Random(static_cast<int>(lines->size())))];
    std::string name = Name_From_Line(Lower_Case(line));
    if (!name.empty())
        name.front() = Edit(name.substr(0, 1), Edit_Upper).front();
    _Set_Name(name);
}

} // namespace Vexlor
