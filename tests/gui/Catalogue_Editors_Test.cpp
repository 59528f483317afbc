#include "Control_Snapshot.h"
#include "Gui_Test.h"
#include "Test_Services.h"
#include "Typing.h"

#include "foundations/Random.h"
#include "shell/catalogues/Armor_Template_Form.h"
#include "shell/catalogues/Catalogue_Choice_Dialog.h"
#include "shell/catalogues/Compound_Plan_Form.h"
#include "shell/catalogues/QID_Plan_Form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

namespace Vexlor::Test {
namespace {

template <class Registry> void Add_Lines(Registry& registry, const std::string& lines) {
    Add_Records(registry, lines, [](const auto&) { return true; });
}

// An editor over catalogues in memory, shown without the list dialog; OK builds its record and
// Store hands it to the catalogue.
template <class Editor> struct TShown_Editor {
    TShown_Editor() { Services.Catalogues.Load_Starter(); }
    void Fill(const char* name) {
        QVERIFY(Edit.Fill_Record(name));
        Edit.show();
    }
    void Store() {
        Button("OK_Button")->click();
        QVERIFY(Edit.Store_Built().Ok());
    }
    QSpinBox* Spin(const char* name) { return Find<QSpinBox>(&Edit, name); }
    QCheckBox* Check(const char* name) { return Find<QCheckBox>(&Edit, name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(&Edit, name); }
    QString Label(const char* name) { return Find<QLabel>(&Edit, name)->text(); }

    TTest_Services Services;
    Editor Edit{Services.Get()};
};

// Every record of a catalogue filled into the editor and stored with OK untouched keeps exactly
// its stored text: no control cuts a value short, and nothing is lost on the way.
template <class Editor, class Registry>
void Expect_Unchanged_Through(TShown_Editor<Editor>& shown, Registry& registry) {
    for (int index = 0; index < registry.Count(); ++index) {
        const std::string name = registry.Get(index)->Get_Name();
        const std::string stored = registry.Get(index)->Serialize();
        shown.Fill(name.c_str());
        shown.Store();
        // Compared tag by tag, so that a failure names the field that changed.
        const auto tags = [](const std::string& text) {
            return QString::fromLatin1(text).split(QStringLiteral("><"));
        };
        const QStringList kept = tags(registry.Get(name.c_str())->Serialize());
        QCOMPARE(Changed_Lines(tags(stored), kept).join(u' '), QString());
        QCOMPARE(kept, tags(stored));
    }
    QVERIFY(shown.Services.Prompts.Asked.empty());
}

} // namespace

class TCatalogue_Editors_Test : public QObject {
    Q_OBJECT

  private slots:
    void The_Starter_Catalogue_Goes_Through_Each_Editor_Unchanged() {
        TShown_Editor<TArmor_Edit> items;
        Expect_Unchanged_Through(items, items.Services.Catalogues.Items);
        TShown_Editor<TQID_Edit> qids;
        Expect_Unchanged_Through(qids, qids.Services.Catalogues.QIDs);
        TShown_Editor<TCompound_Edit> compounds;
        Expect_Unchanged_Through(compounds, compounds.Services.Catalogues.Compounds);
    }

    // Values past every box's range, as another program may store them: open and OK keep them.
    void Values_Past_Every_Box_Survive_Open_And_OK() {
        for (const auto& [value, ranges] : {std::pair{"1999999999", true}, std::pair{"-1999999999", false}}) {
            TShown_Editor<TArmor_Edit> items;
            Push_Every_Number(items.Services.Catalogues.Items, value, ranges);
            Expect_Unchanged_Through(items, items.Services.Catalogues.Items);
            TShown_Editor<TQID_Edit> qids;
            Push_Every_Number(qids.Services.Catalogues.QIDs, value, ranges);
            Expect_Unchanged_Through(qids, qids.Services.Catalogues.QIDs);
            TShown_Editor<TCompound_Edit> compounds;
            Push_Every_Number(compounds.Services.Catalogues.Compounds, value, ranges);
            Expect_Unchanged_Through(compounds, compounds.Services.Catalogues.Compounds);
        }
    }

    void Every_Control_Of_Each_Editor_Is_Kept_Through_A_Round_Trip() {
        TShown_Editor<TArmor_Edit> items;
        Expect_Every_Control_Kept(
            items.Edit, "Armor_Name",
            {QStringLiteral("Count"), QStringLiteral("Capacity"), QStringLiteral("Cost_Per_Capacity")});
        TShown_Editor<TQID_Edit> qids;
        // Every check box is on, "No miss" among them: a plan that never misses keeps no reduction.
        Expect_Every_Control_Kept(qids.Edit, "QID_Name", {QStringLiteral("Miss_Percent_Reduction")});
        TShown_Editor<TCompound_Edit> compounds;
        Expect_Every_Control_Kept(compounds.Edit, "Compound_Name", {QStringLiteral("Range")});
    }

    void The_Item_Editor_Suggests_Cost_And_Weight_As_Its_Inputs_Change() {
        TShown_Editor<TArmor_Edit> shown;
        Add_Lines(shown.Services.Catalogues.QIDs, "<#name=Third Eye><#level=3>\n");
        Add_Lines(shown.Services.Catalogues.Items,
                  "<#name=Smart Gun><#class=Weapon><#cost=100><#languages=2><#intcognitive=2>"
                  "<#perception=3><#wisdom=4><#weight=1.2><#additionalweight=3><#capacity=4>\n");
        shown.Fill("Smart Gun");
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("1400"));
        auto* others = Find<QListWidget>(&shown.Edit, "Armor_Complete_QID_List");
        others->findItems(QStringLiteral("Third Eye"), Qt::MatchExactly).front()->setSelected(true);
        shown.Button("QID_Add_Button")->click();
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("4900"));

        QCOMPARE(shown.Label("Item_Weight"), QStringLiteral("15"));
        shown.Check("Weight_Per_Capacity")->setChecked(true);
        QCOMPARE(shown.Label("Item_Weight"), QStringLiteral("60"));

        shown.Check("Cost_Per_Capacity")->setChecked(true);
        shown.Check("Cost_Per_HP")->setChecked(true);
        QVERIFY(!shown.Check("Cost_Per_Capacity")->isChecked());
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("0"));
        shown.Spin("HP")->setValue(2);
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("9800"));

        // A roll on anything but an armour only takes its mind and QIDs away.
        shown.Check("Cost_Per_HP")->setChecked(false);
        shown.Button("Roll_Button")->click();
        QCOMPARE(shown.Spin("Weapon_Cognitive")->value(), 0);
        QCOMPARE(shown.Spin("Item_Languages_Known")->value(), 0);
        QCOMPARE(Find<QListWidget>(&shown.Edit, "Armor_QID_List")->count(), 0);
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("100"));
    }

    void An_Armour_Rolls_Its_Intelligence() {
        TShown_Editor<TArmor_Edit> shown;
        shown.Edit.Clear_Record();
        Find<QComboBox>(&shown.Edit, "Classification")->setCurrentText(QStringLiteral("Armor"));
        // Band 96 to 98: 1d4+2 each, 2d4 languages, 1d4 Linguist.
        TScripted_Random dice({97, 0, 1, 2, 3, 3, 1});
        const TRandom_Override scripted(dice);
        shown.Button("Roll_Button")->click();
        QCOMPARE(shown.Spin("Weapon_Cognitive")->value(), 3);
        QCOMPARE(shown.Spin("Weapon_Perception")->value(), 4);
        QCOMPARE(shown.Spin("Weapon_Wisdom")->value(), 5);
        QCOMPARE(shown.Spin("Item_Languages_Known")->value(), 8);
        QCOMPARE(shown.Spin("Armor_Linguist_Level")->value(), 2);
        QCOMPARE(shown.Label("Armor_Cost"), QStringLiteral("1700"));
    }

    void Every_Low_High_Pair_Follows_One_Rule() {
        TShown_Editor<TArmor_Edit> items;
        items.Edit.Clear_Record();
        struct TStep {
            const char* Box;
            int Value, Low, High;
        };
        auto expect = [](auto& shown, const char* low, const char* high, std::initializer_list<TStep> steps) {
            for (const TStep& step : steps) {
                shown.Spin(step.Box)->setValue(step.Value);
                QCOMPARE(shown.Spin(low)->value(), step.Low);
                QCOMPARE(shown.Spin(high)->value(), step.High);
            }
        };
        expect(items, "AttackLow1", "AttackHigh1",
               {{"AttackHigh1", 8, 0, 8},
                {"AttackLow1", 2, 2, 8},
                {"AttackLow1", 3, 3, 8},
                {"AttackLow1", 10, 10, 10},
                {"AttackHigh1", 4, 4, 4}});
        TShown_Editor<TCompound_Edit> compounds;
        compounds.Edit.Clear_Record();
        expect(compounds, "Base_Damage_Low", "Base_Damage_High",
               {{"Base_Damage_High", 8, 0, 8}, {"Base_Damage_Low", 5, 5, 8}, {"Base_Damage_High", 3, 3, 3}});
        expect(compounds, "Age_Low", "Age_High", {{"Age_Low", -5, -5, 0}, {"Age_High", -7, -7, -7}});
    }

    // Typing "12" into a high box passes through "1": the low box must not follow it there.
    void Typing_Into_Every_Pair_Never_Moves_The_Low_Box() {
        TShown_Editor<TArmor_Edit> items;
        TShown_Editor<TQID_Edit> qids;
        TShown_Editor<TCompound_Edit> compounds;
        for (TRecord_Edit_Dialog* editor :
             std::initializer_list<TRecord_Edit_Dialog*>{&items.Edit, &qids.Edit, &compounds.Edit}) {
            editor->Clear_Record();
            editor->show();
            editor->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(editor));
            int typed = 0;
            Type_Twelve_Into_Every_High_Box(editor, typed);
            QVERIFY(typed > 0);
            editor->hide();
        }
    }

    // Letters the files cannot hold are refused with a note, never stored as "?".
    void Letters_The_Files_Cannot_Hold_Are_Refused_With_A_Note() {
        TShown_Editor<TArmor_Edit> items;
        items.Edit.Clear_Record();
        items.Edit.show();
        auto* name = Find<QLineEdit>(&items.Edit, "Armor_Name");
        Type_Characters(name, QStringLiteral("Łukasz"));
        QVERIFY(!items.Button("OK_Button")->isEnabled());
        auto* note = Find<QLabel>(&items.Edit, "Name_Note");
        QVERIFY(note->isVisibleTo(&items.Edit));
        QCOMPARE(note->text(),
                 QStringLiteral("Ł cannot be stored: the game's files hold Western European letters only."));
        name->clear();
        Type_Characters(name, QStringLiteral("Ωmega blade"));
        QCOMPARE(note->text(),
                 QStringLiteral("Ω cannot be stored: the game's files hold Western European letters only."));
        name->clear();
        Type_Characters(name, QStringLiteral("Zoë's blade"));
        QVERIFY(items.Button("OK_Button")->isEnabled());
        // A text box takes the edit back and says why beside it.
        auto* description = Find<QPlainTextEdit>(&items.Edit, "Description");
        Type_Characters(description, QStringLiteral("Forged in Łódź"));
        QCOMPARE(description->toPlainText(), QStringLiteral("Forged in ód"));
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("ź cannot be stored: the game's files hold Western European letters only."));
        items.Store();
        const TItem_Template* stored = items.Services.Catalogues.Items.Get("Zo\xEB's blade");
        QVERIFY(stored);
        QCOMPARE(To_QString(stored->Get_Description()), QStringLiteral("Forged in ód"));
    }

    void The_QID_Editor_Maps_No_Miss_And_Opens_The_Area_Only_For_An_Area() {
        TShown_Editor<TQID_Edit> shown;
        Add_Lines(shown.Services.Catalogues.QIDs, "<#name=Calm><#level=2><#effect=Individual>\n");
        shown.Fill("Calm");
        QVERIFY(!shown.Check("No_Miss")->isChecked());
        QVERIFY(!shown.Spin("Area")->isEnabled());
        auto* effect = Find<QComboBox>(&shown.Edit, "Effect");
        effect->setCurrentText(QStringLiteral("Area"));
        QVERIFY(shown.Spin("Area")->isEnabled());
        QVERIFY(shown.Spin("Area_Level")->isEnabled());
        shown.Spin("Miss_Percent_Reduction")->setValue(40);
        shown.Check("No_Miss")->setChecked(true);
        shown.Store();
        const TQID_Plan* calm = shown.Services.Catalogues.QIDs.Get("Calm");
        QCOMPARE(calm->Get_Miss_Percent_Reduction(), -1);
        QCOMPARE(calm->Get_Effect(), QID_Plan::QE_Area);

        shown.Fill("Calm");
        QVERIFY(shown.Check("No_Miss")->isChecked());
        QCOMPARE(shown.Spin("Miss_Percent_Reduction")->value(), 0);
        QVERIFY(shown.Spin("Area")->isEnabled());
        shown.Edit.Clear_Record();
        QCOMPARE(shown.Spin("Level")->value(), 1);
        QVERIFY(!shown.Spin("Area")->isEnabled());
    }

    void The_Compound_Editor_Stores_One_Round_And_Joins_The_Description() {
        TShown_Editor<TCompound_Edit> shown;
        shown.Edit.Clear_Record();
        Find<QLineEdit>(&shown.Edit, "Compound_Name")->setText(QStringLiteral("Slowburn"));
        shown.Spin("Damage_High_Round_2")->setValue(5);
        shown.Spin("Damage_Low_Round_2")->setValue(3);
        Find<QPlainTextEdit>(&shown.Edit, "Description")
            ->setPlainText(QStringLiteral("Burns.\nWash it off."));
        shown.Store();
        const TCompound_Plan* plan = shown.Services.Catalogues.Compounds.Get("Slowburn");
        QVERIFY(plan);
        for (int round = 1; round <= 9; ++round)
            QCOMPARE(plan->Get_Round_Damage(round), (round == 2 ? TRange{3, 5} : TRange{}));
        QCOMPARE(QString::fromLatin1(plan->Get_Description()), QStringLiteral("Burns. Wash it off."));
        QCOMPARE(plan->Get_Level(), 1);
    }

    void Every_Control_Is_Named_And_The_Windows_Can_Be_Pictured() {
        TShown_Editor<TArmor_Edit> items;
        items.Fill("Laser Pistol");
        QCOMPARE(Unnamed_Controls(&items.Edit), QStringList());
        Save_Picture_If_Asked(&items.Edit, QStringLiteral("Item_Editor_General.png"));
        Find<QTabWidget>(&items.Edit, "Pages")->setCurrentIndex(1);
        Save_Picture_If_Asked(&items.Edit, QStringLiteral("Item_Editor_Weapon.png"));
        for (int page = 2; page < Find<QTabWidget>(&items.Edit, "Pages")->count(); ++page) {
            Find<QTabWidget>(&items.Edit, "Pages")->setCurrentIndex(page);
            Save_Picture_If_Asked(&items.Edit, QStringLiteral("Item_Editor_Page_%1.png").arg(page));
        }

        TShown_Editor<TQID_Edit> qids;
        qids.Fill("Heal");
        QCOMPARE(Unnamed_Controls(&qids.Edit), QStringList());
        Save_Picture_If_Asked(&qids.Edit, QStringLiteral("QID_Editor.png"));
        TShown_Editor<TCompound_Edit> compounds;
        compounds.Fill(compounds.Services.Catalogues.Compounds.Get(0)->Get_Name());
        QCOMPARE(Unnamed_Controls(&compounds.Edit), QStringList());
        Save_Picture_If_Asked(&compounds.Edit, QStringLiteral("Compound_Editor.png"));

        for (const auto choice :
             {TCatalogue_Choice::Items, TCatalogue_Choice::QIDs, TCatalogue_Choice::Creatures}) {
            TCatalogue_Choice_Dialog list(items.Services.Get(), choice);
            list.Prepare();
            list.show();
            QCOMPARE(Unnamed_Controls(&list), QStringList());
            if (choice == TCatalogue_Choice::Items) {
                Find<QCheckBox>(&list, "Show_All")->setChecked(true);
                Find<QListWidget>(&list, "ListBox1")->setCurrentRow(3);
                Save_Picture_If_Asked(&list, QStringLiteral("Item_List.png"));
            }
        }
    }
};

namespace {
const TRegister_Gui_Test<TCatalogue_Editors_Test> registration;
}

} // namespace Vexlor::Test

#include "Catalogue_Editors_Test.moc"
