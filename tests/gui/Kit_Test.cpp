#include "Gui_Test.h"
#include "Test_Services.h"

#include "widgets/Context_Help.h"
#include "widgets/Kit_Dialog.h"
#include "widgets/List_Widgets.h"
#include "widgets/Window_Fit.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

namespace Vexlor::Test {
namespace {

// A dialog with one rule: changing the number counts the changes.
class TCounting_Dialog : public TKit_Dialog {
  public:
    explicit TCounting_Dialog(TServices& services) : TKit_Dialog(services, 0) {
        Number = new QSpinBox(this);
        Number->setObjectName(QStringLiteral("Number"));
        On(Number, &QSpinBox::valueChanged, [this] { ++Rule_Runs; });
    }
    void Fill(int value) {
        const TFill_Guard filling = Begin_Fill();
        Number->setValue(value);
    }
    QSpinBox* Number;
    int Rule_Runs = 0;
};

} // namespace

class TKit_Test : public QObject {
    Q_OBJECT

  private slots:
    void The_Scripted_User_Answers_In_Order_And_Notices_Unscripted_Questions() {
        TScripted_Prompts prompts;
        QStringList unscripted;
        prompts.On_Unscripted = [&unscripted](const QString& question) { unscripted << question; };
        prompts.Answer_Yes_No(true);
        prompts.Answer_Text(QStringLiteral("Team Alpha"));
        prompts.Answer_File_Name(QStringLiteral("/tmp/sheet"));
        QVERIFY(prompts.Ask_Yes_No(QStringLiteral("Really delete"), QStringLiteral("Bob?"), TAnswer::No));
        QCOMPARE(prompts.Ask_Text(QStringLiteral("New Party"), QStringLiteral("Name:"), QString()),
                 std::optional<QString>(QStringLiteral("Team Alpha")));
        TFile_Question question;
        question.Default_Suffix = QStringLiteral("rtf");
        QCOMPARE(prompts.Ask_File_Name(question), std::optional<QString>(QStringLiteral("/tmp/sheet.rtf")));
        QVERIFY(prompts.All_Answered());
        // Nothing left in the script: the question is noticed and answered No.
        QVERIFY(!prompts.Ask_Yes_No(QStringLiteral("Really delete"), QStringLiteral("Ann?"), TAnswer::No));
        QCOMPARE(unscripted, QStringList{QStringLiteral("Really delete: Ann?")});
        // A question of another kind than the one scripted is noticed too.
        prompts.Answer_Text(QStringLiteral("x"));
        QVERIFY(!prompts.Ask_Yes_No(QStringLiteral("Q"), QStringLiteral("Sure?"), TAnswer::Yes));
        QCOMPARE(unscripted.size(), 2);
        QCOMPARE(prompts.Asked.size(), std::size_t{5});
        QCOMPARE(prompts.Asked[0].Default_Answer, TAnswer::No);
    }

    void The_Default_Suffix_Is_Added_Only_Without_An_Extension() {
        const std::vector<std::tuple<QString, QString, QString>> cases = {
            {QStringLiteral("/tmp/bob"), QStringLiteral("rtf"), QStringLiteral("/tmp/bob.rtf")},
            {QStringLiteral("/tmp/bob.doc"), QStringLiteral("rtf"), QStringLiteral("/tmp/bob.doc")},
            {QStringLiteral("/tmp/my.folder/bob"), QStringLiteral("rtf"),
             QStringLiteral("/tmp/my.folder/bob.rtf")},
            {QStringLiteral("/tmp/bob"), QString(), QStringLiteral("/tmp/bob")},
            {QString(), QStringLiteral("rtf"), QString()}};
        for (const auto& [name, suffix, expected] : cases)
            QCOMPARE(With_Default_Suffix(name, suffix), expected);
    }

    void A_Filled_Dialog_Fires_No_Rule() {
        TTest_Services services;
        TCounting_Dialog dialog(services.Get());
        dialog.Fill(5);
        QCOMPARE(dialog.Rule_Runs, 0);
        dialog.Number->setValue(6);
        QCOMPARE(dialog.Rule_Runs, 1);
    }

    void An_Exception_From_A_Guarded_Handler_Ends_In_One_Message_And_The_Program_Goes_On() {
        TTest_Services services;
        TKit_Dialog dialog(services.Get(), 0);
        auto* button = new QPushButton(QStringLiteral("Roll"), &dialog);
        int runs = 0;
        Guarded_Connect(button, &QPushButton::clicked, &dialog, services.Prompts, nullptr, [&runs] {
            if (++runs == 1)
                throw std::runtime_error("Caf\xE9 bill \x80 overflow");
            throw 42;
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(runs, 2);
        QCOMPARE(services.Prompts.Messages(), (QStringList{QStringLiteral(u"Caf\u00E9 bill \u20AC overflow"),
                                                           QStringLiteral("An unexpected error occurred.")}));
    }

    void The_Right_Click_Walk_Finds_The_Nearest_Context() {
        QWidget window;
        auto* panel = new QWidget(&window);
        auto* inner = new QLabel(QStringLiteral("Strength"), panel);
        Set_Help_Context(&window, 3);
        QCOMPARE(Help_Context_Of(inner), 3);
        Set_Help_Context(panel, 1012);
        QCOMPARE(Help_Context_Of(inner), 1012);
        Set_Help_Context(inner, 1013);
        QCOMPARE(Help_Context_Of(inner), 1013);
        QWidget alone;
        QCOMPARE(Help_Context_Of(&alone), 0);
    }

    void A_Right_Click_Prefers_The_Entry_Description() {
        TTest_Services services;
        QWidget window;
        auto* list = new QListWidget(&window);
        list->addItem(QStringLiteral("Rope"));
        Set_Help_Context(&window, 1);
        Install_Context_Help(&window, services.Get().Help, [](QWidget*, QPoint) {
            return std::optional<TPopup_Text>(
                TPopup_Text{QStringLiteral("Rope"), QStringLiteral("Ten metres.")});
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                list->viewport()->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(list->viewport(), &click);
        const QLabel* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<TPopup_Help_Dialog*>(top) && top->isVisible())
                shown = top->findChild<QLabel*>(QStringLiteral("Text_Label"));
        QVERIFY(shown);
        QCOMPARE(shown->text(), QStringLiteral("Ten metres."));
    }

    void The_Mover_Keeps_Order_And_Never_Doubles() {
        QWidget window;
        auto* available = new QListWidget(&window);
        auto* chosen = new QListWidget(&window);
        auto* add = new QPushButton(QStringLiteral(">"), &window);
        auto* remove = new QPushButton(QStringLiteral("<"), &window);
        TDual_List mover(available, chosen, add, remove);
        mover.Set_Entries({"Acid", "Blind", "Cold", "Daze"}, {"Cold"});
        available->item(3)->setSelected(true);
        available->item(1)->setSelected(true);
        available->item(2)->setSelected(true);
        add->click();
        QCOMPARE(List_Entries(available), (std::vector<std::string>{"Acid"}));
        QCOMPARE(mover.Chosen(), (std::vector<std::string>{"Cold", "Blind", "Daze"}));
        chosen->item(0)->setSelected(true);
        remove->click();
        QCOMPARE(List_Entries(available), (std::vector<std::string>{"Acid", "Cold"}));
    }

    void The_Low_High_Pair_Follows_The_Rule() {
        QWidget window;
        auto* low = new QSpinBox(&window);
        auto* high = new QSpinBox(&window);
        TLow_High_Pair pair(low, high);
        pair.Set({2, 8});
        low->setValue(3);
        QCOMPARE(pair.Get(), (TLow_High{3, 8}));
        low->setValue(10);
        QCOMPARE(pair.Get(), (TLow_High{10, 10}));
        high->setValue(4);
        QCOMPARE(pair.Get(), (TLow_High{4, 4}));
    }

    // A page wider than the last widens its window on both sides, as a wizard's class page does.
    void A_Window_Grown_By_A_Wider_Page_Keeps_Its_Centre() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Name"), &window));
        window.setGeometry(300, 200, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.frameGeometry();
        auto* wide = new QLabel(&window);
        wide->setMinimumWidth(600);
        layout->addWidget(wide);
        wide->show();
        Grow_About_Centre(&window, before);
        QVERIFY(window.width() >= 600);
        QCOMPARE(window.frameGeometry().center(), before.center());
    }
};

namespace {
const TRegister_Gui_Test<TKit_Test> registration;
}

} // namespace Vexlor::Test

#include "Kit_Test.moc"
