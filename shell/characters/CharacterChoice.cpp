#include "shell/characters/CharacterChoice.h"

#include "catalogues/Catalogue_Ownership.h"
#include "foundations/CommonUt.h"
#include "foundations/Files.h"
#include "roster/Character_Pages.h"
#include "roster/Position_File.h"
#include "sheet/Character_RTF.h"
#include "shell/characters/CWF.h"
#include "shell/characters/LUF.h"
#include "shell/characters/Sheet_Font.h"
#include "shell/possessions/Inventory_Dialog.h"
#include "widgets/Help_Contexts.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"
#include "widgets/Text_Convert.h"
#include "widgets/Window_Fit.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>

namespace Vexlor {

void TVexlor_Character_Edit_Interface::Items() {
    Inventory.Prepare();
    if (Inventory.exec() != QDialog::Accepted)
        Inventory.Deserialize(_Image);
}

void TVexlor_Character_Edit_Interface::QIDs(const char* text) {
    Inventory.Add_QIDs(text ? text : "");
}

void TVexlor_Character_Edit_Interface::Compounds(const char* text) {
    Inventory.Add_Compounds(text ? text : "");
}

namespace {

// The characters list shows the classes as a second column (dialog units), moved on each filling
// to just past the longest name but no further than the middle of the list; a longer name is cut
// short and shows whole in its tool tip.
constexpr int Class_Column_Stop = 64;

std::vector<std::string> Entry_Texts(const TRoster_List& list) {
    std::vector<std::string> texts;
    texts.reserve(list.size());
    for (const auto& entry : list)
        texts.push_back(entry.Text);
    return texts;
}

// The position file beside the program, named after the program file.
std::filesystem::path Position_File() {
    return Position_File_Path(QString_To_Path(QCoreApplication::applicationFilePath()).string());
}

QListWidget* Make_List(const char* name, QWidget* parent) {
    auto* list = Make_Named<QListWidget>(parent, name);
    list->setUniformItemSizes(true);
    return list;
}

} // namespace

// Every button has an accelerator of its own: "Create Character..." and "Close" both begin with C
// and "Create Random Character..." and "Save to RTF..." both have their R, so "Close" takes its o
// and "Save to RTF..." its S.
TCharacter_Choice_Dialog::TCharacter_Choice_Dialog(TServices& services, QWidget* parent)
    : TKit_Dialog(services, Help_Parties, parent), Services(services),
      Parties_List(Make_List("Parties_List", this)), Characters_List(Make_List("Characters_List", this)),
      New_Party_Button(Make_Button(this, "New_Party_Button", tr("&New Party"))),
      Create_Button(Make_Button(this, "Create_Character_Button", tr("&Create Character..."))),
      Create_Random_Button(
          Make_Button(this, "Create_Random_Character_Button", tr("Create &Random Character..."))),
      Edit_Button(Make_Button(this, "Edit_Button", tr("&Edit..."))),
      Level_Up_Button(Make_Button(this, "Level_Up_Button", tr("&Level up..."))),
      Save_Button(Make_Button(this, "Save_To_RTF_Button", tr("&Save to RTF..."))),
      Close_Button(Make_Button(this, "Close_Button", tr("Cl&ose"))) {
    setWindowTitle(tr("Create/Edit Character V1.1"));
    Set_Tab_Stops(Characters_List, {Class_Column_Stop});
    Build_Layout();
    Connect_Handlers();
    setMinimumSize(minimumSizeHint());
    resize(620, 400);
    Update_Buttons();
}

TCharacter_Choice_Dialog::~TCharacter_Choice_Dialog() = default;

void TCharacter_Choice_Dialog::Use_Inventory(TInventory_Dialog& inventory) {
    Inventory = &inventory;
    Edit_Interface = std::make_unique<TVexlor_Character_Edit_Interface>(inventory);
}

void TCharacter_Choice_Dialog::Build_Layout() {
    auto* parties = new QVBoxLayout;
    parties->addWidget(new QLabel(tr("Parties"), this));
    parties->addWidget(Parties_List, 1);
    parties->addWidget(New_Party_Button);

    auto* characters = new QVBoxLayout;
    characters->addWidget(new QLabel(tr("Characters"), this));
    characters->addWidget(Characters_List, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button :
         {Create_Button, Create_Random_Button, Edit_Button, Level_Up_Button, Save_Button})
        buttons->addWidget(button);
    buttons->addStretch(1);
    QPushButton* help = Make_Help_Button();
    buttons->addWidget(help);
    buttons->addWidget(Close_Button);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(parties, 2);
    layout->addLayout(characters, 3);
    layout->addLayout(buttons);

    // Tab goes down each column in turn, left to right, as the columns read.
    const std::vector<QWidget*> order{
        Parties_List, New_Party_Button, Characters_List, Create_Button, Create_Random_Button,
        Edit_Button,  Level_Up_Button,  Save_Button,     help,          Close_Button};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TCharacter_Choice_Dialog::Connect_Handlers() {
    On(Parties_List, &QListWidget::currentRowChanged, [this](int row) {
        Roster.Select_Party(row);
        Show_Characters();
    });
    On(Characters_List, &QListWidget::currentRowChanged, [this](int row) {
        Roster.Select_Character(row);
        Update_Buttons();
    });
    On(Characters_List, &QListWidget::itemDoubleClicked, [this] { Edit_Character(); });
    Parties_List->installEventFilter(this);
    Characters_List->installEventFilter(this);
    On(New_Party_Button, &QPushButton::clicked, [this] { New_Party(); });
    On(Create_Button, &QPushButton::clicked, [this] { Create_Interactively(); });
    On(Create_Random_Button, &QPushButton::clicked, [this] { Create_At_Random(); });
    On(Edit_Button, &QPushButton::clicked, [this] { Edit_Character(); });
    On(Level_Up_Button, &QPushButton::clicked, [this] { Level_Up_Character(); });
    On(Save_Button, &QPushButton::clicked, [this] { Save_To_RTF(); });
    On(Close_Button, &QPushButton::clicked, [this] { accept(); });
}

// Insert in the parties list adds a party; Delete deletes the party or character selected; Enter
// on a character edits it, as a double click does.
bool TCharacter_Choice_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || Filling())
        return TKit_Dialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    std::function<void()> action;
    if (watched == Parties_List && key == Qt::Key_Insert)
        action = [this] { New_Party(); };
    else if (watched == Parties_List && key == Qt::Key_Delete)
        action = [this] { Delete_Party(); };
    else if (watched == Characters_List && key == Qt::Key_Delete)
        action = [this] { Delete_Character(); };
    else if (watched == Characters_List && (key == Qt::Key_Return || key == Qt::Key_Enter))
        action = [this] { Edit_Character(); };
    if (!action)
        return TKit_Dialog::eventFilter(watched, event);
    Run_Guarded(Prompts(), action);
    return true;
}

void TCharacter_Choice_Dialog::Prepare() {
    Load_Problem = Roster.Load().Problem();
    Read_Position();
    Show_Parties();
    Fit_Window_To_Screen(this);
}

void TCharacter_Choice_Dialog::showEvent(QShowEvent* event) {
    TKit_Dialog::showEvent(event);
    if (event->spontaneous() || Load_Problem.empty())
        return;
    // Shown from the event loop: the window is mapped by then, so the message stands over it.
    QTimer::singleShot(0, this, [this, problem = std::exchange(Load_Problem, {})] { Tell_Problem(problem); });
}

void TCharacter_Choice_Dialog::done(int result) {
    Write_Position();
    TKit_Dialog::done(result);
}

// Every change reads the party file afresh, so after one the window lists whatever parties another
// program (a second copy, vexlor-cli) stored meanwhile, not only the characters of the party shown.
void TCharacter_Choice_Dialog::Show_Parties() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(Parties_List, Entry_Texts(Roster.Parties()));
        Parties_List->setCurrentRow(Roster.Selected_Party());
    }
    Show_Characters();
}

void TCharacter_Choice_Dialog::Show_Characters() {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_List(Characters_List, Entry_Texts(Roster.Characters()));
        Fit_First_Column(Characters_List);
        Characters_List->setCurrentRow(Roster.Selected_Character());
    }
    Update_Buttons();
}

// "Edit...", "Level up..." and "Save to RTF" work on the selected character: they follow the
// selection together, and each handler checks it again.
void TCharacter_Choice_Dialog::Update_Buttons() {
    const bool selected = Roster.Selected_Character() >= 0;
    for (QPushButton* button : {Edit_Button, Level_Up_Button, Save_Button})
        button->setEnabled(selected);
}

void TCharacter_Choice_Dialog::Tell_Problem(const std::string& problem) {
    if (!problem.empty())
        Prompts().Show_Message(TMessage_Kind::Error, windowTitle(), To_QString(problem));
}

// A name with letters the party file cannot hold is refused with a note, and asked for again with
// what was typed, so that one letter can be mended without typing the whole name again.
void TCharacter_Choice_Dialog::New_Party() {
    std::optional<QString> answer = QString();
    for (;;) {
        answer = Prompts().Ask_Text(tr("New Party"), tr("What is the name of your new Party"), *answer);
        if (!answer)
            return;
        const QString unstorable = Unstorable_Note(*answer);
        if (unstorable.isEmpty())
            break;
        Prompts().Show_Message(TMessage_Kind::Error, tr("New Party"), unstorable);
    }
    const TResult result = Roster.New_Party(From_QString(*answer));
    Show_Parties();
    Tell_Problem(result.Problem());
}

void TCharacter_Choice_Dialog::Delete_Party() {
    const int selected = Roster.Selected_Party();
    if (selected < 0)
        return;
    const QString question = tr("Do you really want to delete %1, and all characters in it?")
                                 .arg(To_QString(Roster.Parties()[static_cast<std::size_t>(selected)].Text));
    if (!Prompts().Ask_Yes_No(tr("Really delete"), question, TAnswer::No))
        return;
    const TResult result = Roster.Delete_Party();
    Show_Parties();
    Tell_Problem(result.Problem());
}

void TCharacter_Choice_Dialog::Delete_Character() {
    const int selected = Roster.Selected_Character();
    if (selected < 0)
        return;
    const QString question =
        tr("Do you really want to delete %1?")
            .arg(To_QString(Display_Name(Roster.Characters()[static_cast<std::size_t>(selected)].Text)));
    if (!Prompts().Ask_Yes_No(tr("Really delete"), question, TAnswer::No))
        return;
    const TResult result = Roster.Delete_Character();
    Show_Parties();
    Tell_Problem(result.Problem());
}

// The inventory dialog is emptied first, so that the new character does not start out with the
// gear of the character shown before.
void TCharacter_Choice_Dialog::Create_Interactively() {
    Inventory_Dialog().Deserialize("");
    TCharacter_Wizard_Form& wizard = Wizard();
    wizard.Names = Enclosed_Names(Member_Names(Roster.Characters(), -1));
    Edit_Interface->_Image.clear();
    const std::unique_ptr<TVexlor_Character> character = New_Character(2, "", 0, "", Edit_Interface.get());
    if (!character)
        return;
    std::string stored = character->Serialize();
    stored += Inventory_Dialog().Serialize();
    const TResult result = Roster.Add_Character(Character_Display_Text(*character), std::move(stored));
    Show_Parties();
    Tell_Problem(result.Problem());
}

void TCharacter_Choice_Dialog::Create_At_Random() {
    const std::unique_ptr<TVexlor_Character> character = New_Character(-1, "", 0, "", nullptr);
    if (!character)
        return;
    const TResult result = Roster.Add_Character(Character_Display_Text(*character), character->Serialize());
    Show_Parties();
    Tell_Problem(result.Problem());
}

void TCharacter_Choice_Dialog::Edit_Character() {
    const int selected = Roster.Selected_Character();
    if (selected < 0)
        return;
    const std::unique_ptr<TVexlor_Character> character = Load_Selected();
    TCharacter_Wizard_Form& wizard = Wizard();
    wizard.Names = Enclosed_Names(Member_Names(Roster.Characters(), selected));
    wizard.CEI = Edit_Interface.get();
    Edit_Interface->_Image = Roster.Characters()[static_cast<std::size_t>(selected)].Stored;
    if (wizard.Run(character.get(), 1) == QDialog::Accepted)
        Store_Edited(*character);
}

void TCharacter_Choice_Dialog::Level_Up_Character() {
    if (Roster.Selected_Character() < 0)
        return;
    const std::unique_ptr<TVexlor_Character> character = Load_Selected();
    if (Level_Up_Form().Run(character.get()) == QDialog::Accepted)
        Store_Edited(*character);
}

std::unique_ptr<TVexlor_Character> TCharacter_Choice_Dialog::Load_Selected() {
    const std::string& stored =
        Roster.Characters()[static_cast<std::size_t>(Roster.Selected_Character())].Stored;
    auto character = std::make_unique<TVexlor_Character>();
    character->Deserialize(stored.c_str());
    character->Initialized = true;
    Inventory_Dialog().Deserialize(stored);
    return character;
}

void TCharacter_Choice_Dialog::Store_Edited(TVexlor_Character& character) {
    std::string stored = character.Serialize();
    stored += Inventory_Dialog().Serialize();
    const TResult result = Roster.Replace_Character(Character_Display_Text(character), std::move(stored));
    Show_Parties();
    Tell_Problem(result.Problem());
}

// The sheet is written atomically: a sheet that cannot be written leaves the file that was there.
void TCharacter_Choice_Dialog::Save_To_RTF() {
    const int selected = Roster.Selected_Character();
    if (selected < 0)
        return;
    TFile_Question question;
    question.Mode = TFile_Mode::Save;
    question.Title = tr("Save character to file");
    question.Filters = tr("Rich text (*.rtf);;All files (*)");
    question.Default_Suffix = QStringLiteral("rtf");
    const TRoster_Entry& entry = Roster.Characters()[static_cast<std::size_t>(selected)];
    // The campaign folder is the working folder. The character's name is game text, so it is
    // decoded before it joins the folder's path.
    question.Start = QDir(Path_To_QString(std::filesystem::current_path()))
                         .filePath(To_QString(Sheet_File_Name(Display_Name(entry.Text))));
    const auto name = Prompts().Ask_File_Name(question);
    if (!name || !May_Write_File(Prompts(), tr("Save to RTF"), *name, TWrite_Mode::Replace))
        return;
    const std::string& stored = entry.Stored;
    TVexlor_Character character;
    character.Deserialize(stored.c_str());
    TInventory inventory(Services.Catalogues);
    inventory.Deserialize(stored);
    std::string sheet;
    Character_RTF_String(character, inventory, Services.Catalogues, sheet, Sheet_Header_Font());
    if (const TResult saved = Write_File_Atomic(QString_To_Path(*name), sheet); !saved.Ok())
        Prompts().Show_Message(TMessage_Kind::Error, tr("Save to RTF"), To_QString(saved.Problem()));
}

// The step dialogs are made on first use over the main window, and kept.
TCharacter_Wizard_Form& TCharacter_Choice_Dialog::Wizard() {
    if (!Wizard_Form) {
        Wizard_Form = new TCharacter_Wizard_Form(Services, this);
        if (parentWidget())
            Wizard_Form->setGeometry(parentWidget()->geometry());
        Install_Character_Wizard(Wizard_Form);
    }
    return *Wizard_Form;
}

TLevel_Up_Form& TCharacter_Choice_Dialog::Level_Up_Form() {
    if (!Level_Up) {
        Level_Up = new TLevel_Up_Form(Services, this);
        if (parentWidget())
            Level_Up->setGeometry(parentWidget()->geometry());
    }
    return *Level_Up;
}

TInventory_Dialog& TCharacter_Choice_Dialog::Inventory_Dialog() {
    if (!Inventory)
        throw std::logic_error("The inventory window is not available");
    return *Inventory;
}

// Sizes below the smallest the dialog allows are passed over; whatever is read, the window is
// then fitted to the screen it lands on.
void TCharacter_Choice_Dialog::Read_Position() {
    const auto text = Read_File(Position_File());
    if (!text)
        return;
    TWindow_Bounds bounds{x(), y(), width(), height()};
    Read_Position_File(*text, bounds, minimumWidth(), minimumHeight());
    move(bounds.Left, bounds.Top);
    resize(bounds.Width, bounds.Height);
    // The party selected last is selected again (its characters read once more only when it is
    // not the first, which is read already); a party since deleted leaves the first selected.
    if (const int party = Find_Roster_Entry(Roster.Parties(), Remembered_Party(*text));
        party >= 0 && party != Roster.Selected_Party())
        Roster.Select_Party(party);
}

// A position file that cannot be written is passed over: the dialog opens where it did.
void TCharacter_Choice_Dialog::Write_Position() const {
    const int party = Roster.Selected_Party();
    const std::string party_name = party >= 0 ? Roster.Parties()[static_cast<std::size_t>(party)].Text : "";
    static_cast<void>(
        Write_File_Atomic(Position_File(), Position_File_Text({x(), y(), width(), height()}, party_name)));
}

} // namespace Vexlor
