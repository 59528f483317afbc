#include "Test_Services.h"

#include "foundations/Files.h"
#include "referee/Tables.h"
#include "shell/Vexlor_Application.h"
#include "widgets/Text_Convert.h"

namespace Vexlor::Test {
namespace {

template <class Registry> void Load(Registry& registry, const std::string& file_name) {
    const std::string text =
        Read_File(std::filesystem::path(VEXLOR_STARTER_CATALOGUE) / file_name).value_or("");
    Add_Records(registry, text, [](const auto&) { return true; });
}

// The records of texts into registry, each kept or replacing the record of its name.
template <class T, class Registry>
void Store_Into(TMemory_Registry<T, Registry>& registry, const std::vector<std::string>& texts, bool replace,
                TRecords_Stored& stored) {
    for (const std::string& text : texts) {
        auto record = std::make_unique<T>();
        record->Deserialize(text.c_str());
        const bool held = registry.Get(record->Get_Name()) != nullptr;
        if (held && !replace) {
            ++stored.Kept;
            continue;
        }
        ++(held ? stored.Replaced : stored.Added);
        registry.Add(record.release());
    }
}

} // namespace

std::string TMemory_Catalogues::Store_Records(const std::string& catalogue,
                                              const std::vector<std::string>& texts, bool replace,
                                              TRecords_Stored& stored) {
    stored = {};
    if (!Store.Failing.empty())
        return "The records could not be stored (" + Store.Failing + "); nothing was imported.";
    if (catalogue == "items")
        Store_Into(Items, texts, replace, stored);
    else if (catalogue == "creatures")
        Store_Into(Creatures, texts, replace, stored);
    else if (catalogue == "qids")
        Store_Into(QIDs, texts, replace, stored);
    else if (catalogue == "compounds")
        Store_Into(Compounds, texts, replace, stored);
    else if (catalogue == "effects")
        Store_Into(Effects, texts, replace, stored);
    else if (catalogue == "poisons")
        Store_Into(Poisons, texts, replace, stored);
    else
        return "There is no catalogue called \"" + catalogue + "\".";
    return {};
}

void TMemory_Catalogues::Load_Starter() {
    Load(Items, "items.txt");
    Load(Creatures, "creatures.txt");
    Load(QIDs, "qids.txt");
    Load(Compounds, "compounds.txt");
    Load(Effects, "effects.txt");
    Load(Poisons, "poisons.txt");
}

TTest_Services::TTest_Services()
    : Help(std::make_unique<THelp_System>(Program_Folder(), Help_File_Name, Prompts)),
      Popup(std::make_unique<TPopup_Help_Dialog>()),
      Output(std::make_unique<TOutput_File>([this](const std::string& message) {
          Prompts.Show_Message(TMessage_Kind::Error, QStringLiteral("Output file"), To_QString(message));
      })),
      Shared{{*Help, Prompts}, Catalogues.Get(), Master_Table, *Output} {
    Help->Set_Popup_Window(Popup.get());
}

TTest_Services::~TTest_Services() = default;

} // namespace Vexlor::Test
