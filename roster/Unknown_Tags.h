// How the roster's files pass over tags they do not know, as stored records do.
#pragma once

#include "foundations/CommonUt.h"
#include "foundations/HTML.h"

#include <string>
#include <string_view>

namespace Vexlor {

// Skips token, a tag the reader does not know: a single tag alone, a paired tag with its section
// up to its end tag. An end tag here closes nothing; skipping a "section" after it would swallow
// everything that follows, so it is passed over alone. A tag without its closing '>' already
// runs to the end of the text.
inline void Skip_Unknown_Tag(TSHTML_Parser& parser, std::string_view token) {
    if (token.starts_with("<#") || token.starts_with("</") || token.back() != '>')
        return;
    std::string_view stem = token.substr(1, token.size() - 2);
    stem = stem.substr(0, stem.find('='));
    const std::string name = Lower_Case(std::string(stem));
    parser.Read_Section("</" + name + ">", "<" + name);
}

} // namespace Vexlor
