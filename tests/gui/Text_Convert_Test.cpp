#include "Gui_Test.h"

#include "shell/Text_Convert.h"

#include <QTest>

namespace Vexlor::Test {

class TText_Convert_Test : public QObject {
    Q_OBJECT

  private slots:
    void Code_Page_Characters_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("character");
        QTest::newRow("letter") << 0x41 << 0x41;
        QTest::newRow("nul") << 0x00 << 0x00;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81") << 0x81 << 0x81;
        QTest::newRow("ellipsis") << 0x85 << 0x2026;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0xA0;
        QTest::newRow("e acute") << 0xE9 << 0xE9;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    }

    void Code_Page_Characters() {
        QFETCH(int, code);
        QFETCH(int, character);
        const std::string byte(1, static_cast<char>(code));
        const QString text = To_QString(byte);
        QCOMPARE(text.size(), 1);
        QCOMPARE(text[0].unicode(), character);
        QCOMPARE(From_QString(text), byte);
    }

    void Every_Byte_Survives_A_Round_Trip() {
        std::string all;
        for (int code = 0; code < 256; ++code)
            all += static_cast<char>(code);
        QCOMPARE(From_QString(To_QString(all)), all);
    }

    void Characters_Outside_The_Code_Page_Become_Question_Marks() {
        QCOMPARE(From_QString(QStringLiteral(u"\u03A9mega")), std::string("?mega"));
        // One character outside the basic plane (two surrogates) is one "?", not two.
        QCOMPARE(From_QString(QStringLiteral(u"d\U0001F3B2d")), std::string("d?d"));
        QCOMPARE(From_QString(QStringLiteral(u"caf\u00E9 \u20AC5")), std::string("caf\xE9 \x80"
                                                                                 "5"));
    }
};

namespace {
const TRegister_Gui_Test<TText_Convert_Test> registration;
}

} // namespace Vexlor::Test

#include "Text_Convert_Test.moc"
