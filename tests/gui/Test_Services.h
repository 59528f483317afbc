// The services a window under test is built with: the scripted user, the help of the program
// folder, an output file, the random tables, and six catalogues held in memory (empty, or filled
// from texts of one record per line, or from the starter catalogue).
#pragma once

#include "Memory_Registry.h"
#include "Scripted_Prompts.h"

#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"
#include "referee/Output_File.h"
#include "shell/Services.h"
#include "widgets/Help_System.h"
#include "widgets/Popup_Help_Dialog.h"

#include <memory>
#include <string>

namespace Vexlor::Test {

struct TMemory_Catalogues {
    TMemory_Registry<TItem_Template, TItem_Registry> Items;
    TMemory_Registry<TCreature_Profile, TCreature_Registry> Creatures;
    TMemory_Registry<TQID_Plan, TQID_Registry> QIDs;
    TMemory_Registry<TCompound_Plan, TCompound_Registry> Compounds;
    TMemory_Registry<TEffect_Template, TEffect_Registry> Effects;
    TMemory_Registry<TPoison_Template, TPoison_Registry> Poisons;

    // A file behind them that a test can make fail (Store.Failing).
    TMemory_Store Store;

    TMemory_Catalogues() {
        Items.Store = &Store;
        Creatures.Store = &Store;
        QIDs.Store = &Store;
        Compounds.Store = &Store;
        Effects.Store = &Store;
        Poisons.Store = &Store;
    }
    TMemory_Catalogues(const TMemory_Catalogues&) = delete;
    TMemory_Catalogues& operator=(const TMemory_Catalogues&) = delete;
    TCatalogues Get() {
        return {&Items,
                &Creatures,
                &QIDs,
                &Compounds,
                &Effects,
                &Poisons,
                [this] { return Store.Last_Failure; },
                {},
                [this](const std::string& catalogue, const std::vector<std::string>& texts, bool replace,
                       TRecords_Stored& stored) { return Store_Records(catalogue, texts, replace, stored); }};
    }
    // Stores an exchange file's records as the catalogue library does: all of them, or none while
    // the store fails.
    std::string Store_Records(const std::string& catalogue, const std::vector<std::string>& texts,
                              bool replace, TRecords_Stored& stored);
    // Every record of the starter catalogue shipped in data/catalogues.
    void Load_Starter();
};

class TTest_Services {
  public:
    TTest_Services();
    ~TTest_Services();

    TScripted_Prompts Prompts;
    TMemory_Catalogues Catalogues;
    TServices& Get() { return Shared; }

  private:
    std::unique_ptr<THelp_System> Help;
    std::unique_ptr<TPopup_Help_Dialog> Popup;
    std::unique_ptr<TOutput_File> Output;
    TServices Shared;
};

} // namespace Vexlor::Test
