// The list dialogs of the six catalogues, one family: a list of a catalogue's records with Create,
// Edit, Delete, Export and Import and, for items, QIDs and compounds, a filter. What differs between
// them is a table.
#pragma once

#include "catalogues/editing/Catalogue_Exchange.h"
#include "catalogues/editing/Catalogue_Lists.h"
#include "shell/Services.h"
#include "widgets/Kit_Dialog.h"

#include <memory>
#include <optional>
#include <string>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace Vexlor {

class TRecord_Editor;

// The catalogue a list dialog shows.
using TCatalogue_Choice = TCatalogue_Kind;

class TCatalogue_Choice_Dialog : public TKit_Dialog {
    Q_OBJECT

  public:
    TCatalogue_Choice_Dialog(TServices& services, TCatalogue_Choice choice, QWidget* parent = nullptr);
    ~TCatalogue_Choice_Dialog() override;

    // The editor that Create and Edit open; until one is attached they do nothing.
    void Attach_Editor(TRecord_Editor* editor);
    // Lists the catalogue afresh and fits the window to the screen.
    void Prepare() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build_Filter(const TCatalogue_List_Kind& kind, QBoxLayout* layout);
    TList_Filter Filter() const;
    void Rebuild();
    void Select(const std::string& name);
    void Update_Edit_Button();
    std::optional<std::string> Selected_Name() const;
    void Create();
    void Edit();
    void Delete_Selected();
    void Run_Editor(const std::optional<std::string>& edited_name);
    // Tells the game master at once of a change the catalogue could not store.
    void Tell_Failure(const TResult& result);
    void Show_Filter(const TList_Filter& filter);
    // Says once, before the first change, that the catalogues keep changes only until the end.
    void Tell_Unkept();

    const TCatalogues Catalogues; // exported from and imported into
    const TCatalogue_Choice Choice;
    std::unique_ptr<TCatalogue_List> Catalogue;
    std::string Unkept_Reason; // why changes last only until the program ends; empty: they are kept
    bool Unkept_Told = false;
    TRecord_Editor* Editor = nullptr;
    QListWidget* List = nullptr;
    QPushButton* Edit_Button = nullptr;
    QComboBox* Classification = nullptr;
    QCheckBox* Show_All = nullptr;
    QSpinBox* Level = nullptr;
    QCheckBox* All_Levels = nullptr;
};

} // namespace Vexlor
