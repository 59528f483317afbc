#include "shell/characters/Sheet_Font.h"

#include "sheet/Character_RTF.h"
#include "widgets/Text_Convert.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>

namespace Vexlor {
namespace {

// Heavy, narrow faces that set the title close to Impact's look, best first.
constexpr const char* Condensed_Faces[] = {"DejaVu Sans Condensed", "Liberation Sans Narrow",
                                           "Nimbus Sans Narrow"};

bool Is_Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

bool Has_Bold_Style(const QString& family) {
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [&](const QString& style) { return QFontDatabase::bold(family, style); });
}

// The face the font database answers for a bold sans-serif request.
QString Bold_Sans_Serif() {
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    return QFontInfo(font).family();
}

} // namespace

std::string Sheet_Header_Font() {
    if (Is_Installed(To_QString(std::string(Default_Header_Font))))
        return std::string(Default_Header_Font);
    for (const char* face : Condensed_Faces) {
        const QString family = To_QString(face);
        if (Is_Installed(family) && Has_Bold_Style(family))
            return face;
    }
    return From_QString(Bold_Sans_Serif());
}

} // namespace Vexlor
