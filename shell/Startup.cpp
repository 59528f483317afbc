#include "shell/Startup.h"

#include "catalogues/Catalogue_Ownership.h"

#include "foundations/Files.h"
#include "foundations/Random.h"
#include "referee/Tables.h"
#include "shell/About_Box.h"
#include "shell/Vexlor_Application.h"
#include "shell/catalogues/Armor_Template_Form.h"
#include "shell/catalogues/Catalogue_Choice_Dialog.h"
#include "shell/catalogues/Compound_Plan_Form.h"
#include "shell/catalogues/Creature_Form.h"
#include "shell/catalogues/Effect_Template_Form.h"
#include "shell/catalogues/Generate_Creatures_Form.h"
#include "shell/catalogues/Poison_Form.h"
#include "shell/catalogues/QID_Plan_Form.h"
#include "shell/characters/CharacterChoice.h"
#include "shell/possessions/Inventory_Dialog.h"
#include "shell/referee/GM_Helper_Dialog.h"
#include "widgets/Popup_Help_Dialog.h"
#include "widgets/Text_Convert.h"
#include "widgets/User_Prompts.h"

#include <QTimer>

#include "foundations/Campaign_Files.h"
#include "foundations/File_Lock.h"

#include <chrono>
#include <exception>

namespace Vexlor {

TProgram_Services::TProgram_Services(TUser_Prompts& prompts, const TCatalogues& catalogues,
                                     const std::filesystem::path& help_folder)
    : Help(help_folder, Help_File_Name, prompts), Output([&prompts](const std::string& message) {
          prompts.Show_Message(TMessage_Kind::Error, QObject::tr("Output file"), To_QString(message));
      }),
      Shared{{Help, prompts}, catalogues, Master_Table, Output} {}

TCatalogues Library_Catalogues() {
    return {Get_Item_Registry(),
            Get_Creature_Registry(),
            Get_QID_Registry(),
            Get_Compound_Registry(),
            Get_Effect_Registry(),
            Get_Poison_Registry(),
            [] { return std::string(Get_Catalogue_Change_Failure()); },
            Get_Catalogue_Unkept_Reason(),
            Library_Store_Records};
}

std::unique_ptr<TMain_Form> Create_Windows(TServices& services) {
    auto main_form = std::make_unique<TMain_Form>(services);
    main_form->Attach_Dialog(TMenu_Command::About, new TAboutBox(main_form.get()));
    auto* parties = new TCharacter_Choice_Dialog(services, main_form.get());
    main_form->Attach_Dialog(TMenu_Command::Parties, parties);
    auto* creatures = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::Creatures, main_form.get());
    auto* compounds = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::Compounds, main_form.get());
    auto* qids = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::QIDs, main_form.get());
    creatures->Attach_Editor(new TCreature_Edit(services, main_form.get()));
    compounds->Attach_Editor(new TCompound_Edit(services, main_form.get()));
    qids->Attach_Editor(new TQID_Edit(services, main_form.get()));
    main_form->Attach_Dialog(TMenu_Command::GM_Helper, new TGM_Helper_Form(services, main_form.get()));
    auto* items = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::Items, main_form.get());
    items->Attach_Editor(new TArmor_Edit(services, main_form.get()));
    auto* effects = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::Effects, main_form.get());
    effects->Attach_Editor(new TEffect_Edit(services, main_form.get()));
    auto* poisons = new TCatalogue_Choice_Dialog(services, TCatalogue_Choice::Poisons, main_form.get());
    poisons->Attach_Editor(new TPoison_Edit(services, main_form.get()));
    main_form->Attach_Dialog(TMenu_Command::Creature_List,
                             new TGenerate_Creatures_Form(services, main_form.get()));
    main_form->Attach_Dialog(TMenu_Command::Creatures, creatures);
    main_form->Attach_Dialog(TMenu_Command::Compounds, compounds);
    main_form->Attach_Dialog(TMenu_Command::Effects, effects);
    main_form->Attach_Dialog(TMenu_Command::Items, items);
    main_form->Attach_Dialog(TMenu_Command::Poisons, poisons);
    main_form->Attach_Dialog(TMenu_Command::QIDs, qids);
    // No menu command opens the inventory: the parties dialog and the wizard show it.
    parties->Use_Inventory(*new TInventory_Dialog(services, main_form.get()));
    services.Help.Set_Popup_Window(new TPopup_Help_Dialog(main_form.get()));
    return main_form;
}

namespace {

// What went wrong with the catalogue file, and a second copy running on the same campaign folder,
// told once after the main window is up.
void Show_Start_Problems(TUser_Prompts& prompts, const TResult& alone) {
    const std::string status = Get_Catalogue_Status();
    if (!status.empty())
        prompts.Show_Message(TMessage_Kind::Warning, QApplication::applicationName(), To_QString(status));
    if (!alone.Ok())
        prompts.Show_Message(TMessage_Kind::Warning, QApplication::applicationName(),
                             To_QString(std::string(Second_Copy_Note) + "\n\n" + alone.Problem()));
}

} // namespace

int Run_Vexlor(int argc, char* argv[]) {
    TQt_User_Prompts prompts; // outlives the application, whose safety net reports through it
    TVexlor_Application application(argc, argv);
    Randomize();
    application.Set_Title(To_QString(Application_Title));
    application.Set_Prompts(&prompts);
    try {
        // Held while the program runs; the operating system lets go of it however the program ends.
        TFile_Lock running;
        const TResult alone = running.Take(std::string(Program_Lock_File_Name), std::chrono::milliseconds(0));
        TProgram_Services services(prompts, Library_Catalogues(), Program_Folder());
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(services.Get());
        main_form->show();
        QTimer::singleShot(0, main_form.get(), [&prompts, &alone] { Show_Start_Problems(prompts, alone); });
        return application.exec();
    } catch (const std::exception& error) {
        prompts.Show_Message(TMessage_Kind::Error, application.Title(), To_QString(error.what()));
        return 1;
    }
}

} // namespace Vexlor
