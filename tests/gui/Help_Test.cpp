#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Files.h"
#include "shell/Startup.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace Vexlor::Test {
namespace {

const std::string Sample_Document = R"(<html><body><h1>Sample</h1><p>Before any topic.</p>
<h2><a name="7">Dice &amp; tables</a></h2><p>Rolls <b>dice</b> formulas.</p><p>Second paragraph.</p>
<h2><a name="8">No paragraph</a></h2>
<h2><A NAME="9">Upper case</A></h2><p class="note">Tag names in any case.</p>
<h2><a name="files">Not a context</a></h2><p>Unnumbered.</p>
<h2><a name="7">Repeated</a></h2><p>Never shown.</p></body></html>)";

// The help window on screen, whether it stands alone or belongs to a dialog.
QTextBrowser* Help_Browser() {
    for (QWidget* window : QApplication::allWidgets())
        if (window->objectName() == QStringLiteral("Help_Window") && window->isVisible())
            return window->findChild<QTextBrowser*>(QStringLiteral("Help_Browser"));
    return nullptr;
}

QString Shown_Topic() {
    return Help_Browser()->source().fragment();
}

} // namespace

class THelp_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir Folder;
    TScripted_Prompts Prompts;
    std::unique_ptr<THelp_System> Help;
    std::unique_ptr<TPopup_Help_Dialog> Popup;

  private slots:
    void init() {
        QVERIFY(Write_File_Atomic(QString_To_Path(Folder.path()) / "Vexlor.hlp", Sample_Document).Ok());
        // The name is looked up without regard to case, as the program's other data files are.
        Help = std::make_unique<THelp_System>(QString_To_Path(Folder.path()), "vexlor.HLP", Prompts);
        Popup = std::make_unique<TPopup_Help_Dialog>();
        Help->Set_Popup_Window(Popup.get());
    }
    void cleanup() {
        Popup.reset();
        Help.reset();
    }

    void Topics_Are_Read_From_Their_Anchors() {
        const THelp_Document document(Sample_Document);
        // Context, title, first paragraph; the first of two anchors with one number counts.
        const std::vector<std::tuple<int, std::string, std::string>> expected = {
            {7, "Dice & tables", "Rolls <b>dice</b> formulas."},
            {8, "No paragraph", ""},
            {9, "Upper case", "Tag names in any case."}};
        QCOMPARE(document.Topics().size(), expected.size());
        for (const auto& [context, title, paragraph] : expected) {
            QCOMPARE(document.Topic(context)->Title, title);
            QCOMPARE(document.Topic(context)->Paragraph, paragraph);
        }
    }

    void The_Shipped_Document_Covers_Every_Context() {
        const std::string text = Read_File(VEXLOR_SHIPPED_HELP).value_or(std::string());
        const THelp_Document document(text);
        for (const int context : Help_Contexts) {
            QVERIFY2(document.Topic(context), qPrintable(QString::number(context)));
            QVERIFY(!document.Topic(context)->Title.empty() && !document.Topic(context)->Paragraph.empty());
        }
        QVERIFY2(std::all_of(text.begin(), text.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
                 "the help document is plain ASCII; other characters are written as entities");
    }

    void The_Contents_Link_Every_Topic() {
        // The contents run from their heading to the first rule; every anchor of the document
        // outside its comments, numbered or not, is linked from there.
        QString text = QString::fromLatin1(Read_File(VEXLOR_SHIPPED_HELP).value_or(std::string()));
        text.remove(
            QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption));
        const qsizetype begin = text.indexOf(QStringLiteral("<h2>Contents</h2>"));
        const qsizetype end = text.indexOf(QStringLiteral("<hr>"), begin);
        QVERIFY(begin >= 0 && end > begin);
        const QString contents = text.mid(begin, end - begin);
        const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""),
                                        QRegularExpression::CaseInsensitiveOption);
        std::size_t anchors = 0;
        for (const QRegularExpressionMatch& match : anchor.globalMatch(text)) {
            QVERIFY2(contents.contains(QStringLiteral("href=\"#%1\"").arg(match.captured(1))),
                     qPrintable(match.captured(1)));
            ++anchors;
        }
        QVERIFY(anchors > Help_Contexts.size());
    }

    void A_Context_Opens_The_Window_At_Its_Topic() {
        Help->Context(9);
        QCOMPARE(Help_Browser()->source().fileName(), QStringLiteral("Vexlor.hlp"));
        QCOMPARE(Shown_Topic(), QStringLiteral("9"));
        Help->Context(12); // no such topic: the contents
        QCOMPARE(Shown_Topic(), QString());
    }

    void Help_From_A_Modal_Dialog_Belongs_To_That_Dialog() {
        QDialog dialog;
        QWidget* owner = nullptr;
        const auto asking = Close_Next_Modal([this, &owner](QWidget*) {
            Help->Context(7);
            owner = Help_Browser()->window()->parentWidget();
        });
        dialog.exec();
        QTRY_VERIFY(asking->Driven());
        QCOMPARE(owner, &dialog);
    }

    void A_Missing_Document_Is_Reported() {
        THelp_System missing(QString_To_Path(Folder.path()) / "elsewhere", "Vexlor.hlp", Prompts);
        missing.Contents();
        QCOMPARE(Prompts.Messages().size(), 1);
        QVERIFY2(Prompts.Messages().front().startsWith(QStringLiteral("Cannot find the help file ")),
                 qPrintable(Prompts.Messages().front()));
    }

    void A_Context_Pop_Up_Shows_The_Topic_Paragraph() {
        // Context, the pop-up's title (hidden when empty) and text.
        const std::vector<std::tuple<int, QString, QString>> expected = {
            {7, QStringLiteral("Dice & tables"), QStringLiteral("Rolls <b>dice</b> formulas.")},
            {11, QString(), QStringLiteral("There is no help for this item.")}};
        for (const auto& [context, title, text] : expected) {
            Help->Context_Popup(context);
            QVERIFY(Popup->isVisible());
            const auto* title_label = Popup->findChild<QLabel*>(QStringLiteral("Title_Label"));
            QCOMPARE(title_label->text(), title);
            QCOMPARE(title_label->isVisible(), !title.isEmpty());
            QCOMPARE(Popup->findChild<QLabel*>(QStringLiteral("Text_Label"))->text(), text);
            QTest::keyClick(Popup.get(), Qt::Key_Escape);
            QVERIFY(!Popup->isVisible());
        }
    }

    void The_Main_Window_Opens_The_Shipped_Help() {
        TTest_Services services;
        const std::unique_ptr<TMain_Form> form = Create_Windows(services.Get());
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        // F1 first, so that the window's first page is a topic and Contents has to leave it.
        QTest::keyClick(form.get(), Qt::Key_F1);
        QVERIFY(Help_Browser()->source().toLocalFile().endsWith(QStringLiteral("/bin/Vexlor.hlp")));
        QCOMPARE(Shown_Topic(), QString::number(Help_Main_Window));
        QVERIFY(Help_Browser()->verticalScrollBar()->value() > 0);
        QWidget* window = Help_Browser()->window();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Contents_Button")), Qt::LeftButton);
        QCOMPARE(Shown_Topic(), QString());
        QCOMPARE(Help_Browser()->verticalScrollBar()->value(), 0);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Back_Button")), Qt::LeftButton);
        QCOMPARE(Shown_Topic(), QString::number(Help_Main_Window));

        form->Action(TMenu_Command::Help_Contents)->trigger();
        QCOMPARE(Shown_Topic(), QString());
    }
};

namespace {
const TRegister_Gui_Test<THelp_Test> registration;
}

} // namespace Vexlor::Test

#include "Help_Test.moc"
