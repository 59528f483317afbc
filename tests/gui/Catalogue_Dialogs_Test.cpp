#include "Gui_Test.h"
#include "Test_Services.h"

#include "foundations/Files.h"
#include "shell/catalogues/Armor_Template_Form.h"
#include "shell/catalogues/Catalogue_Choice_Dialog.h"
#include "shell/catalogues/Compound_Plan_Form.h"
#include "shell/catalogues/QID_Plan_Form.h"
#include "widgets/Context_Help.h"
#include "widgets/Help_Contexts.h"
#include "widgets/Text_Convert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace Vexlor::Test {
namespace {

template <class Registry> void Add_Lines(Registry& registry, const std::string& lines) {
    Add_Records(registry, lines, [](const auto&) { return true; });
}

template <class Registry> QStringList Catalogue_Names(Registry& registry) {
    QStringList names;
    for (int index = 0; index < registry.Count(); ++index)
        names << QString::fromLatin1(registry.Get(index)->Get_Name());
    return names;
}

template <class Registry> std::vector<std::string> Catalogue_Texts(Registry& registry) {
    std::vector<std::string> texts;
    for (int index = 0; index < registry.Count(); ++index)
        texts.emplace_back(registry.Get(index)->Serialize());
    return texts;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

// A list dialog over catalogues in memory, with its editor attached, shown as the menu shows it.
template <class Editor> struct TShown_List {
    explicit TShown_List(TCatalogue_Choice choice) : Dialog(Services.Get(), choice) {
        Dialog.Attach_Editor(&Edit);
    }
    void Show() {
        Dialog.Prepare();
        Dialog.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&Dialog));
    }

    QListWidget* List() { return Find<QListWidget>(&Dialog, "ListBox1"); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(&Dialog, name); }
    template <class T> T* Control(const char* name) { return Find<T>(&Dialog, name); }
    template <class T> T* Edit_Control(const char* name) { return Find<T>(&Edit, name); }

    TTest_Services Services;
    Editor Edit{Services.Get()};
    TCatalogue_Choice_Dialog Dialog;
};

struct TQID_List : TShown_List<TQID_Edit> {
    explicit TQID_List(const std::string& plans) : TShown_List(TCatalogue_Choice::QIDs) {
        Add_Lines(Services.Catalogues.QIDs, plans);
        Show();
    }
};

const std::string Four_Plans = "<#name=Aura><#level=3>\n<#name=Blink><#level=1>\n<#name=Chill><#level=3>\n"
                               "<#name=Dazzle><#level=3>\n";

void Type_Name(QLineEdit* edit, const QString& name) {
    edit->selectAll();
    QTest::keyClicks(edit, name);
}

} // namespace

class TCatalogue_Dialogs_Test : public QObject {
    Q_OBJECT

  private slots:
    void Deleting_The_Second_Line_At_Level_3_Deletes_Exactly_That_Plan() {
        TQID_List shown(Four_Plans);
        QCOMPARE(Lines(shown.List()), QStringList{QStringLiteral("Blink")});
        shown.Control<QSpinBox>("Level")->setValue(3);
        QCOMPARE(Lines(shown.List()),
                 (QStringList{QStringLiteral("Aura"), QStringLiteral("Chill"), QStringLiteral("Dazzle")}));
        shown.List()->setCurrentRow(1);
        QVERIFY(shown.Button("Edit_Button")->isEnabled());

        shown.Services.Prompts.Answer_Yes_No(false);
        QTest::keyClick(shown.List(), Qt::Key_Delete);
        QCOMPARE(shown.Services.Catalogues.QIDs.Count(), 4);
        shown.Services.Prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.List(), Qt::Key_Delete);

        const TAsked& asked = shown.Services.Prompts.Asked.back();
        QCOMPARE(asked.Caption, QStringLiteral("Really delete"));
        QCOMPARE(asked.Text, QStringLiteral("Do you really want to delete Chill?"));
        QCOMPARE(asked.Default_Answer, TAnswer::No);
        QCOMPARE(Catalogue_Names(shown.Services.Catalogues.QIDs),
                 (QStringList{QStringLiteral("Aura"), QStringLiteral("Blink"), QStringLiteral("Dazzle")}));
        QCOMPARE(Lines(shown.List()), (QStringList{QStringLiteral("Aura"), QStringLiteral("Dazzle")}));
        QCOMPARE(shown.List()->currentRow(), 1);
        QVERIFY(shown.Button("Edit_Button")->isEnabled());

        // The selection goes with every rebuild.
        shown.Control<QCheckBox>("All_Levels")->setChecked(true);
        QVERIFY(!shown.Control<QSpinBox>("Level")->isEnabled());
        QCOMPARE(shown.List()->count(), 3);
        QVERIFY(!shown.Button("Edit_Button")->isEnabled());
        QVERIFY(shown.Services.Prompts.All_Answered());
    }

    void Deleting_The_Only_Line_Leaves_An_Empty_List_And_Nothing_To_Edit() {
        TQID_List shown("<#name=Blink><#level=1>\n");
        shown.List()->setCurrentRow(0);
        shown.Services.Prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.List(), Qt::Key_Delete);
        QCOMPARE(shown.List()->count(), 0);
        QCOMPARE(shown.Services.Catalogues.QIDs.Count(), 0);
        QVERIFY(!shown.Button("Edit_Button")->isEnabled());
        // Delete with nothing selected asks nothing.
        QTest::keyClick(shown.List(), Qt::Key_Delete);
        QVERIFY(shown.Services.Prompts.All_Answered());
        QCOMPARE(shown.Services.Prompts.Asked.size(), std::size_t{1});
    }

    void Cancel_Leaves_Catalogue_And_List_Unchanged() {
        TQID_List shown(Four_Plans);
        shown.Control<QCheckBox>("All_Levels")->setChecked(true);
        const auto texts = Catalogue_Texts(shown.Services.Catalogues.QIDs);
        const QStringList lines = Lines(shown.List());

        const auto creating = When_Modal([&shown](QWidget* editor) {
            QCOMPARE(editor, &shown.Edit);
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Zap"));
            shown.Edit_Control<QPushButton>("Cancel_Button")->click();
        });
        shown.Button("Create_Button")->click();
        QTRY_VERIFY(creating->Driven());

        shown.List()->setCurrentRow(2);
        const auto editing = When_Modal([&shown](QWidget*) {
            QCOMPARE(shown.Edit_Control<QLineEdit>("QID_Name")->text(), QStringLiteral("Chill"));
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Frost"));
            shown.Edit_Control<QSpinBox>("Level")->setValue(7);
            shown.Edit_Control<QPushButton>("Cancel_Button")->click();
        });
        // A double click as a person makes it: the first click's press picks the line.
        const QPoint chill = shown.List()->visualItemRect(shown.List()->item(2)).center();
        QTest::mouseClick(shown.List()->viewport(), Qt::LeftButton, {}, chill);
        QTest::mouseDClick(shown.List()->viewport(), Qt::LeftButton, {}, chill);
        QTRY_VERIFY(editing->Driven());

        QCOMPARE(Catalogue_Texts(shown.Services.Catalogues.QIDs), texts);
        QCOMPARE(Lines(shown.List()), lines);
        QVERIFY(shown.Services.Prompts.Asked.empty());
    }

    void A_Weapon_Is_Hidden_While_The_List_Shows_Armor() {
        TShown_List<TArmor_Edit> shown(TCatalogue_Choice::Items);
        Add_Lines(shown.Services.Catalogues.Items,
                  "<#name=Laser><#class=Weapon>\n<#name=Vest><#class=Armor>\n<#name=Rope>\n");
        shown.Show();
        QCOMPARE(Lines(shown.List()), QStringList{QStringLiteral("Rope")});
        shown.Control<QComboBox>("Classification")->setCurrentText(QStringLiteral("Armor"));
        QCOMPARE(Lines(shown.List()), QStringList{QStringLiteral("Vest")});
        shown.Control<QCheckBox>("Show_All")->setChecked(true);
        QCOMPARE(Lines(shown.List()),
                 (QStringList{QStringLiteral("Laser"), QStringLiteral("Vest"), QStringLiteral("Rope")}));
    }

    // Export writes the exchange file; Import asks before it replaces a plan of a name the catalogue
    // holds, stores the readable lines, says which line it skipped and lists what it stored.
    void Export_And_Import_Go_Through_An_Exchange_File() {
        TQID_List shown(Four_Plans);
        shown.Control<QCheckBox>("All_Levels")->setChecked(true);
        QTemporaryDir folder;
        const QString exported = folder.filePath(QStringLiteral("plans.txt"));
        shown.Services.Prompts.Answer_File_Name(exported);
        QTest::mouseClick(shown.Button("Export_Button"), Qt::LeftButton);
        std::string expected = "<#catalogue=qids><#version=1>\r\n";
        for (const std::string& text : Catalogue_Texts(shown.Services.Catalogues.QIDs))
            expected += text + "\r\n";
        QCOMPARE(Read_File(QString_To_Path(exported)).value_or(""), expected);
        QCOMPARE(shown.Services.Prompts.Asked.back().File.Mode, TFile_Mode::Save);

        const QString imported = folder.filePath(QStringLiteral("shared.txt"));
        QVERIFY(Write_File_Atomic(QString_To_Path(imported), "<#catalogue=qids><#version=1>\r\n"
                                                             "<#name=Blink><#level=5>\r\n"
                                                             "<#name=Ember><#level=2>\r\n"
                                                             "<#name=Cut><description>half a line\r\n")
                    .Ok());
        shown.Services.Prompts.Answer_File_Name(imported);
        shown.Services.Prompts.Answer_Yes_No(true);
        QTest::mouseClick(shown.Button("Import_Button"), Qt::LeftButton);
        const std::vector<TAsked>& asked = shown.Services.Prompts.Asked;
        QCOMPARE(asked[asked.size() - 2].Text,
                 QStringLiteral(
                     "1 QID plan of the file has a name the catalogue holds. Replace it with the file's?"));
        QCOMPARE(asked[asked.size() - 2].Default_Answer, TAnswer::No);
        QCOMPARE(asked.back().Message_Kind, TMessage_Kind::Warning);
        QCOMPARE(asked.back().Text,
                 QStringLiteral("1 QID plan added, 1 replaced, 0 kept.\n"
                                "Line 4 was skipped: the section <description> is not closed."));
        QCOMPARE(shown.Services.Catalogues.QIDs.Get("Blink")->Get_Level(), 5);
        QCOMPARE(Lines(shown.List()),
                 (QStringList{QStringLiteral("Aura"), QStringLiteral("Blink"), QStringLiteral("Chill"),
                              QStringLiteral("Dazzle"), QStringLiteral("Ember")}));
        for (const char* button : {"Export_Button", "Import_Button"})
            QCOMPARE(Help_Context_Of(shown.Button(button)), Help_Catalogue_Exchange);
        Save_Picture_If_Asked(&shown.Dialog, QStringLiteral("Catalogue_Exchange.png"));
        QVERIFY(shown.Services.Prompts.All_Answered());
    }

    void Create_Adds_The_Record_And_Selects_It() {
        TQID_List shown(Four_Plans);
        const auto creating = When_Modal([&shown](QWidget*) {
            auto* ok = shown.Edit_Control<QPushButton>("OK_Button");
            QVERIFY(!ok->isEnabled());
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Mist"));
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        shown.Button("Create_Button")->click();
        QTRY_VERIFY(creating->Driven());
        const TQID_Plan* mist = shown.Services.Catalogues.QIDs.Get("Mist");
        QVERIFY(mist);
        QCOMPARE(mist->Get_Level(), 1);
        QCOMPARE(shown.List()->currentItem()->text(), QStringLiteral("Mist"));
        QVERIFY(shown.List()->currentItem()->isSelected());
        QVERIFY(shown.Button("Edit_Button")->isEnabled());
    }

    void A_Name_Another_Record_Has_Asks_Before_Replacing_It() {
        TQID_List shown("<#name=Fog><#level=1><#age=2-4>\n<#name=Heal><#level=1><#time=5>\n");
        shown.List()->setCurrentRow(0);
        auto rename_and_ok = [&shown] {
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Heal"));
            shown.Edit_Control<QPushButton>("OK_Button")->click();
        };
        // No: back to the editor as it was left, then Cancel.
        shown.Services.Prompts.Answer_Yes_No(false);
        const auto renaming = When_Modal([rename_and_ok](QWidget*) { rename_and_ok(); });
        const auto back = When_Modal([&shown](QWidget*) {
            QCOMPARE(shown.Edit_Control<QLineEdit>("QID_Name")->text(), QStringLiteral("Heal"));
            shown.Edit_Control<QPushButton>("Cancel_Button")->click();
        });
        shown.Button("Edit_Button")->click();
        QTRY_VERIFY(renaming->Driven());
        QTRY_VERIFY(back->Driven());
        QCOMPARE(shown.Services.Prompts.Asked.size(), std::size_t{1});
        QCOMPARE(shown.Services.Prompts.Asked[0].Caption, QStringLiteral("Name in use"));
        QCOMPARE(shown.Services.Catalogues.QIDs.Get("Heal")->Get_Time(), 5);

        // Yes: the record named Heal is replaced; the plan edited keeps its own entry.
        shown.Services.Prompts.Answer_Yes_No(true);
        const auto replacing = When_Modal([rename_and_ok](QWidget*) { rename_and_ok(); });
        shown.Button("Edit_Button")->click();
        QTRY_VERIFY(replacing->Driven());
        QCOMPARE(Catalogue_Names(shown.Services.Catalogues.QIDs),
                 (QStringList{QStringLiteral("Fog"), QStringLiteral("Heal")}));
        const TQID_Plan* heal = shown.Services.Catalogues.QIDs.Get("Heal");
        QCOMPARE(heal->Get_Time(), 0);
        QCOMPARE(heal->Get_Age(), (TRange{2, 4}));
        QCOMPARE(shown.List()->currentItem()->text(), QStringLiteral("Heal"));

        // Its own name asks nothing.
        shown.List()->setCurrentRow(0);
        const auto keeping =
            When_Modal([&shown](QWidget*) { shown.Edit_Control<QPushButton>("OK_Button")->click(); });
        shown.Button("Edit_Button")->click();
        QTRY_VERIFY(keeping->Driven());
        QCOMPARE(shown.Services.Prompts.Asked.size(), std::size_t{2});
    }

    void A_Name_That_Cannot_Be_Stored_Keeps_OK_Disabled_With_A_Note() {
        TQID_List shown("");
        shown.Edit.Clear_Record();
        auto* name = shown.Edit_Control<QLineEdit>("QID_Name");
        auto* ok = shown.Edit_Control<QPushButton>("OK_Button");
        auto* note = shown.Edit_Control<QLabel>("Name_Note");
        struct TCase {
            const char* Name;
            bool Storable;
        };
        for (const TCase& c : {TCase{"", false}, TCase{"   ", false}, TCase{"Heal|Fog", false},
                               TCase{"<b>", false}, TCase{"Big > small", false}, TCase{" Mist ", true}}) {
            name->setText(QString::fromLatin1(c.Name));
            QCOMPARE(ok->isEnabled(), c.Storable);
            QCOMPARE(note->isVisibleTo(&shown.Edit), !c.Storable && *c.Name != 0);
        }
    }

    // A catalogue whose file fails: the game master hears why at once, the editor comes back as it
    // was left, and the list shows what the catalogue really holds.
    void A_Change_The_Catalogue_Cannot_Store_Is_Told_And_Not_Listed() {
        TQID_List shown(Four_Plans);
        shown.Services.Catalogues.Store.Failing = "disk I/O error";
        const auto creating = When_Modal([&shown](QWidget*) {
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Mist"));
            shown.Edit_Control<QPushButton>("OK_Button")->click();
        });
        const auto back = When_Modal([&shown](QWidget*) {
            QCOMPARE(shown.Edit_Control<QLineEdit>("QID_Name")->text(), QStringLiteral("Mist"));
            shown.Edit_Control<QPushButton>("Cancel_Button")->click();
        });
        shown.Button("Create_Button")->click();
        QTRY_VERIFY(creating->Driven());
        QTRY_VERIFY(back->Driven());
        QCOMPARE(shown.Services.Prompts.Messages(),
                 QStringList{QStringLiteral("\"Mist\" could not be saved: disk I/O error.")});
        QCOMPARE(Lines(shown.List()), QStringList{QStringLiteral("Blink")});
        QCOMPARE(shown.Services.Catalogues.QIDs.Count(), 4);

        shown.List()->setCurrentRow(0);
        shown.Services.Prompts.Answer_Yes_No(true);
        QTest::keyClick(shown.List(), Qt::Key_Delete);
        QCOMPARE(shown.Services.Prompts.Messages().back(),
                 QStringLiteral("\"Blink\" could not be deleted: disk I/O error."));
        QCOMPARE(Lines(shown.List()), QStringList{QStringLiteral("Blink")});
    }

    // A new record at level 1 while the list shows level 3 is shown: the filter follows it.
    void A_New_Record_The_Filter_Would_Hide_Switches_The_Filter_To_Show_It() {
        TQID_List shown(Four_Plans);
        shown.Control<QSpinBox>("Level")->setValue(3);
        const auto creating = When_Modal([&shown](QWidget*) {
            Type_Name(shown.Edit_Control<QLineEdit>("QID_Name"), QStringLiteral("Mist"));
            shown.Edit_Control<QPushButton>("OK_Button")->click();
        });
        shown.Button("Create_Button")->click();
        QTRY_VERIFY(creating->Driven());
        QCOMPARE(shown.Control<QSpinBox>("Level")->value(), 1);
        QCOMPARE(Lines(shown.List()), (QStringList{QStringLiteral("Blink"), QStringLiteral("Mist")}));
        QCOMPARE(shown.List()->currentItem()->text(), QStringLiteral("Mist"));
    }

    // Catalogues that cannot keep changes say so once, before the first; deleting an effect names
    // what uses it.
    void Unkept_Changes_Are_Told_Once_And_An_Effect_Names_Its_Users() {
        TTest_Services services;
        Add_Lines(services.Catalogues.Effects,
                  "<#name=Tremors>\n<#name=Nerve Fire><effects>Tremors|</effects>\n");
        Add_Lines(services.Catalogues.Poisons,
                  "<#name=Glass Viper Venom><#effect=Nerve Fire><#effectmiss=Tremors>\n");
        services.Get().Catalogues.Unkept_Reason = "Changes last only until the program ends.";
        TCatalogue_Choice_Dialog dialog(services.Get(), TCatalogue_Choice::Effects);
        dialog.Prepare();
        auto* list = Find<QListWidget>(&dialog, "ListBox1");
        list->setCurrentRow(0);
        for (int press = 0; press < 2; ++press) {
            services.Prompts.Answer_Yes_No(false);
            QTest::keyClick(list, Qt::Key_Delete);
        }
        QCOMPARE(services.Prompts.Messages(),
                 QStringList{QStringLiteral("Changes last only until the program ends.")});
        QCOMPARE(
            services.Prompts.Asked.back().Text,
            QStringLiteral("Do you really want to delete Tremors?\n\nIt is used by the poison \"Glass Viper "
                           "Venom\" and the effect \"Nerve Fire\", which will miss it."));
        QVERIFY(services.Prompts.All_Answered());
    }

    void The_Item_List_Shows_Ten_Thousand_Templates() {
        TShown_List<TArmor_Edit> shown(TCatalogue_Choice::Items);
        std::string lines;
        for (int number = 0; number < 10000; ++number)
            lines += "<#name=Item " + std::to_string(number) +
                     "><#class=" + (number % 2 ? "Armor" : "Other") + "><#damage=0-0><#weight=1>\n";
        Add_Lines(shown.Services.Catalogues.Items, lines);
        shown.Control<QCheckBox>("Show_All")->setChecked(true);
        shown.Show();
        QCOMPARE(shown.List()->count(), 10000);
    }
};

namespace {
const TRegister_Gui_Test<TCatalogue_Dialogs_Test> registration;
}

} // namespace Vexlor::Test

#include "Catalogue_Dialogs_Test.moc"
