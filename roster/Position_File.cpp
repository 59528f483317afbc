#include "Position_File.h"

#include "Party_File.h"
#include "Unknown_Tags.h"

#include <optional>

namespace Vexlor {
namespace {

std::string Upper_Case(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = Upper_Char(c);
    return upper;
}

// The content of the first element named name (upper case, without brackets) among the tags of
// text, tags compared in upper case; other tags are passed over.
std::optional<std::string> Find_Section(std::string_view text, const std::string& name) {
    TSHTML_Parser parser;
    parser.Set_Source_View(text);
    const std::string start_tag = "<" + name + ">";
    for (std::string_view token = parser.Next_Token(); !token.empty(); token = parser.Next_Token()) {
        if (token.front() != '<')
            continue;
        if (Upper_Case(token) == start_tag)
            return parser.Read_Section("</" + name + ">", "<" + name);
        Skip_Unknown_Tag(parser, token);
    }
    return std::nullopt;
}

// The value of the first single tag of the body whose upper-cased start is prefix ("<#POSITION=").
std::optional<std::string> Find_Body_Value(std::string_view file_text, std::string_view prefix) {
    const auto root = Find_Section(file_text, "VEXLOR");
    const auto body = root ? Find_Section(*root, "BODY") : std::nullopt;
    if (!body)
        return std::nullopt;
    const std::string_view text = *body;
    TSHTML_Parser parser;
    parser.Set_Source_View(text);
    for (std::string_view token = parser.Next_Token(); !token.empty(); token = parser.Next_Token()) {
        if (token.front() != '<')
            continue;
        if (token.size() > prefix.size() && Upper_Case(token.substr(0, prefix.size())) == prefix)
            return std::string(token.substr(prefix.size(), token.size() - prefix.size() - 1));
        Skip_Unknown_Tag(parser, token);
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path Position_File_Path(const std::string& program_path) {
    const int dot = Extension_Pos(program_path);
    if (dot == 0)
        return "cfg";
    return program_path.substr(0, static_cast<std::size_t>(dot)) + "cfg";
}

std::string Position_File_Text(const TWindow_Bounds& bounds, std::string_view party) {
    const std::string party_tag = party.empty() ? "" : "<#party=\"" + Encode_Roster_Text(party) + "\">";
    return "<vexlor><header>V1.0</header><body><#position=" + std::to_string(bounds.Left) + "," +
           std::to_string(bounds.Top) + "," + std::to_string(bounds.Width) + "," +
           std::to_string(bounds.Height) + ">" + party_tag + "</body></vexlor>\r\n";
}

std::string Remembered_Party(std::string_view text) {
    const auto value = Find_Body_Value(text, "<#PARTY=");
    if (!value || value->size() < 2 || value->front() != '"' || value->back() != '"')
        return "";
    return Decode_Roster_Text(std::string_view(*value).substr(1, value->size() - 2));
}

void Read_Position_File(std::string_view text, TWindow_Bounds& bounds, int minimum_width,
                        int minimum_height) {
    const auto position = Find_Body_Value(text, "<#POSITION=");
    if (!position)
        return;
    std::string_view rest = *position;
    for (int index = 0; index < 4; ++index) {
        const std::string_view piece = rest.substr(0, rest.find(','));
        int value = 0;
        if (!Str_To_Int(piece, value))
            return;
        switch (index) {
        case 0:
            bounds.Left = value;
            break;
        case 1:
            bounds.Top = value;
            break;
        case 2:
            if (value >= minimum_width)
                bounds.Width = value;
            break;
        case 3:
            if (value >= minimum_height)
                bounds.Height = value;
            break;
        }
        if (piece.size() == rest.size())
            return;
        rest.remove_prefix(piece.size() + 1);
    }
}

} // namespace Vexlor
