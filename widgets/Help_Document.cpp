#include "widgets/Help_Document.h"

#include "foundations/CommonUt.h"
#include "foundations/HTML.h"

#include <optional>

namespace Vexlor {
namespace {

bool Is_Tag(const std::string& token) {
    return !token.empty() && token.front() == '<';
}

// The context number of an anchor tag <a name="N">, or nothing for any other token.
std::optional<int> Anchor_Context(const std::string& token) {
    if (!Is_Tag(token))
        return std::nullopt;
    const TTag tag = Split_Tag(Lower_Case(token));
    int context = 0;
    if (tag.Name != "<a name" || !Str_To_Int(Trim_Quotes(tag.Value), context))
        return std::nullopt;
    return context;
}

bool Opens_Paragraph(const std::string& token) {
    const std::string lower = Lower_Case(token);
    return lower == "<p>" || lower.starts_with("<p ");
}

} // namespace

THelp_Document::THelp_Document(const std::string& html) {
    enum class TReading { Nothing, Title, Before_Paragraph, Paragraph };
    TReading reading = TReading::Nothing;
    THelp_Topic* topic = nullptr;
    THelp_Topic ignored; // a repeated anchor's topic is read here and thrown away

    THTML_Parser parser;
    parser.Set_Preserve_Whitespace(true);
    parser.Set_Source(html);
    for (std::string token = parser.Token(); !token.empty(); token = parser.Token()) {
        if (const auto context = Anchor_Context(token)) {
            const auto [entry, added] = _Topics.try_emplace(*context);
            ignored = THelp_Topic();
            topic = added ? &entry->second : &ignored;
            reading = TReading::Title;
            continue;
        }
        switch (reading) {
        case TReading::Nothing:
            break;
        case TReading::Title:
            if (Same_Text(token, "</a>"))
                reading = TReading::Before_Paragraph;
            else if (!Is_Tag(token))
                topic->Title += From_HTML(token);
            break;
        case TReading::Before_Paragraph:
            if (Opens_Paragraph(token))
                reading = TReading::Paragraph;
            break;
        case TReading::Paragraph:
            if (Same_Text(token, "</p>"))
                reading = TReading::Nothing;
            else
                topic->Paragraph += token;
            break;
        }
    }
}

const THelp_Topic* THelp_Document::Topic(int context) const {
    const auto entry = _Topics.find(context);
    return entry == _Topics.end() ? nullptr : &entry->second;
}

std::string Help_Anchor(int context) {
    return std::to_string(context);
}

} // namespace Vexlor
