#include "Party_File.h"

#include "Unknown_Tags.h"
#include "foundations/CommonUt.h"
#include "foundations/HTML.h"
#include "foundations/UStrings.h"

#include <algorithm>

namespace Vexlor {
namespace {

constexpr std::string_view Party_Prefix = "<party=\"";
constexpr std::string_view Character_Prefix = "<character=\"";

// The name between "<party=\"" (or "<character=\"") and the closing "\">" of a tag. The tag is
// lower-cased outside quotes first, so a name keeps its case whatever case the tag was written in.
std::string Element_Name(std::string_view token, std::size_t prefix_length) {
    const std::string folded = Edit(std::string(token), Edit_Lower | Edit_Keep_Quoted);
    if (folded.size() < prefix_length + 2)
        return {};
    return Decode_Roster_Text(
        std::string_view(folded).substr(prefix_length, folded.size() - prefix_length - 2));
}

// The elements "<name=\"text\">stored</name>" of text, in order; text between tags (the line
// breaks between parties) is ignored. Whitespace is preserved: the tab of a display text and
// the blanks of stored texts are part of what the game master typed. end (if given) tells where
// the text ended.
enum class TText_End { Whole, In_Tag, In_Last_Element };
TRoster_List Read_Elements(std::string_view text, std::string_view prefix, const std::string& name,
                           TText_End* end = nullptr) {
    TRoster_List list;
    TSHTML_Parser parser;
    parser.Preserve_Whitespace = true;
    parser.Set_Source_View(text);
    const std::string end_tag = "</" + name + ">";
    const std::string start_prefix = "<" + name;
    for (std::string_view token = parser.Next_Token(); !token.empty(); token = parser.Next_Token()) {
        if (token.front() != '<')
            continue;
        // A tag cut off by the end of the file names no party: nothing of it can be trusted.
        if (token.back() != '>') {
            if (end)
                *end = TText_End::In_Tag;
        } else if (token.size() >= prefix.size() && Same_Text(token.substr(0, prefix.size()), prefix)) {
            std::string entry_text = Element_Name(token, prefix.size());
            std::string stored = parser.Read_Section(end_tag, start_prefix);
            if (end && !parser.Section_Closed)
                *end = TText_End::In_Last_Element;
            list.push_back({std::move(entry_text), std::move(stored)});
        } else {
            Skip_Unknown_Tag(parser, token);
        }
    }
    return list;
}

std::size_t Written_Size(const TRoster_List& list) {
    std::size_t size = 0;
    for (const auto& entry : list)
        size += entry.Text.size() * 2 + entry.Stored.size() + 32;
    return size;
}

void Append_Element(std::string& out, std::string_view prefix, const TRoster_Entry& entry,
                    std::string_view end_tag) {
    out += prefix;
    out += Encode_Roster_Text(entry.Text);
    out += "\">";
    out += entry.Stored;
    out += end_tag;
}

// Whether a party of this text, written with a party after it, reads back as written: a tag left
// open would otherwise take in the end tags and the parties written after it.
bool Writes_Back_Whole(const std::string& party_text) {
    const TRoster_List read =
        Read_Elements(Party_File_Text({{"p", party_text}, {"q", {}}}), Party_Prefix, "party");
    return read.size() == 2 && read.front().Stored == party_text;
}

// A party the end of the file cut short, mended as it is written back (the characters that could
// be read, each element closed, without the tag the end cut in two), and where the cut fell, as
// the game master is told it. A character whose text would still leave a tag open (tags of
// parties inside it, which only a hand-made file holds) is left out with those after it.
struct TMended_Party {
    std::string Text;
    std::string Cut_In;
};
TMended_Party Mend_Cut_Party(const TRoster_Entry& party) {
    TText_End end = TText_End::Whole;
    TRoster_List characters = Read_Elements(party.Stored, Character_Prefix, "character", &end);
    const std::string named_party = "the party \"" + party.Text + "\"";
    TMended_Party mended{{}, named_party};
    // A cut inside a character's own opening tag leaves its name cut too: the game master is not
    // shown a name the file may never have held.
    if (end == TText_End::In_Tag)
        mended.Cut_In = "a character of " + named_party;
    if (end == TText_End::In_Last_Element) {
        std::string& stored = characters.back().Stored;
        mended.Cut_In = "the character \"" + Display_Name(characters.back().Text) + "\" of " + named_party;
        const auto closed = stored.rfind('>');
        if (const auto open = stored.find('<', closed == std::string::npos ? 0 : closed + 1);
            open != std::string::npos)
            stored.erase(open);
    }
    mended.Text = Party_Text(characters);
    while (!Writes_Back_Whole(mended.Text)) {
        characters.pop_back();
        mended.Text = Party_Text(characters);
    }
    return mended;
}

} // namespace

TParties_Reading Read_Parties_Noting_Cut(std::string_view file_text) {
    TText_End end = TText_End::Whole;
    TParties_Reading reading{Read_Elements(file_text, Party_Prefix, "party", &end), std::nullopt};
    if (end == TText_End::In_Tag)
        reading.Cut_In = "a party";
    if (end == TText_End::In_Last_Element) {
        TMended_Party mended = Mend_Cut_Party(reading.Parties.back());
        reading.Parties.back().Stored = std::move(mended.Text);
        reading.Cut_In = std::move(mended.Cut_In);
    }
    return reading;
}

TRoster_List Read_Parties(std::string_view file_text) {
    return Read_Parties_Noting_Cut(file_text).Parties;
}

TRoster_List Read_Party_Members(std::string_view party_text) {
    return Read_Elements(party_text, Character_Prefix, "character");
}

std::string Party_Text(const TRoster_List& characters) {
    std::string text;
    text.reserve(Written_Size(characters));
    for (const auto& character : characters)
        Append_Element(text, Character_Prefix, character, "</character>");
    return text;
}

std::string Party_File_Text(const TRoster_List& parties) {
    std::string text;
    text.reserve(Written_Size(parties));
    for (const auto& party : parties)
        Append_Element(text, Party_Prefix, party, "</party>\r\n");
    return text;
}

// To_HTML protects '&', '<', '>', tabs and line breaks, but leaves the double quote alone, and a
// raw '"' would end the name inside its tag: the rest would be lower-cased on reading. It is
// written as a numeric reference, which reading decodes like any other.
std::string Encode_Roster_Text(std::string_view text) {
    return Replace(To_HTML(std::string(text)), "\"", "&#34;");
}

// A hand-edited file may hold a bare '&' that starts no reference: it is kept rather than dropped.
std::string Decode_Roster_Text(std::string_view text) {
    return Edit(From_HTML(std::string(text), Keep_Undecodable), Edit_Trim);
}

void Sort_Roster(TRoster_List& list) {
    std::stable_sort(list.begin(), list.end(), [](const TRoster_Entry& a, const TRoster_Entry& b) {
        return std::lexicographical_compare(
            a.Text.begin(), a.Text.end(), b.Text.begin(), b.Text.end(), [](char x, char y) {
                return static_cast<unsigned char>(Lower_Char(x)) < static_cast<unsigned char>(Lower_Char(y));
            });
    });
}

int Find_Roster_Entry(const TRoster_List& list, std::string_view text) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const TRoster_Entry& entry) { return Same_Text(entry.Text, text); });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

std::string Display_Name(std::string_view display_text) {
    return std::string(display_text.substr(0, display_text.find('\t')));
}

std::vector<std::string> Member_Names(const TRoster_List& characters, int except) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < characters.size(); ++i)
        if (static_cast<int>(i) != except)
            names.push_back(Display_Name(characters[i].Text));
    return names;
}

std::string Sheet_File_Name(std::string_view character_name) {
    std::string name(character_name);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < ' ' ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return name + ".rtf";
}

std::string Character_Display_Text(const TVexlor_Character& character) {
    std::string text = character._Get_Name() + '\t';
    bool first = true;
    for (int slot = 1; slot <= 4; ++slot) {
        const int class_index = character.Get_Class(slot);
        if (class_index < 0 || class_index > Max_Class_Offset)
            continue;
        if (!first)
            text += ", ";
        text += Abbreviated_Class_Name[class_index];
        first = false;
    }
    return text;
}

} // namespace Vexlor
