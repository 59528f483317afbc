#include "Gui_Test.h"
#include "Test_Services.h"
#include "Typing.h"

#include "catalogues/Catalogue_Registry.h"
#include "foundations/Random.h"
#include "roster/Character_Pages.h"
#include "roster/New_Character.h"
#include "shell/characters/CWF.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTest>

namespace Vexlor::Test {
namespace {

class TRecording_Edit final : public TCharacter_Edit_Interface {
  public:
    void Items() override { Calls << QStringLiteral("Items"); }
    void QIDs(const char* text) override { Calls << QStringLiteral("QIDs ") + QString::fromLatin1(text); }
    void Compounds(const char* text) override {
        Calls << QStringLiteral("Compounds ") + QString::fromLatin1(text);
    }
    QStringList Calls;
};

void Clear_Classes(TVexlor_Character& character) {
    for (int slot = 1; slot <= 6; ++slot)
        character.Set_Class(slot, -1);
}

template <class T> T* Page_Control(const TCharacter_Wizard_Form& wizard, const char* name) {
    if (const TWizard_Form* page = wizard.Current_Sheet())
        if (T* control = page->findChild<T*>(QString::fromLatin1(name)))
            return control;
    return Find<T>(&wizard, name);
}

// The wizard shown over a character without running modally, at a given step; its scores allow
// every class and three vocations.
struct TShown_Wizard {
    TShown_Wizard() {
        Services.Catalogues.Load_Starter();
        Clear_Classes(Character);
        for (int* score : {&Character.Cognitive, &Character.Perception, &Character.Wisdom})
            *score = 6;
        Wizard.Set_Character(&Character);
    }
    void Start_At(int step) {
        Wizard.Restart_At(step);
        Wizard.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&Wizard));
    }
    // A control of the page shown (pages left behind go only once the event loop runs), or of
    // the frame.
    template <class T> T* Get(const char* name) { return Page_Control<T>(Wizard, name); }
    QPushButton* Next() { return Get<QPushButton>("Next_Button"); }
    void Press_Enter() {
        for (QShortcut* shortcut : Wizard.findChildren<QShortcut*>())
            if (shortcut->key() == QKeySequence(Qt::Key_Return))
                emit shortcut->activated();
    }

    TTest_Services Services;
    TVexlor_Character Character;
    TCharacter_Wizard_Form Wizard{Services.Get()};
};

// Selects the entry of a list with this text, as a click does.
void Choose(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    const QRect area = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
    QCoreApplication::processEvents(); // the class page refills its lists after the click
}

} // namespace

class TCharacter_Wizard_Test : public QObject {
    Q_OBJECT

  private slots:
    void A_Name_Already_In_The_Party_Is_Refused_And_Enter_Only_Beeps() {
        TShown_Wizard shown;
        shown.Wizard.Names = Enclosed_Names({"Una", "Rex"});
        shown.Start_At(0);
        QCOMPARE(shown.Wizard.windowTitle(), QStringLiteral("Create Vexlor character"));
        QVERIFY(!shown.Next()->isEnabled()); // no name yet
        QCOMPARE(shown.Get<QLabel>("Error_Label")->text(), QString());

        QTest::keyClicks(shown.Get<QLineEdit>("Name_Edit"), QStringLiteral("una "));
        QCOMPARE(shown.Get<QLabel>("Error_Label")->text(),
                 QStringLiteral("Another character in the party already has this name"));
        QVERIFY(!shown.Next()->isEnabled());
        shown.Press_Enter();
        QCOMPARE(shown.Services.Prompts.Beeps(), 1);
        QCOMPARE(shown.Wizard.Get_Step(), 0);

        // A name the party file cannot hold is refused with its note, never stored as "?ukasz ?ó??".
        shown.Get<QLineEdit>("Name_Edit")->clear();
        Type_Characters(shown.Get<QLineEdit>("Name_Edit"), QStringLiteral("Łukasz Żółć"));
        QCOMPARE(shown.Get<QLabel>("Error_Label")->text(),
                 QStringLiteral(
                     "Ł, Ż, ł, ć cannot be stored: the game's files hold Western European letters only."));
        QVERIFY(!shown.Next()->isEnabled());
        shown.Get<QLineEdit>("Name_Edit")->clear();
        QTest::keyClicks(shown.Get<QLineEdit>("Name_Edit"), QStringLiteral("una "));

        QTest::keyClick(shown.Get<QLineEdit>("Name_Edit"), Qt::Key_Backspace);
        QTest::keyClicks(shown.Get<QLineEdit>("Name_Edit"), QStringLiteral("x"));
        QCOMPARE(shown.Get<QLabel>("Error_Label")->text(), QString());
        QVERIFY(shown.Next()->isEnabled());
        QCOMPARE(shown.Character._Get_Name(), std::string("unax"));
        Save_Picture_If_Asked(&shown.Wizard, QStringLiteral("Wizard_Name_Page.png"));
        shown.Press_Enter();
        QCOMPARE(shown.Wizard.Get_Step(), 1);
        QCOMPARE(shown.Services.Prompts.Beeps(), 1);
        QCOMPARE(Unnamed_Controls(&shown.Wizard), QStringList());
    }

    void An_Engineer_Picks_Exactly_Two_QIDs() {
        TShown_Wizard shown;
        shown.Character.Set_Class(1, Class_General_Engineer);
        shown.Start_At(4);
        QCOMPARE(shown.Wizard.Get_Step(), 4);
        auto* list = shown.Get<QListWidget>("QID_List");
        QVERIFY(!shown.Next()->isEnabled());
        Choose(list, QStringLiteral("Fog"));
        QVERIFY(!shown.Next()->isEnabled());
        Choose(list, QStringLiteral("Bland"));
        QVERIFY(shown.Next()->isEnabled());
        Choose(list, QStringLiteral("Heal")); // locked: a third pick changes nothing
        QCOMPARE(list->selectedItems().size(), 2);
        QVERIFY(!list->findItems(QStringLiteral("Heal"), Qt::MatchExactly).front()->isSelected());
        QTest::mouseClick(shown.Get<QPushButton>("Clear_Button"), Qt::LeftButton);
        QVERIFY(!shown.Next()->isEnabled());
        QCOMPARE(list->selectedItems().size(), 0);

        // A character who is no engineer never sees the page: Back from the compounds goes on
        // to the classes.
        TShown_Wizard chemist;
        chemist.Character.Set_Class(1, Class_Chemist);
        chemist.Start_At(5);
        QCOMPARE(chemist.Wizard.Get_Step(), 5);
        // A right click on a compound opens its help window, which holds the description; the
        // compound picked stays picked.
        auto* compounds = chemist.Get<QListWidget>("Compound_List");
        Choose(compounds, compounds->item(0)->text());
        const auto help = When_Modal([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), compounds->item(1)->text());
            QVERIFY(Find<QLabel>(window, "Time_Label")->isHidden());
            QVERIFY(Find<QLabel>(window, "Duration_Label")->text().startsWith(QStringLiteral("Duration: ")));
            window->close();
        });
        Right_Click(compounds->viewport(), compounds->visualItemRect(compounds->item(1)).center());
        QTRY_VERIFY(help->Driven());
        QCOMPARE(compounds->currentRow(), 0);
        QVERIFY(chemist.Next()->isEnabled());
        QTest::mouseClick(chemist.Get<QPushButton>("Back_Button"), Qt::LeftButton);
        QCOMPARE(chemist.Wizard.Get_Step(), 2);
    }

    void Regenerate_Is_Hidden_For_An_Existing_Character() {
        TShown_Wizard existing;
        existing.Character.Set_Class(1, Class_Medic);
        existing.Character.Initialized = true;
        existing.Start_At(1);
        QVERIFY(existing.Get<QPushButton>("Regenerate_Button")->isHidden());

        TShown_Wizard created;
        created.Start_At(1);
        QVERIFY(!created.Get<QPushButton>("Regenerate_Button")->isHidden());
        const auto bonuses = When_Modal([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Bonuses"));
            QCOMPARE(Unnamed_Controls(window), QStringList());
            Save_Picture_If_Asked(window, QStringLiteral("Bonuses.png"));
            window->close();
        });
        created.Get<QPushButton>("Bonuses_Button")->click();
        QTRY_VERIFY(bonuses->Driven());
        Save_Picture_If_Asked(&created.Wizard, QStringLiteral("Wizard_Ability_Page.png"));
    }

    void The_Class_And_Appearance_Pages_Write_Into_The_Character() {
        TFunction_Random dice([](int n) { return n - 1; });
        TRandom_Override override(dice);
        TShown_Wizard shown;
        TRecording_Edit edit;
        shown.Wizard.CEI = &edit;
        Regenerate_Scores(shown.Character);
        shown.Start_At(2);
        Choose(shown.Get<QListWidget>("Class1"), QStringLiteral("Biologist"));
        QCOMPARE(shown.Character.Get_Class(1), Class_Biologist);
        QVERIFY(shown.Get<QListWidget>("Specialty")->isEnabled());
        Choose(shown.Get<QListWidget>("Specialty"), QStringLiteral("Zoologist"));
        QCOMPARE(shown.Character.Specialty, 1);
        Choose(shown.Get<QListWidget>("Class2"), QStringLiteral("Commando"));
        QCOMPARE(shown.Get<QListWidget>("Class2")->currentItem()->text(), QStringLiteral("Commando"));
        QCOMPARE(shown.Character.Get_Class(2), Class_Commando);
        const auto abilities = When_Modal([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Class Abilities"));
            QCOMPARE(Unnamed_Controls(window), QStringList());
            Save_Picture_If_Asked(window, QStringLiteral("Class_Abilities.png"));
            window->close();
        });
        shown.Get<QPushButton>("Abilities_Button")->click();
        QTRY_VERIFY(abilities->Driven());
        QTest::mouseClick(shown.Get<QPushButton>("Items_Button"), Qt::LeftButton);
        QCOMPARE(edit.Calls, QStringList{QStringLiteral("Items")});
        QCOMPARE(Unnamed_Controls(&shown.Wizard), QStringList());
        Save_Picture_If_Asked(&shown.Wizard, QStringLiteral("Wizard_Class_Page.png"));

        shown.Character.VDNA[0] = 80 << 6;
        shown.Wizard.Restart_At(7);
        QVERIFY(shown.Get<QAbstractButton>("Hair_Red")->isChecked());
        shown.Get<QAbstractButton>("Hair_Black")->click();
        QCOMPARE(Hair_Colour(shown.Character), THair_Colour::Black);
        QCOMPARE(Unnamed_Controls(&shown.Wizard), QStringList());
        Save_Picture_If_Asked(&shown.Wizard, QStringLiteral("Wizard_Appearance_Page.png"));
    }

    // Scores that no longer allow the class chosen (Regenerate, Back, a change of gender) clear it
    // when the next step is entered, with a note on the class page, and Next waits for a class.
    void A_Class_The_New_Scores_Do_Not_Allow_Is_Cleared_With_A_Note() {
        TShown_Wizard shown;
        shown.Character.Set_Class(1, Class_Medic);
        shown.Start_At(1);
        shown.Character.Cognitive = 2; // as a Regenerate might leave it: one vocation, and a Medic takes two
        shown.Next()->click();
        QCOMPARE(shown.Wizard.Get_Step(), 2);
        QCOMPARE(shown.Character.Get_Class(1), -1);
        QCOMPARE(shown.Get<QLabel>("Class_Note")->text(),
                 QStringLiteral("The scores no longer allow Medic: choose again."));
        QVERIFY(shown.Get<QLabel>("Class_Note")->isVisible());
        QVERIFY(!shown.Next()->isEnabled());
        Save_Picture_If_Asked(&shown.Wizard, QStringLiteral("Wizard_Class_Cleared.png"));
        Choose(shown.Get<QListWidget>("Class1"), QStringLiteral("Historian"));
        QVERIFY(shown.Next()->isEnabled());
        QVERIFY(shown.Get<QLabel>("Class_Note")->isHidden());
    }

    // The class page gives its first list the focus, which outlines its first class: that is no
    // choice until the game master moves to a class or clicks it.
    void Focus_On_A_Class_List_Chooses_No_Class() {
        TShown_Wizard shown;
        shown.Start_At(1);
        shown.Wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown.Wizard));
        shown.Next()->click();
        QCOMPARE(shown.Wizard.Get_Step(), 2);
        auto* classes = shown.Get<QListWidget>("Class1");
        QCOMPARE(QApplication::focusWidget(), classes);
        QVERIFY(classes->currentItem());
        QCOMPARE(shown.Character.Get_Class(1), -1);
        QVERIFY(!shown.Next()->isEnabled());
        const QString second = classes->item(1)->text();
        QTest::keyClick(classes, Qt::Key_Down);
        QCoreApplication::processEvents();
        QVERIFY(shown.Character.Get_Class(1) >= 0);
        QCOMPARE(shown.Get<QListWidget>("Class1")->selectedItems().value(0)->text(), second);
        QVERIFY(shown.Next()->isEnabled());
    }

    // The build rolled before the wizard is what the appearance page shows, and the character
    // keeps what the page shows, also of a build outside the boxes' range.
    void The_Appearance_Page_Shows_The_Build_The_Character_Keeps() {
        TShown_Wizard shown;
        {
            TFunction_Random lowest([](int) { return 0; });
            TRandom_Override override(lowest);
            Roll_Before_Wizard(shown.Character);
        }
        shown.Start_At(7);
        QCOMPARE(shown.Get<QSpinBox>("Weight_Edit")->value(), 174);
        QCOMPARE(shown.Get<QSpinBox>("Height_Edit")->value(), 70);
        QCOMPARE(shown.Character.Weight, 174);
        Save_Picture_If_Asked(&shown.Wizard, QStringLiteral("Wizard_Appearance_Rolled.png"));
        auto* weight = shown.Get<QSpinBox>("Weight_Edit");
        weight->setFocus();
        QTest::keyClick(weight, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(weight, QStringLiteral("150"));
        QCOMPARE(shown.Character.Weight, 150);

        shown.Character.Height = 0; // a stored character of old
        shown.Wizard.Restart_At(7);
        QCOMPARE(shown.Get<QSpinBox>("Height_Edit")->value(), 1);
        QCOMPARE(shown.Character.Height, 1);
    }

    void Interactive_Creation_Returns_The_Character_With_Its_QIDs_And_Compound() {
        TFunction_Random dice([](int n) { return n - 1; }); // every roll at its best
        TRandom_Override override(dice);
        TTest_Services services;
        services.Catalogues.Load_Starter();
        TCharacter_Wizard_Form wizard(services.Get());
        Install_Character_Wizard(&wizard);
        TRecording_Edit edit;
        const auto creating = When_Modal([&](QWidget* window) {
            QCOMPARE(window, static_cast<QWidget*>(&wizard));
            auto* next = Find<QPushButton>(&wizard, "Next_Button");
            QTest::keyClicks(Page_Control<QLineEdit>(wizard, "Name_Edit"), QStringLiteral("Zed"));
            next->click();
            QCOMPARE(wizard.windowTitle(), QStringLiteral("Zed"));
            next->click();
            Choose(Page_Control<QListWidget>(wizard, "Class1"), QStringLiteral("Engineer, General"));
            Choose(Page_Control<QListWidget>(wizard, "Class2"), QStringLiteral("Chemist"));
            next->click();
            QCOMPARE(wizard.Get_Step(), 4);
            Choose(Page_Control<QListWidget>(wizard, "QID_List"), QStringLiteral("Heal"));
            Choose(Page_Control<QListWidget>(wizard, "QID_List"), QStringLiteral("Fog"));
            next->click();
            QCOMPARE(wizard.Get_Step(), 5);
            Choose(Page_Control<QListWidget>(wizard, "Compound_List"), QStringLiteral("Acid Flask"));
            // Back and forth again adds nothing twice.
            Find<QPushButton>(&wizard, "Back_Button")->click();
            next->click();
            next->click();
            QCOMPARE(wizard.Get_Step(), 7);
            next->click();
        });
        std::unique_ptr<TVexlor_Character> character(Create_Character(2, "", 0, "", &edit));
        QTRY_VERIFY(creating->Driven());
        QVERIFY(character);
        QCOMPARE(character->_Get_Name(), std::string("Zed"));
        QVERIFY(character->Initialized);
        QCOMPARE(character->Get_Class(1), Class_General_Engineer);
        QCOMPARE(character->Get_Level(2), 1);
        QCOMPARE(edit.Calls,
                 (QStringList{QStringLiteral("QIDs Heal|Fog"), QStringLiteral("Compounds Acid Flask")}));

        // Cancel gives nothing back, and the next run starts with the wizard's own caption.
        const auto cancelling = When_Modal([&](QWidget*) {
            QCOMPARE(wizard.windowTitle(), QStringLiteral("Create Vexlor character"));
            Find<QPushButton>(&wizard, "Cancel_Button")->click();
        });
        QVERIFY(!Create_Character(2, "", 0, "", &edit));
        QTRY_VERIFY(cancelling->Driven());
        Install_Character_Wizard(nullptr);
        QVERIFY(!Create_Character(2, "", 0, "", &edit));
    }
};

namespace {
const TRegister_Gui_Test<TCharacter_Wizard_Test> registration;
}

} // namespace Vexlor::Test

#include "Character_Wizard_Test.moc"
