#include "Gui_Test.h"

#include "foundations/Files.h"
#include "sheet/Character_RTF.h"
#include "shell/characters/Sheet_Font.h"
#include "widgets/Text_Convert.h"

#include <QFontDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace Vexlor::Test {

class TSheet_Font_Test : public QObject {
    Q_OBJECT

    // What program printed on its standard output, given arguments; empty when it failed.
    static QString Output_Of(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return QString();
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

  private slots:
    void Keeps_Impact_Or_Names_An_Installed_Bold_Face() {
        const QString face = To_QString(Sheet_Header_Font());
        const QStringList families = QFontDatabase::families();
        if (families.contains(QStringLiteral("Impact"), Qt::CaseInsensitive)) {
            QCOMPARE(face, QStringLiteral("Impact"));
            return;
        }
        QVERIFY2(families.contains(face, Qt::CaseInsensitive), qPrintable(face));
        if (families.contains(QStringLiteral("DejaVu Sans Condensed")))
            QCOMPARE(face, QStringLiteral("DejaVu Sans Condensed"));
    }

    // A word processor prints the title in the face the sheet names, never a dingbats face that
    // turns "V  E  X  L  O  R" into symbols, and the sheet of a name of 300 of the widest letters
    // on one page.
    void A_Word_Processor_Prints_One_Page_With_The_Title_In_The_Named_Face() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (soffice.isEmpty() || pdffonts.isEmpty() || pdfinfo.isEmpty())
            QSKIP("needs LibreOffice (soffice), pdffonts and pdfinfo");
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::string face = Sheet_Header_Font();
        TVexlor_Character character;
        character._Set_Name(std::string(300, 'W'));
        std::string sheet;
        Character_RTF_String(character, TInventory(), {}, sheet, face);
        const std::filesystem::path file = QString_To_Path(folder.filePath(QStringLiteral("sheet.rtf")));
        QVERIFY(Write_File_Atomic(file, sheet).Ok());

        // A profile of its own, so the check neither waits for nor changes a LibreOffice in use.
        const QString profile =
            QStringLiteral("-env:UserInstallation=") +
            QString::fromLatin1(QUrl::fromLocalFile(folder.filePath(QStringLiteral("profile"))).toEncoded());
        Output_Of(soffice,
                  {profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                   QStringLiteral("pdf"), QStringLiteral("--outdir"), folder.path(), Path_To_QString(file)});
        const QString fonts = Output_Of(pdffonts, {folder.filePath(QStringLiteral("sheet.pdf"))});
        QVERIFY2(!fonts.isEmpty(), "LibreOffice wrote no readable PDF");
        QVERIFY2(!fonts.contains(QStringLiteral("D050000L")) && !fonts.contains(QStringLiteral("Dingbats")),
                 qPrintable(fonts));
        QVERIFY2(fonts.contains(To_QString(face).remove(QLatin1Char(' '))), qPrintable(fonts));
        const QString info = Output_Of(pdfinfo, {folder.filePath(QStringLiteral("sheet.pdf"))});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
    }
};

namespace {
const TRegister_Gui_Test<TSheet_Font_Test> registration;
}

} // namespace Vexlor::Test

#include "Sheet_Font_Test.moc"
