// The tagged text in which every record is stored: attribute tags <#key=value>, sections
// <name>...</name>, the escaping of text values, the tag reader, and the helpers that every
// record reader shares.
#pragma once

#include "CommonUt.h"
#include "Parse.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

namespace Vexlor {

// The entity name of each character code, or the one-character string of the code itself.
// Stored texts depend on every entry, quirks included.
const std::array<std::string, 256>& Entities();

std::string To_HTML(const std::string& text);

// Bit 0 of From_HTML's Keep: keep what cannot be decoded.
constexpr int Keep_Undecodable = 1;
std::string From_HTML(const std::string& text, int keep = 0);

// The tag tokenizer: a token is a whole tag or the text up to the next tag.
class TSHTML_Parser : public TSParser {
  public:
    void Init() override;
    std::string Get_Token() override;
    // The next token as it will be returned, valid until the next call; empty when the source
    // is used up. Most tokens are a view into the source itself and cost no copy.
    std::string_view Next_Token();
    void Set_Source(std::string text);
    // Reads text in place: the caller keeps it alive and unchanged while the parser reads.
    void Set_Source_View(std::string_view text);
    // The tokens up to the end tag, which is consumed; sections that open with start_prefix
    // nest, so their own end tags are kept.
    std::string Read_Section(const std::string& end_tag, const std::string& start_prefix);

    bool Preserve_Whitespace = false;
    // Whether the last Read_Section met its end tag; false when the source ended first.
    bool Section_Closed = false;

  private:
    std::string Owned_Source;
    std::string_view Source;
    std::size_t Position = 0; // the unread rest of the source starts here
    std::string Edited;       // a token whose whitespace had to be edited
};

// The tag reader that record readers create, read to the end (or until they stop) and free.
class THTML_Parser : public TParser {
  public:
    THTML_Parser();
    void Set_Source(std::string text) { Html().Set_Source(std::move(text)); }
    void Set_Source_View(std::string_view text) { Html().Set_Source_View(text); }
    void Set_Preserve_Whitespace(bool flag) { Html().Preserve_Whitespace = flag; }
    // The next token; the empty string when the source is used up.
    std::string Token() { return std::string(Html().Next_Token()); }
    // The same into token, reusing its storage; false when the source is used up.
    bool Token_Into(std::string& token) {
        token.assign(Html().Next_Token());
        return !token.empty();
    }
    // The content of the section name up to its matching end tag, which is consumed.
    std::string Get_Section(const std::string& name) { return _Get_Section(name, false); }
    // The same; with XML the section ends at <name/> instead of </name>.
    std::string _Get_Section(const std::string& name, bool xml);

  private:
    TSHTML_Parser& Html() { return static_cast<TSHTML_Parser&>(*Parser); }
};

// One tag split at its first "=": the name before it ("<#strength", or the whole "<name>" of a
// section start) and the value after it without the closing character.
struct TTag {
    std::string Name;
    std::string Value;
};
TTag Split_Tag(const std::string& token);
void Split_Tag(const std::string& token, TTag& tag); // the same into tag, reusing its storage

// A whole number of the character's tags: trimmed, decimal or "$" hexadecimal, 0 when unreadable.
int Get_Int(const std::string& value);

// A comma list of whole numbers into consecutive slots from the left: extra pieces are ignored,
// slots without a piece keep their values.
template <class Iterator> void Get_Int_List(const std::string& value, Iterator first, Iterator last) {
    std::size_t from = 0;
    while (from < value.size() && first != last) {
        auto comma = value.find(',', from);
        if (comma == std::string::npos)
            comma = value.size();
        *first =
            static_cast<std::remove_reference_t<decltype(*first)>>(Get_Int(value.substr(from, comma - from)));
        ++first;
        from = comma + 1;
    }
}

// How a record reader folds each token before it looks at it.
enum class TTag_Case { Lower, Upper, As_Is };

// Called for every tag of a record; returns false when the tag is not one of the record's.
// A section tag reads its content from parser with Get_Section.
using TTag_Handler = std::function<bool(const TTag& tag, THTML_Parser& parser)>;

// The reading loop every Deserialize shares: text between tags is ignored, unknown attribute
// tags are ignored, and any other unknown tag is skipped together with its content.
void Read_Tagged_Text(const std::string& text, TTag_Case fold, const TTag_Handler& handler);

} // namespace Vexlor
