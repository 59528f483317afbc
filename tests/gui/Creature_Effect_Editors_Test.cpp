#include "Control_Snapshot.h"
#include "Gui_Test.h"
#include "Test_Services.h"
#include "Typing.h"

#include "foundations/Files.h"
#include "shell/catalogues/Creature_Form.h"
#include "shell/catalogues/Effect_Template_Form.h"
#include "shell/catalogues/Generate_Creatures_Form.h"
#include "shell/catalogues/Poison_Form.h"
#include "widgets/Text_Convert.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace Vexlor::Test {
namespace {

QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Every record of a catalogue filled into its editor and stored back through OK, untouched, must
// be stored as it was: a control whose range cuts a value, or a binding that loses one, shows here.
template <class Record, class Registry, class Editor>
void Check_Round_Trip(Registry& registry, Editor& editor) {
    QVERIFY(registry.Count() > 0);
    for (std::int32_t index = 0; index < registry.Count(); ++index) {
        const std::string name = registry.Get(index)->Get_Name();
        const std::string stored = registry.Get(index)->Serialize();
        QVERIFY(editor.Fill_Record(name));
        Find<QPushButton>(&editor, "OK_Button")->click();
        QCOMPARE(editor.Built_Name(), name);
        QVERIFY(editor.Store_Built().Ok());
        QCOMPARE(To_QString(registry.Get(name.c_str())->Serialize()), To_QString(stored));
    }
}

// Every creature, effect and poison of the catalogues through its editor, untouched.
void Check_Round_Trip_Through_Each_Editor(TTest_Services& services) {
    TCreature_Edit creatures(services.Get());
    Check_Round_Trip<TCreature_Profile>(services.Catalogues.Creatures, creatures);
    TEffect_Edit effects(services.Get());
    Check_Round_Trip<TEffect_Template>(services.Catalogues.Effects, effects);
    TPoison_Edit poisons(services.Get());
    Check_Round_Trip<TPoison_Template>(services.Catalogues.Poisons, poisons);
}

} // namespace

class TCreature_Effect_Editors_Test : public QObject {
    Q_OBJECT

  private slots:
    void The_Starter_Catalogue_Goes_Through_Each_Editor_Unchanged() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        Check_Round_Trip_Through_Each_Editor(services);
    }

    // Values past every box's range, as another program may store them: open and OK keep them.
    void Values_Past_Every_Box_Survive_Open_And_OK() {
        for (const auto& [value, ranges] : {std::pair{"1999999999", true}, std::pair{"-1999999999", false}}) {
            TTest_Services services;
            services.Catalogues.Load_Starter();
            Push_Every_Number(services.Catalogues.Creatures, value, ranges);
            Push_Every_Number(services.Catalogues.Effects, value, ranges);
            Push_Every_Number(services.Catalogues.Poisons, value, ranges);
            Check_Round_Trip_Through_Each_Editor(services);
        }
    }

    void Every_Control_Of_Each_Editor_Is_Kept_Through_A_Round_Trip() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TCreature_Edit creature(services.Get());
        Expect_Every_Control_Kept(creature, "Creature_Name");
        TEffect_Edit effect(services.Get());
        Expect_Every_Control_Kept(effect, "Armor_Name", {QStringLiteral("Insanity")});
        TPoison_Edit poison(services.Get());
        Expect_Every_Control_Kept(poison, "Poison_Name");
    }

    // An effect whose stored sub-effects come round to it again keeps them through open and OK,
    // and the editor names the cycle.
    void An_Effect_In_A_Sub_Effect_Cycle_Keeps_Its_Sub_Effects() {
        TTest_Services services;
        Add_Records(
            services.Catalogues.Effects,
            "<#name=Nerve Fire><effects>Tremors|</effects>\n<#name=Tremors><effects>Nerve Fire|</effects>\n",
            [](const auto&) { return true; });
        TEffect_Edit editor(services.Get());
        QVERIFY(editor.Fill_Record("Nerve Fire"));
        QCOMPARE(Entries(Find<QListWidget>(&editor, "Effects")), QStringList{QStringLiteral("Tremors")});
        QCOMPARE(Find<QLabel>(&editor, "Cycle_Note")->text(),
                 QStringLiteral(
                     "Its sub-effects come round to it again: Nerve Fire, then Tremors, then Nerve Fire. "
                     "They are kept as stored unless you change the list."));
        Check_Round_Trip<TEffect_Template>(services.Catalogues.Effects, editor);
    }

    void Levels_And_Numbers_Keep_Their_Order() {
        TTest_Services services;
        TCreature_Edit editor(services.Get());
        editor.Clear_Record();
        auto* low = Find<QSpinBox>(&editor, "Level");
        auto* high = Find<QSpinBox>(&editor, "High_Level");
        QCOMPARE(low->maximum(), 99);
        high->setValue(10);
        low->setValue(3);
        QCOMPARE(high->value(), 10);
        low->setValue(12);
        QCOMPARE(high->value(), 12);
        high->setValue(5);
        QCOMPARE(low->value(), 5);
        auto* fewest = Find<QSpinBox>(&editor, "Number_Appearing_Low");
        auto* most = Find<QSpinBox>(&editor, "Number_Appearing_High");
        QCOMPARE(fewest->value(), 1);
        fewest->setValue(4);
        QCOMPARE(most->value(), 4);
        Find<QSpinBox>(&editor, "AttackLow3")->setValue(6);
        QCOMPARE(Find<QSpinBox>(&editor, "AttackHigh3")->value(), 6);
    }

    void A_New_Creature_Is_Common_And_Filling_Fires_No_Rule() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TCreature_Edit editor(services.Get());
        editor.Clear_Record();
        Find<QLineEdit>(&editor, "Creature_Name")->setText(QStringLiteral("Dust Mite"));
        Find<QPushButton>(&editor, "OK_Button")->click();
        QVERIFY(editor.Store_Built().Ok());
        QCOMPARE(services.Catalogues.Creatures.Get("Dust Mite")->Get_Frequency(), Frequency_Common);
        // A stored range whose high is below its low is shown as it is, not put in order.
        TCreature_Profile odd;
        odd.Set_Name("Odd");
        odd.Set_Low_Level(7);
        odd.Set_Level(4);
        services.Catalogues.Creatures.Add(new TCreature_Profile(odd));
        QVERIFY(editor.Fill_Record("Odd"));
        QCOMPARE(Find<QSpinBox>(&editor, "Level")->value(), 7);
        QCOMPARE(Find<QSpinBox>(&editor, "High_Level")->value(), 4);
    }

    void OK_Needs_A_Name_That_Can_Be_Stored() {
        TTest_Services services;
        TEffect_Edit editor(services.Get());
        editor.Clear_Record();
        auto* ok = Find<QPushButton>(&editor, "OK_Button");
        auto* name = Find<QLineEdit>(&editor, "Armor_Name");
        QVERIFY(!ok->isEnabled());
        name->setText(QStringLiteral("Chills"));
        QVERIFY(ok->isEnabled());
        for (const char* refused : {"   ", "Fog|Heal", "<b>"}) {
            name->setText(QString::fromLatin1(refused));
            QVERIFY2(!ok->isEnabled(), refused);
        }
    }

    void An_Effect_Is_Never_Offered_As_Its_Own_Sub_Effect() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TEffect_Template same_name;
        same_name.Deserialize("<#name=TREMORS>");
        services.Catalogues.Effects.Add(new TEffect_Template(same_name));
        TEffect_Edit editor(services.Get());
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(editor.Fill_Record("Tremors"));
            const QStringList available = Entries(Find<QListWidget>(&editor, "Available_Effects"));
            QVERIFY(!available.contains(QStringLiteral("Tremors")));
            QVERIFY(!available.contains(QStringLiteral("TREMORS")));
            // Nerve Fire has Tremors among its sub-effects: taking it would loop.
            QVERIFY(!available.contains(QStringLiteral("Nerve Fire")));
            QCOMPARE(QSet<QString>(available.begin(), available.end()).size(), available.size());
            QCOMPARE(available.size() + Find<QListWidget>(&editor, "Effects")->count(),
                     services.Catalogues.Effects.Count() - 3);
        }
    }

    void Percent_Hit_Points_Are_Stored_With_One_Percent_Sign() {
        TTest_Services services;
        TEffect_Edit editor(services.Get());
        editor.Clear_Record();
        Find<QLineEdit>(&editor, "Armor_Name")->setText(QStringLiteral("Wasting"));
        Find<QLineEdit>(&editor, "HP")->setText(QStringLiteral("10%"));
        Find<QAbstractButton>(&editor, "HP_Percent")->setChecked(true);
        Find<QPushButton>(&editor, "OK_Button")->click();
        QVERIFY(editor.Store_Built().Ok());
        QCOMPARE(services.Catalogues.Effects.Get("Wasting")->Get_HP().Amount, std::string("10%"));
        QVERIFY(editor.Fill_Record("Wasting"));
        QCOMPARE(Find<QLineEdit>(&editor, "HP")->text(), QStringLiteral("10"));
        QVERIFY(Find<QAbstractButton>(&editor, "HP_Percent")->isChecked());
    }

    // A typed formula the dice cannot roll keeps the editor open on its box, whatever page is
    // showing; typed again, the effect is built.
    void A_Formula_That_Cannot_Be_Rolled_Keeps_The_Editor_Open_On_Its_Box() {
        TTest_Services services;
        TEffect_Edit editor(services.Get());
        editor.Clear_Record();
        editor.show();
        QTest::keyClicks(Find<QLineEdit>(&editor, "Armor_Name"), QStringLiteral("Weakness"));
        auto* duration = Find<QLineEdit>(&editor, "Duration");
        QTest::keyClicks(duration, QStringLiteral("2d+"));
        auto* pages = editor.findChild<QTabWidget*>();
        const int general = pages->currentIndex();
        pages->setCurrentIndex(pages->count() - 1);
        QTest::mouseClick(Find<QPushButton>(&editor, "OK_Button"), Qt::LeftButton);
        QCOMPARE(
            services.Prompts.Messages(),
            QStringList{QStringLiteral("Duration \"2d+\" cannot be rolled: Syntax error at position 3.")});
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.Built_Name(), std::string());
        QCOMPARE(pages->currentIndex(), general);
        QCOMPARE(editor.focusWidget(), duration);
        QCOMPARE(duration->selectedText(), QStringLiteral("2d+"));
        QTest::keyClicks(duration, QStringLiteral("2d6"));
        QTest::mouseClick(Find<QPushButton>(&editor, "OK_Button"), Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.Built_Name(), std::string("Weakness"));
    }

    void A_Poison_Keeps_An_Effect_The_List_No_Longer_Holds() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TPoison_Template orphan;
        orphan.Deserialize("<#name=Old Venom><#effect=Gone Effect><#effectmiss=Numbness>");
        services.Catalogues.Poisons.Add(new TPoison_Template(orphan));
        TPoison_Edit editor(services.Get());
        QVERIFY(editor.Fill_Record("Old Venom"));
        auto* effects = Find<QListWidget>(&editor, "Effects");
        auto* misses = Find<QListWidget>(&editor, "Miss_Effects");
        QVERIFY(effects->selectedItems().isEmpty());
        QCOMPARE(effects->item(0)->text(), QString());
        QCOMPARE(misses->currentItem()->text(), QStringLiteral("Numbness"));
        misses->setCurrentRow(0); // the empty line: no miss effect
        Find<QPushButton>(&editor, "OK_Button")->click();
        QVERIFY(editor.Store_Built().Ok());
        const TPoison_Template* stored = services.Catalogues.Poisons.Get("Old Venom");
        QCOMPARE(std::string(stored->Get_Effect()), std::string("Gone Effect"));
        QCOMPARE(std::string(stored->Get_Effect_Miss()), std::string());

        editor.Clear_Record();
        QCOMPARE(effects->currentRow(), 0);
        QCOMPARE(misses->currentRow(), 0);
    }

    void The_Creature_List_Is_Written_Where_The_User_Says() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TGenerate_Creatures_Form form(services.Get());
        form.Prepare();
        auto* generate = Find<QPushButton>(&form, "Generate_Button");
        QVERIFY(!generate->isEnabled());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bestiary.txt"));
        services.Prompts.Answer_File_Name(path);
        Find<QPushButton>(&form, "Browse_Button")->click();
        QCOMPARE(Find<QLineEdit>(&form, "Output_Filename")->text(), path);
        QVERIFY(generate->isEnabled());
        generate->click();
        const std::string written = Read_File(QString_To_Path(path)).value_or("");
        QVERIFY(written.starts_with("Creatures Listed by Level\r\n\r\nLEVEL "));
        QVERIFY(written.find("Glass Rat    Common\r\n") != std::string::npos);
        QVERIFY(Find<QPushButton>(&form, "Close_Button")->isEnabled());

        Find<QLineEdit>(&form, "Output_Filename")
            ->setText(folder.filePath(QStringLiteral("no folder/list.txt")));
        generate->click();
        QCOMPARE(services.Prompts.Messages().size(), 1);
        QVERIFY(services.Prompts.All_Answered());
    }

    // Typing "12" into "High level:" while "Level" shows 3 keeps "Level" at 3; so in every pair.
    void Typing_Into_Every_Pair_Never_Moves_The_Low_Box() {
        TTest_Services services;
        TCreature_Edit editor(services.Get());
        editor.Clear_Record();
        Find<QSpinBox>(&editor, "Attacks")->setValue(10);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        int typed = 0;
        Type_Twelve_Into_Every_High_Box(&editor, typed);
        QCOMPARE(typed, 14); // level, number appearing, intelligence, caustic hide, ten attacks
    }

    // A typed name never writes over the campaign's own files, whatever their case, and replaces
    // another existing file only on Yes (No is the default).
    void The_Creature_List_Keeps_Off_The_Campaign_Files_And_Asks_Before_Replacing() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TGenerate_Creatures_Form form(services.Get());
        form.Prepare();
        QTemporaryDir folder;
        const auto path = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)); };
        for (const char* name : {"TABLES.TXT", "Vexlor.catalogue", "notes.txt"})
            QVERIFY(Write_File_Atomic(QString_To_Path(path(name)), "kept").Ok());
        auto* box = Find<QLineEdit>(&form, "Output_Filename");
        auto* generate = Find<QPushButton>(&form, "Generate_Button");
        for (const char* name : {"TABLES.TXT", "tables.txt", "Vexlor.catalogue", "VEXLOR.CATALOGUE"}) {
            box->clear();
            QTest::keyClicks(box, path(name));
            generate->click();
            QCOMPARE(services.Prompts.Messages().back(),
                     path(name) + QStringLiteral(" is one of the campaign's own files and is never written "
                                                 "over. Choose another name."));
        }
        QCOMPARE(Read_File(QString_To_Path(path("TABLES.TXT"))), "kept");
        QCOMPARE(Read_File(QString_To_Path(path("Vexlor.catalogue"))), "kept");
        box->clear();
        QTest::keyClicks(box, path("notes.txt"));
        services.Prompts.Answer_Yes_No(false);
        generate->click();
        QCOMPARE(services.Prompts.Asked.back().Text,
                 path("notes.txt") + QStringLiteral(" already exists. Do you want to replace it?"));
        QCOMPARE(services.Prompts.Asked.back().Default_Answer, TAnswer::No);
        QCOMPARE(Read_File(QString_To_Path(path("notes.txt"))), "kept");
        services.Prompts.Answer_Yes_No(true);
        generate->click();
        QVERIFY(Read_File(QString_To_Path(path("notes.txt"))).value_or("").starts_with("Creatures Listed"));
        box->setText(folder.path());
        generate->click();
        QCOMPARE(services.Prompts.Messages().back(),
                 folder.path() + QStringLiteral(" is a folder. Type the name of a file in it."));
        QVERIFY(services.Prompts.All_Answered());
    }

    void Every_Control_Is_Named_And_The_Editors_Can_Be_Pictured() {
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TCreature_Edit creature(services.Get());
        TEffect_Edit effect(services.Get());
        TPoison_Edit poison(services.Get());
        TGenerate_Creatures_Form list(services.Get());
        for (QWidget* window : std::initializer_list<QWidget*>{&creature, &effect, &poison, &list})
            QCOMPARE(Unnamed_Controls(window), QStringList());
        QVERIFY(creature.Fill_Record("Glass Rat"));
        Save_Picture_If_Asked(&creature, QStringLiteral("Creature_Edit_General.png"));
        Find<QTabWidget>(&creature, "Pages")->setCurrentIndex(1);
        Save_Picture_If_Asked(&creature, QStringLiteral("Creature_Edit_Attacks.png"));
        Find<QTabWidget>(&creature, "Pages")->setCurrentIndex(2);
        Save_Picture_If_Asked(&creature, QStringLiteral("Creature_Edit_Habitat.png"));
        Find<QTabWidget>(&creature, "Pages")->setCurrentIndex(3);
        Save_Picture_If_Asked(&creature, QStringLiteral("Creature_Edit_Abilities.png"));
        QVERIFY(effect.Fill_Record("Nerve Fire"));
        Save_Picture_If_Asked(&effect, QStringLiteral("Effect_Edit_General.png"));
        Find<QTabWidget>(&effect, "Pages")->setCurrentIndex(1);
        Save_Picture_If_Asked(&effect, QStringLiteral("Effect_Edit_Conditions.png"));
        Find<QTabWidget>(&effect, "Pages")->setCurrentIndex(2);
        Save_Picture_If_Asked(&effect, QStringLiteral("Effect_Edit_Lists.png"));
        QVERIFY(poison.Fill_Record("Glass Viper Venom"));
        Save_Picture_If_Asked(&poison, QStringLiteral("Poison_Edit.png"));
        Save_Picture_If_Asked(&list, QStringLiteral("Generate_Creatures_Form.png"));
    }
};

namespace {
const TRegister_Gui_Test<TCreature_Effect_Editors_Test> registration;
}

} // namespace Vexlor::Test

#include "Creature_Effect_Editors_Test.moc"
