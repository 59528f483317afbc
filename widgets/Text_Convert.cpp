#include "widgets/Text_Convert.h"

#include <QFile>

#include <array>

namespace Vexlor {
namespace {

// The characters of codes 0x80 to 0x9F, where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> High_Controls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

char16_t Character_Of(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F)
        return High_Controls[code - 0x80];
    return code;
}

char Code_Of(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t index = 0; index < High_Controls.size(); ++index)
        if (High_Controls[index] == character)
            return static_cast<char>(0x80 + index);
    return '?';
}

} // namespace

QString To_QString(const std::string& text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    for (std::size_t index = 0; index < text.size(); ++index)
        result[static_cast<qsizetype>(index)] = QChar(Character_Of(static_cast<unsigned char>(text[index])));
    return result;
}

std::string From_QString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        // A character outside the basic plane arrives as two surrogates and becomes one "?".
        if (character.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
            ++index;
        result += Code_Of(character.unicode());
    }
    return result;
}

QString Path_To_QString(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

std::filesystem::path QString_To_Path(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace Vexlor
