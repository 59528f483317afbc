// The possessions of a player character: a tree of held items (containers hold further items),
// the list of what the character wears and wields, and the QIDs, compounds, QID plans and compound
// recipes it carries. Items are known only by name; their properties stay in the catalogues, which
// the inventory consults by name through the registries. The inventory's tagged text is the second
// half of a character's stored text in the party file.
#pragma once

#include "catalogues/Catalogue_Registry.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

struct TInventory_Entry;
// One level of held entries, kept sorted by name without regard to case.
using TInventory_List = std::vector<TInventory_Entry>;

// A held entry: an item template's name, a QID ("<name> QID"), a QID plan ("<name> QID plan", or
// "<name> plan" inside the "PID"), a compound ("<name> compound"), a compound recipe ("<name>
// compound recipe", or "<name> recipe" inside the "PID"), the "PID" itself, or a name no catalogue
// knows, which is kept as it is.
struct TInventory_Entry {
    std::string Name;
    // What a container holds; null until something is put in it or it is opened.
    std::unique_ptr<TInventory_List> Contents;
};

// The container that holds a character's plans and recipes.
inline constexpr std::string_view PID_Name = "PID";

// Containers inside containers are followed this many levels deep in a stored text, and no
// container can be opened whose contents would lie deeper.
inline constexpr int Deepest_Level = 64;

// The catalogue pages from which entries are added, in the order the inventory shows them.
enum TCatalogue_Page { Page_Items, Page_QIDs, Page_Compounds, Page_Plans, Page_Recipes };
inline constexpr TCatalogue_Page Catalogue_Pages[] = {Page_Items, Page_QIDs, Page_Compounds, Page_Plans,
                                                      Page_Recipes};

// What right-clicking an entry explains: a QID plan, a compound plan or an item template, with
// the record's name as the title and its description as the text.
enum THelp_Kind { Help_None, Help_QID_Plan, Help_Compound_Plan, Help_Item };
struct TInventory_Help {
    THelp_Kind Kind = Help_None;
    std::string Title;
    std::string Text;
};

// The plan a held name carries, told by its ending, the longest ending first: "<plan> QID",
// "<plan> QID plan" and, in the "PID", "<plan> plan" carry a QID plan; "<plan> compound",
// "<plan> compound recipe" and "<plan> recipe" a compound plan. Any other name carries none.
struct TCarried_Plan {
    THelp_Kind Kind = Help_None;
    std::string Plan;
};
TCarried_Plan Carried_Plan(std::string_view name);

class TInventory {
  public:
    // The item, QID and compound registries are consulted by name; any of them may be missing.
    explicit TInventory(const TCatalogues& catalogues = {});

    // <items><item>name<item>content</item>...</item>...</items><equip>name|name</equip>, from the
    // whole tree whatever level is shown. Names are written as they are.
    std::string Serialize() const;
    // Replaces every held and equipped entry from a tagged text, which may hold other tags around
    // the inventory (a character's stored text holds the character's own first); shows the top
    // level. Never fails: text without the inventory's tags leaves it empty.
    void Deserialize(std::string_view text);
    // Creates an entry at the level shown from an item's text: its name up to the first "<",
    // followed by the <item> elements of its contents.
    void Create_Item(std::string_view text);
    // For each name of a "|"-separated list: name + " QID" at the top level and name + " plan" in
    // the top-level "PID", which is added when there is none.
    void Add_QIDs(std::string_view list);
    // The same with " compound" at the top level and " recipe" in the "PID".
    void Add_Compounds(std::string_view list);

    const TInventory_List& Items() const { return _Items; }
    // The entries of the level shown: the top level, or the contents of the open container.
    const TInventory_List& Shown() const { return _Current ? *_Current : _Items; }
    // The names of the open containers, outermost first, joined by " > ".
    std::string Nest_Level() const;
    bool Can_Go_Back() const { return _Current != nullptr; }
    // Whether the "PID" is open (or a container inside it): only plans can be added then.
    bool In_PID() const;

    // Whether the entry shown at the index opens as a container: the "PID", or an item template
    // with a capacity, unless its contents would lie deeper than Deepest_Level.
    bool Can_Open(int index) const;
    // Opens the entry shown at the index as a container, giving it empty contents if it has none.
    void Nest(int index);
    // Goes up one level; from the outermost container, to the top level.
    void Back();
    // Removes the entry shown at the index (with its contents); the equipped list stays as it is.
    void Delete(int index);

    // What the character wears and wields, sorted by name without regard to case.
    const std::vector<std::string>& Equipped() const { return _Equipped; }
    // Whether the entry shown at the index can be equipped: only at the top level, an item template
    // that is a weapon or is worn on a body place, and not equipped already.
    bool Can_Equip(int index) const;
    // Equips the entry shown at the index after making room: a weapon replaces the first equipped
    // weapon, anything else the first equipped item worn on a body place it shares.
    void Equip(int index);
    // Takes the entry at the index off the equipped list; the held entry stays.
    void Unequip(int index);

    // The names a catalogue page lists, in registry order: item templates on "Items", QID plans on
    // "QIDs" and "Plans", compound plans on "Compounds" and "Recipes".
    std::vector<std::string> Catalogue_Names(TCatalogue_Page page) const;
    // Adds the held entry a catalogue page makes of a name, at the level shown.
    void Add_From_Catalogue(TCatalogue_Page page, const std::string& name);
    // Help for a held or equipped entry, chosen by the name's ending.
    TInventory_Help Held_Help(const std::string& name) const;
    // Help for an entry of a catalogue page: the page decides the kind.
    TInventory_Help Catalogue_Help(TCatalogue_Page page, const std::string& name) const;

  private:
    const TItem_Template* Item_Template(const std::string& name) const;
    std::size_t Checked_Index(int index, std::size_t size) const;
    TInventory_List& Shown_List() { return _Current ? *_Current : _Items; }
    TInventory_List& PID_Contents();
    void Add_Carried(std::string_view list, std::string_view held_suffix, std::string_view pid_suffix);
    void Insert_Equipped(std::string name);
    TInventory_Help QID_Plan_Help(const std::string& name) const;
    TInventory_Help Compound_Plan_Help(const std::string& name) const;
    TInventory_Help Item_Help(const std::string& name) const;

    TCatalogues Catalogues;
    TInventory_List _Items;
    TInventory_List* _Current = nullptr;   // the open container's contents; null at the top level
    std::vector<TInventory_List*> _Nest;   // the contents of the containers opened above _Current
    std::vector<std::string> Opened_Names; // the names of the open containers, outermost first
    std::vector<std::string> _Equipped;
};

} // namespace Vexlor
