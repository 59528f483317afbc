#include "Gui_Test.h"

#include "widgets/Text_Convert.h"

#include <QTest>

namespace Vexlor::Test {

class TText_Convert_Test : public QObject {
    Q_OBJECT

  private slots:
    void Bytes_Stand_For_Their_Windows_1252_Characters() {
        // ASCII; the block 0x80-0x9F where the code page differs from Latin-1, its undefined codes
        // passing through; Latin-1 above it.
        const std::vector<std::pair<int, char16_t>> table = {
            {0x41, u'A'},      {0x00, u'\0'},     {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x85, u'\u2026'},
            {0x93, u'\u201C'}, {0x9D, u'\u009D'}, {0x9F, u'\u0178'}, {0xA0, u'\u00A0'}, {0xFF, u'\u00FF'}};
        for (const auto& [code, character] : table) {
            const std::string byte(1, static_cast<char>(code));
            QCOMPARE(To_QString(byte), QString(QChar(character)));
            QCOMPARE(From_QString(QString(QChar(character))), byte);
        }
    }

    void Every_Byte_Survives_A_Round_Trip() {
        std::string all;
        for (int code = 0; code < 256; ++code)
            all += static_cast<char>(code);
        QCOMPARE(From_QString(To_QString(all)), all);
    }

    void Characters_Outside_The_Code_Page_Become_Question_Marks() {
        QCOMPARE(From_QString(QStringLiteral(u"\u03A9mega")), std::string("?mega"));
        // A character outside the basic plane (two surrogates) is one "?".
        QCOMPARE(From_QString(QStringLiteral(u"d\U0001F3B2d")), std::string("d?d"));
    }
};

namespace {
const TRegister_Gui_Test<TText_Convert_Test> registration;
}

} // namespace Vexlor::Test

#include "Text_Convert_Test.moc"
