#include "widgets/Text_Convert.h"

#include "foundations/Code_Page.h"

#include <QFile>
#include <QStringList>

namespace Vexlor {

QString To_QString(const std::string& text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    for (std::size_t index = 0; index < text.size(); ++index)
        result[static_cast<qsizetype>(index)] =
            QChar(static_cast<char16_t>(Windows_1252_Character(static_cast<unsigned char>(text[index]))));
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
        result += Windows_1252_Code(character.unicode()).value_or('?');
    }
    return result;
}

QString Unstorable_Note(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    const std::u32string unstorable =
        Unstorable_Characters(std::u32string(characters.begin(), characters.end()));
    if (unstorable.empty())
        return {};
    QStringList named;
    for (const char32_t character : unstorable)
        named << QString::fromUcs4(&character, 1);
    return To_QString(std::string(Unstorable_Note_Text)).arg(named.join(QStringLiteral(", ")));
}

QString Path_To_QString(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

std::filesystem::path QString_To_Path(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace Vexlor
