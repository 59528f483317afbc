// The face the character sheet's title is set in on this machine.
#pragma once

#include <string>

namespace Vexlor {

// The face to hand to Character_RTF_String for the sheet's title. Impact where the font database
// has it, so a sheet written there is the sheet as it always was. Elsewhere, most Linux machines,
// Impact is missing and a word processor's fallback for it can be a dingbats face that prints the
// title as a row of symbols; so the first installed bold condensed sans-serif face of a short list
// (DejaVu Sans Condensed, Liberation Sans Narrow, Nimbus Sans Narrow) takes its place, and failing
// those the machine's own bold sans-serif face. Needs a running QGuiApplication.
std::string Sheet_Header_Font();

} // namespace Vexlor
