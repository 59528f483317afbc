#include "Gui_Test.h"

#include "foundations/Files.h"
#include "shell/Help_Contexts.h"
#include "shell/Help_System.h"
#include "shell/Startup.h"
#include "shell/Text_Convert.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <stdexcept>

namespace Vexlor::Test {
namespace {

const std::string Sample_Document = R"(<html><body>
<h1>Sample</h1><p>Before any topic.</p>
<h2><a name="7">Dice &amp; tables</a></h2>
<p>Rolls <b>dice</b> formulas.</p><p>Second paragraph.</p>
<h2><a name="8">No paragraph</a></h2>
<h2><A NAME="9">Upper case</A></h2><p class="note">Tag names in any case.</p>
<h2><a name="files">Not a context</a></h2><p>Unnumbered.</p>
<h2><a name="7">Repeated</a></h2><p>Never shown.</p>
</body></html>)";

// The help window on screen, whether it stands alone or belongs to a dialog.
QWidget* Help_Window() {
    for (QWidget* window : QApplication::allWidgets())
        if (window->objectName() == QStringLiteral("Help_Window") && window->isVisible())
            return window;
    return nullptr;
}

QUrl Shown_Page(QWidget* help_window) {
    return help_window->findChild<QTextBrowser*>(QStringLiteral("Help_Browser"))->source();
}

} // namespace

class THelp_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir Folder;
    std::unique_ptr<THelp_System> Help;
    std::unique_ptr<TPopup_Help_Dialog> Popup;

    std::filesystem::path Folder_Path() const { return QString_To_Path(Folder.path()); }

  private slots:
    void init() {
        QVERIFY(Folder.isValid());
        QCOMPARE(Write_File_Atomic(Folder_Path() / "Vexlor.hlp", Sample_Document), 0);
        Help = std::make_unique<THelp_System>(Folder_Path(), "vexlor.HLP");
        Popup = std::make_unique<TPopup_Help_Dialog>();
        Help->Set_Popup_Window(Popup.get());
    }
    void cleanup() {
        Popup.reset();
        Help.reset();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("Help_Window"))
                window->close();
    }

    void Topics_Are_Read_From_Their_Anchors_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("paragraph");
        QTest::newRow("entity in title, inline tags kept")
            << 7 << true << QStringLiteral("Dice & tables") << QStringLiteral("Rolls <b>dice</b> formulas.");
        QTest::newRow("no paragraph before the next anchor")
            << 8 << true << QStringLiteral("No paragraph") << QString();
        QTest::newRow("upper-case tags, paragraph with attributes")
            << 9 << true << QStringLiteral("Upper case") << QStringLiteral("Tag names in any case.");
        QTest::newRow("no anchor") << 10 << false << QString() << QString();
    }

    void Topics_Are_Read_From_Their_Anchors() {
        QFETCH(int, context);
        QFETCH(bool, present);
        QFETCH(QString, title);
        QFETCH(QString, paragraph);
        const THelp_Document document(Sample_Document);
        const THelp_Topic* topic = document.Topic(context);
        QCOMPARE(topic != nullptr, present);
        if (topic) {
            QCOMPARE(To_QString(topic->Title), title);
            QCOMPARE(To_QString(topic->Paragraph), paragraph);
        }
        QCOMPARE(document.Topics().size(), std::size_t(3));
    }

    void The_Shipped_Document_Covers_Every_Context() {
        const auto text = Read_File(VEXLOR_SHIPPED_HELP);
        QVERIFY(text);
        const THelp_Document document(*text);
        for (const int context : Help_Contexts) {
            const THelp_Topic* topic = document.Topic(context);
            QVERIFY2(topic, qPrintable(QString::number(context)));
            QVERIFY(!topic->Title.empty());
            QVERIFY(!topic->Paragraph.empty());
        }
        for (const unsigned char c : *text)
            QVERIFY2(c < 0x80, "the help document is plain ASCII; other characters are entities");
    }

    void A_Context_Opens_The_Window_At_Its_Topic_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("known context") << 9 << QStringLiteral("9");
        QTest::newRow("unknown context shows the contents") << 12 << QString();
        QTest::newRow("contents") << -1 << QString();
    }

    void A_Context_Opens_The_Window_At_Its_Topic() {
        QFETCH(int, context);
        QFETCH(QString, fragment);
        if (context < 0)
            Help->Contents();
        else
            Help->Context(context);
        QWidget* window = Help_Window();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Vexlor RPG Referee Assistant Help"));
        QCOMPARE(Shown_Page(window).fragment(), fragment);
        QCOMPARE(Shown_Page(window).fileName(), QStringLiteral("Vexlor.hlp"));
    }

    void Help_From_A_Modal_Dialog_Belongs_To_That_Dialog() {
        QDialog dialog;
        QWidget* owner = nullptr;
        Close_Next_Modal([this, &owner](QWidget*) {
            Help->Context(7);
            if (QWidget* window = Help_Window())
                owner = window->parentWidget();
        });
        dialog.exec();
        QCOMPARE(owner, &dialog);
    }

    void A_Missing_Document_Is_Reported() {
        THelp_System missing(Folder_Path() / "elsewhere", "Vexlor.hlp");
        QString message;
        Close_Next_Modal([&message](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                message = box->text();
        });
        missing.Contents();
        QVERIFY2(message.startsWith(QStringLiteral("Cannot find the help file ")), qPrintable(message));
        QVERIFY(!Help_Window());
    }

    void A_Context_Pop_Up_Shows_The_Topic_Paragraph_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("topic") << 7 << QStringLiteral("Dice & tables")
                               << QStringLiteral("Rolls <b>dice</b> formulas.");
        QTest::newRow("no topic") << 11 << QString() << QStringLiteral("There is no help for this item.");
    }

    void A_Context_Pop_Up_Shows_The_Topic_Paragraph() {
        QFETCH(int, context);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Help->Context_Popup(context);
        QVERIFY(Popup->isVisible());
        const auto* title_label = Popup->findChild<QLabel*>(QStringLiteral("Title_Label"));
        QCOMPARE(title_label->text(), title);
        QCOMPARE(title_label->isVisible(), !title.isEmpty());
        QCOMPARE(Popup->findChild<QLabel*>(QStringLiteral("Text_Label"))->text(), text);
        QTest::keyClick(Popup.get(), Qt::Key_Escape);
        QVERIFY(!Popup->isVisible());
    }

    void A_Pop_Up_Needs_Its_Window() {
        THelp_System without_popup(Folder_Path(), "Vexlor.hlp");
        QVERIFY_THROWS_EXCEPTION(std::logic_error, without_popup.Context_Popup(7));
    }

    void The_Main_Window_Opens_The_Shipped_Help() {
        auto* application = qobject_cast<TVexlor_Application*>(QCoreApplication::instance());
        const std::unique_ptr<TMain_Form> form = Create_Windows(*application);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        // F1 first, so that the window's first page is a topic and Contents has to leave it.
        QTest::keyClick(form.get(), Qt::Key_F1);
        QWidget* window = Help_Window();
        QVERIFY(window);
        QCOMPARE(Shown_Page(window).fragment(), QString::number(Help_Main_Window));
        QVERIFY(Shown_Page(window).toLocalFile().endsWith(QStringLiteral("/bin/Vexlor.hlp")));
        auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("Help_Browser"));
        QVERIFY(browser->verticalScrollBar()->value() > 0);

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Contents_Button")), Qt::LeftButton);
        QCOMPARE(Shown_Page(window).fragment(), QString());
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Back_Button")), Qt::LeftButton);
        QCOMPARE(Shown_Page(window).fragment(), QString::number(Help_Main_Window));

        form->Action(TMenu_Command::Help_Contents)->trigger();
        QCOMPARE(Shown_Page(window).fragment(), QString());
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
    }
};

namespace {
const TRegister_Gui_Test<THelp_Test> registration;
}

} // namespace Vexlor::Test

#include "Help_Test.moc"
