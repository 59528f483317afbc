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

} // namespace

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
