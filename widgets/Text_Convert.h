// The one crossing point between the game's text (8-bit Windows-1252 strings, the encoding of every
// stored file) and the widgets' text. Every dialog converts through these two functions.
#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace Vexlor {

// Windows-1252 bytes as widget text. The five codes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass through as the control characters of the same number,
// so a stored text survives a round trip unchanged.
QString To_QString(const std::string& text);

// Widget text as Windows-1252 bytes; a character the code page cannot hold becomes "?", so every
// box whose text is stored refuses such characters first (Unstorable_Note).
std::string From_QString(const QString& text);

// The one check of a box's text for what the game's files can hold: the note naming the
// characters outside Windows-1252 ("Ł, Ż cannot be stored: ..."), empty when every one fits.
QString Unstorable_Note(const QString& text);

// File paths are not game text: they cross in the file system's own encoding.
QString Path_To_QString(const std::filesystem::path& path);
std::filesystem::path QString_To_Path(const QString& path);

} // namespace Vexlor
