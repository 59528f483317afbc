// The list dialogs of the six catalogues: what differs between them, their filters, the catalogue
// as they reach it, and the choices they make after a change.
#pragma once

#include "catalogues/Catalogue_Ownership.h"
#include "catalogues/editing/Effect_Editing.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace Vexlor {

class TItem_Template;
class TQID_Plan;
class TCompound_Plan;

enum class TList_Filter_Kind {
    None,
    Classification, // a classification drop-down and "Show all"
    Level,          // a level spin box and "All levels"
};

// What one list dialog shows of its own.
struct TCatalogue_List_Kind {
    std::string_view Caption;
    std::string_view List_Label;
    std::string_view Create_Caption;
    TList_Filter_Kind Filter = TList_Filter_Kind::None;
    int Highest_Level = 0; // the top of the level filter
};

inline constexpr TCatalogue_List_Kind Item_List_Kind{"Create/Edit Items", "Items:", "Create Item...",
                                                     TList_Filter_Kind::Classification};
inline constexpr TCatalogue_List_Kind Creature_List_Kind{"Create/Edit Creature",
                                                         "Creatures:", "Create Creature..."};
inline constexpr TCatalogue_List_Kind QID_List_Kind{"Create/Edit QID", "QIDs:", "Create QID...",
                                                    TList_Filter_Kind::Level, 10};
inline constexpr TCatalogue_List_Kind Compound_List_Kind{
    "Create/Edit Compound", "Compounds:", "Create Compound...", TList_Filter_Kind::Level, 9};
inline constexpr TCatalogue_List_Kind Effect_List_Kind{"Create/Edit Effects", "Effects:", "Create Effect..."};
inline constexpr TCatalogue_List_Kind Poison_List_Kind{"Create/Edit Poisons", "Poisons:", "Create Poison"};

// What the filter controls let through: none lets every record through.
struct TList_Filter {
    std::optional<std::string> Classification; // the item class text the drop-down shows
    std::optional<int> Level;
};

// Whether a record is listed under the filter. Catalogues without a filter list every record.
template <class Record> bool Is_Listed(const Record&, const TList_Filter&) {
    return true;
}
bool Is_Listed(const TItem_Template& item, const TList_Filter& filter);
bool Is_Listed(const TQID_Plan& plan, const TList_Filter& filter);
bool Is_Listed(const TCompound_Plan& plan, const TList_Filter& filter);

// The filter that shows a record just stored: current when it lists the record, else the record's
// own classification or level, or every level when the level box cannot show its own (a level
// outside 1..highest_level), so that a new record never vanishes from its list unseen.
template <class Record> TList_Filter Filter_Showing(const Record&, const TList_Filter& current, int) {
    return current;
}
TList_Filter Filter_Showing(const TItem_Template& item, const TList_Filter& current, int highest_level);
TList_Filter Filter_Showing(const TQID_Plan& plan, const TList_Filter& current, int highest_level);
TList_Filter Filter_Showing(const TCompound_Plan& plan, const TList_Filter& current, int highest_level);

// One catalogue as a list dialog reaches it, whatever records it holds.
class TCatalogue_List {
  public:
    virtual ~TCatalogue_List() = default;
    // Puts the catalogue in listing order and gives the names of the records the filter lets
    // through, in that order.
    virtual std::vector<std::string> Listed_Names(const TList_Filter& filter) = 0;
    virtual bool Contains(const std::string& name) = 0;
    virtual TResult Delete(const std::string& name) = 0;
    // What uses the record called name and loses it with it, as Delete_Question names them.
    virtual std::vector<std::string> Users(const std::string& name) = 0;
    // The filter that lists the record called name (Filter_Showing); current when there is none.
    virtual TList_Filter Filter_Showing(const std::string& name, const TList_Filter& current,
                                        int highest_level) = 0;
};

// registry is one of catalogues.
template <class Record> class TRegistry_List final : public TCatalogue_List {
  public:
    TRegistry_List(TCatalogue_Registry<Record>& registry, TCatalogues catalogues)
        : Registry(registry), Catalogues(std::move(catalogues)) {}

    std::vector<std::string> Listed_Names(const TList_Filter& filter) override {
        Registry.Sort();
        std::vector<std::string> names;
        const std::int32_t count = Registry.Count();
        names.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
        for (std::int32_t index = 0; index < count; ++index)
            if (const Record* record = Registry.Get(index); record && Is_Listed(*record, filter))
                names.emplace_back(record->Get_Name());
        return names;
    }
    bool Contains(const std::string& name) override { return Registry.Get(name.c_str()) != nullptr; }
    TResult Delete(const std::string& name) override { return Delete_Record(Catalogues, Registry, name); }
    std::vector<std::string> Users(const std::string& name) override {
        if constexpr (std::is_same_v<Record, TEffect_Template>)
            return Effect_Users(Catalogues, name);
        else
            return {};
    }
    TList_Filter Filter_Showing(const std::string& name, const TList_Filter& current,
                                int highest_level) override {
        const Record* record = Registry.Get(name.c_str());
        return record ? Vexlor::Filter_Showing(*record, current, highest_level) : current;
    }

  private:
    TCatalogue_Registry<Record>& Registry;
    TCatalogues Catalogues;
};

// The line to select after deleting line `deleted` (0-based) from a list that has `remaining`
// lines left: the same position, the new last line when the last was deleted, none (-1) when the
// list is empty.
int Selection_After_Delete(int deleted, int remaining);

// The Yes/No question before a record is deleted.
inline constexpr std::string_view Delete_Caption = "Really delete";
// users are what loses the record with it (Effect_Users), named after the question.
std::string Delete_Question(const std::string& name, const std::vector<std::string>& users);

// The Yes/No question before a record is stored under a name another record has: Yes replaces
// that record, No goes back to the editor.
inline constexpr std::string_view Name_Clash_Caption = "Name in use";
std::string Name_Clash_Question(const std::string& name);

// The note beside an editor's name box while the name cannot be stored.
inline constexpr std::string_view Record_Name_Note = "Names cannot be blank or hold |, < or >.";

// Whether storing a record under new_name would replace another record: the name is taken and is
// not the name of the record being edited (none for a new record).
bool Replaces_Another(TCatalogue_List& catalogue, const std::optional<std::string>& edited_name,
                      const std::string& new_name);

} // namespace Vexlor
