#include "Inventory.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/CommonUt.h"
#include "foundations/HTML.h"

#include <algorithm>
#include <stdexcept>

namespace Vexlor {
namespace {

// Names are listed alphabetically without regard to case; names equal but for case keep the order
// in which they were added.
bool Name_Before(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Lower_Char(x)) < static_cast<unsigned char>(Lower_Char(y));
    });
}

void Sort_Entries(TInventory_List& list) {
    std::stable_sort(list.begin(), list.end(), [](const TInventory_Entry& a, const TInventory_Entry& b) {
        return Name_Before(a.Name, b.Name);
    });
}

TInventory_Entry& Insert_Sorted(TInventory_List& list, std::string name) {
    const auto place =
        std::upper_bound(list.begin(), list.end(), name, [](const std::string& key, const auto& entry) {
            return Name_Before(key, entry.Name);
        });
    return *list.insert(place, TInventory_Entry{std::move(name), nullptr});
}

TInventory_List& Contents_Of(TInventory_Entry& entry) {
    if (!entry.Contents)
        entry.Contents = std::make_unique<TInventory_List>();
    return *entry.Contents;
}

// The names of a "|"-separated list. A list ending in "|" is the catalogues' own style, and a
// stored <equip></equip> holds no name at all: empty pieces name nothing and are left out. A name
// ends at its first "<", as a held item's name does in the stored text, so that every name written
// reads back the same.
std::vector<std::string> Names_Of_List(std::string_view list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= list.size()) {
        auto bar = list.find('|', from);
        if (bar == std::string_view::npos)
            bar = list.size();
        const std::string_view piece = list.substr(from, bar - from);
        const std::string_view name = piece.substr(0, piece.find('<'));
        if (!name.empty())
            names.emplace_back(name);
        from = bar + 1;
    }
    return names;
}

// The tag's name up to its first "=" (and, when stop_at_close, its first ">").
std::string_view Tag_Name(std::string_view token, bool stop_at_close) {
    return token.substr(0,
                        token.find_first_of(stop_at_close ? std::string_view("=>") : std::string_view("=")));
}

// Reads the inventory's sections out of a tagged text in one pass over its tokens. Each section
// read is a frame on a stack: it ends at its own end tag, counted past sections of the same name
// opened inside it, and a section ends with the section around it. So the text reads exactly as
// if each section were cut out whole and read again on its own, but every token is read once.
class TInventory_Reader {
  public:
    explicit TInventory_Reader(std::vector<std::string>& equipped) : Equipped(equipped) {}

    // A stored text: its <items> sections go to items, the names of its <equip> sections to the
    // equipped names; every other section is skipped.
    void Read_Stored_Text(std::string_view text, TInventory_List& items) {
        Sections.push_back(TSection{.Kind = Stored_Text});
        Items = &items;
        Read(text);
    }

    // An item's text, its name followed by its contents, as a new entry of target.
    void Read_Item(std::string_view text, TInventory_List& target) {
        Sections.push_back(TSection{.Kind = Items_Section, .List = &target});
        Open_Item(target, 1, {});
        Read(text);
    }

  private:
    enum TSection_Kind { Stored_Text, Items_Section, Item_Section, Equip_Section, Skipped_Section };

    struct TSection {
        TSection_Kind Kind = Stored_Text;
        std::string End_Tag{}; // "</name>"; empty for a text read to its end
        std::string Start_Prefix{};
        int Depth = 0;                   // sections of its own name opened inside and still open
        TInventory_List* List = nullptr; // items: where its entries go; an item: the list holding it
        std::size_t Entry = 0;           // an item: its index in List
        int Level = 0;                   // an item: 1 at the top level
        bool Named = false;              // an item: its first token has been read
        std::string Text{};              // equipment: the section's text
    };

    void Read(std::string_view text) {
        TSHTML_Parser parser;
        parser.Preserve_Whitespace = true;
        parser.Set_Source_View(text);
        for (std::string_view token = parser.Next_Token(); !token.empty(); token = parser.Next_Token())
            if (token.front() != '<' || !Ends_Section(token))
                Take(token);
        Close_From(0);
    }

    // Counts the token in every open section, outermost first, as reading each section cut out
    // on its own would; true when it ends one, which ends every section inside it too.
    bool Ends_Section(std::string_view token) {
        for (std::size_t i = 0; i < Sections.size(); ++i) {
            TSection& section = Sections[i];
            if (section.End_Tag.empty())
                continue;
            if (Same_Text(token, section.End_Tag) && --section.Depth < 0) {
                Close_From(i);
                return true;
            }
            if (Opens_Section(token, section.Start_Prefix))
                ++section.Depth;
        }
        return false;
    }

    // "<name", "<name=..." and "<name>" open a section called name.
    static bool Opens_Section(std::string_view token, std::string_view prefix) {
        if (token.size() < prefix.size() || !Same_Text(token.substr(0, prefix.size()), prefix))
            return false;
        const std::string_view rest = token.substr(prefix.size());
        return rest.empty() || rest.front() == '=' || rest == ">";
    }

    // The token as the innermost open section reads it.
    void Take(std::string_view token) {
        TSection& section = Sections.back();
        switch (section.Kind) {
        case Stored_Text:
            Take_Stored_Text(token);
            break;
        case Items_Section:
            Take_Contents(token, 1, [&]() -> TInventory_List& { return *section.List; });
            break;
        case Item_Section:
            Take_Item(token, section);
            break;
        case Equip_Section:
            section.Text += token;
            break;
        case Skipped_Section:
            break;
        }
    }

    void Take_Stored_Text(std::string_view token) {
        if (token.front() != '<' || token.starts_with("<#"))
            return;
        const std::string_view name = Tag_Name(token, false);
        if (Same_Text(name, "<items>"))
            Open(token, TSection{.Kind = Items_Section, .List = Items});
        else if (Same_Text(name, "<equip>"))
            Open(token, TSection{.Kind = Equip_Section});
        else
            Open(token, TSection{.Kind = Skipped_Section});
    }

    // Inside <items> and inside an item, an <item> element is an entry of the list that list_of
    // gives, at the given level (1 at the top); text outside any <item> means nothing, and other
    // sections are skipped whole. Containers nested deeper than Deepest_Level are not followed:
    // their contents are skipped like any unknown section, so the rest of the text still reads.
    template <class List_Of> void Take_Contents(std::string_view token, int level, List_Of list_of) {
        if (token.front() != '<' || token.starts_with("<#"))
            return;
        if (Same_Text(Tag_Name(token, true), "<item") && level <= Deepest_Level)
            Open_Item(list_of(), level, token);
        else
            Open(token, TSection{.Kind = Skipped_Section});
    }

    // An item's first token is its name when it is text; the rest is its contents.
    void Take_Item(std::string_view token, TSection& section) {
        TInventory_Entry& entry = (*section.List)[section.Entry];
        if (!section.Named) {
            section.Named = true;
            if (token.front() != '<') {
                entry.Name = token;
                return;
            }
        }
        Take_Contents(token, section.Level + 1, [&]() -> TInventory_List& { return Contents_Of(entry); });
    }

    void Open_Item(TInventory_List& list, int level, std::string_view token) {
        list.emplace_back();
        TSection section{.Kind = Item_Section, .List = &list, .Entry = list.size() - 1, .Level = level};
        if (token.empty())
            Sections.push_back(std::move(section));
        else
            Open(token, std::move(section));
    }

    // Opens the section that token starts, named as the section reader names it: the tag without
    // its "<", a ">" at its end and anything from its first "=", in small letters.
    void Open(std::string_view token, TSection section) {
        std::string_view stem = token.substr(1);
        if (!stem.empty() && stem.back() == '>')
            stem.remove_suffix(1);
        const std::string name = Lower_Case(std::string(stem.substr(0, stem.find('='))));
        section.End_Tag = "</" + name + ">";
        section.Start_Prefix = "<" + name;
        Sections.push_back(std::move(section));
    }

    // Ends the section at index and every section inside it, innermost first, so that an item is
    // finished before the list holding it is sorted.
    void Close_From(std::size_t index) {
        while (Sections.size() > index) {
            Finish(Sections.back());
            Sections.pop_back();
        }
    }

    void Finish(TSection& section) {
        if (section.Kind == Items_Section)
            Sort_Entries(*section.List);
        else if (section.Kind == Item_Section && (*section.List)[section.Entry].Contents)
            Sort_Entries(*(*section.List)[section.Entry].Contents);
        else if (section.Kind == Equip_Section)
            for (std::string& name : Names_Of_List(section.Text))
                Equipped.push_back(std::move(name));
    }

    std::vector<TSection> Sections;
    TInventory_List* Items = nullptr;
    std::vector<std::string>& Equipped;
};

template <class Registry> std::vector<std::string> Names_In(Registry* registry) {
    std::vector<std::string> names;
    if (!registry)
        return names;
    const std::int32_t count = registry->Count();
    for (std::int32_t index = 0; index < count; ++index)
        if (const auto* record = registry->Get(index))
            names.emplace_back(record->Get_Name());
    return names;
}

template <class Registry>
TInventory_Help Help_Of(Registry* registry, const std::string& name, THelp_Kind kind) {
    const auto* record = registry ? registry->Get(name.c_str()) : nullptr;
    if (!record || !*record->Get_Description())
        return {};
    return {kind, record->Get_Name(), record->Get_Description()};
}

void Append_Entries(const TInventory_List& list, std::string& text) {
    for (const TInventory_Entry& entry : list) {
        text += "<item>";
        text += entry.Name;
        if (entry.Contents)
            Append_Entries(*entry.Contents, text);
        text += "</item>";
    }
}

} // namespace

TInventory::TInventory(const TCatalogues& catalogues) : Catalogues(catalogues) {}

std::string TInventory::Serialize() const {
    std::string text = "<items>";
    Append_Entries(_Items, text);
    text += "</items><equip>";
    for (std::size_t i = 0; i < _Equipped.size(); ++i) {
        if (i > 0)
            text += '|';
        text += _Equipped[i];
    }
    text += "</equip>";
    return text;
}

void TInventory::Deserialize(std::string_view text) {
    _Items.clear();
    _Current = nullptr;
    _Nest.clear();
    Opened_Names.clear();
    _Equipped.clear();
    TInventory_Reader(_Equipped).Read_Stored_Text(text, _Items);
    std::stable_sort(_Equipped.begin(), _Equipped.end(), Name_Before);
}

void TInventory::Create_Item(std::string_view text) {
    std::vector<std::string> no_equipment;
    TInventory_Reader(no_equipment).Read_Item(text, Shown_List());
}

void TInventory::Add_QIDs(std::string_view list) {
    Add_Carried(list, " QID", " plan");
}

void TInventory::Add_Compounds(std::string_view list) {
    Add_Carried(list, " compound", " recipe");
}

void TInventory::Add_Carried(std::string_view list, std::string_view held_suffix,
                             std::string_view pid_suffix) {
    for (const std::string& name : Names_Of_List(list)) {
        Insert_Sorted(_Items, name + std::string(held_suffix));
        Insert_Sorted(PID_Contents(), name + std::string(pid_suffix));
    }
}

TInventory_List& TInventory::PID_Contents() {
    const auto pid =
        std::find_if(_Items.begin(), _Items.end(), [](const auto& entry) { return entry.Name == PID_Name; });
    return Contents_Of(pid != _Items.end() ? *pid : Insert_Sorted(_Items, std::string(PID_Name)));
}

std::string TInventory::Nest_Level() const {
    std::string breadcrumb;
    for (const std::string& name : Opened_Names) {
        if (!breadcrumb.empty())
            breadcrumb += " > ";
        breadcrumb += name;
    }
    return breadcrumb;
}

bool TInventory::In_PID() const {
    return std::find(Opened_Names.begin(), Opened_Names.end(), PID_Name) != Opened_Names.end();
}

std::size_t TInventory::Checked_Index(int index, std::size_t size) const {
    if (index < 0 || static_cast<std::size_t>(index) >= size)
        throw std::out_of_range("Inventory entry " + std::to_string(index) + " outside the " +
                                std::to_string(size) + " entries");
    return static_cast<std::size_t>(index);
}

const TItem_Template* TInventory::Item_Template(const std::string& name) const {
    return Catalogues.Items ? Catalogues.Items->Get(name.c_str()) : nullptr;
}

bool TInventory::Can_Open(int index) const {
    const TInventory_List& shown = Shown();
    if (index < 0 || static_cast<std::size_t>(index) >= shown.size())
        return false;
    // The open container's entries lie one level below the containers opened so far.
    if (static_cast<int>(Opened_Names.size()) + 1 >= Deepest_Level)
        return false;
    const std::string& name = shown[static_cast<std::size_t>(index)].Name;
    if (name == PID_Name)
        return true;
    const TItem_Template* item = Item_Template(name);
    return item && item->Get_Capacity() != 0;
}

void TInventory::Nest(int index) {
    TInventory_Entry& entry = Shown_List()[Checked_Index(index, Shown().size())];
    if (_Current)
        _Nest.push_back(_Current);
    Opened_Names.push_back(entry.Name);
    _Current = &Contents_Of(entry);
}

void TInventory::Back() {
    if (_Nest.empty()) {
        _Current = nullptr;
    } else {
        _Current = _Nest.back();
        _Nest.pop_back();
    }
    if (!Opened_Names.empty())
        Opened_Names.pop_back();
}

void TInventory::Delete(int index) {
    TInventory_List& shown = Shown_List();
    shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(Checked_Index(index, shown.size())));
}

bool TInventory::Can_Equip(int index) const {
    if (_Current || index < 0 || static_cast<std::size_t>(index) >= _Items.size())
        return false;
    const std::string& name = _Items[static_cast<std::size_t>(index)].Name;
    const TItem_Template* item = Item_Template(name);
    return item && (item->Get_Classification() == IC_Weapon || item->Get_Equip_Class() != EC_None) &&
           std::find(_Equipped.begin(), _Equipped.end(), name) == _Equipped.end();
}

void TInventory::Equip(int index) {
    if (!Can_Equip(index))
        return;
    const std::string name = _Items[static_cast<std::size_t>(index)].Name;
    const TItem_Template* item = Item_Template(name);
    const bool weapon = item->Get_Classification() == IC_Weapon;
    // One weapon at a time, one item per body place: only the first conflicting entry makes room.
    const auto conflict = std::find_if(_Equipped.begin(), _Equipped.end(), [&](const std::string& other) {
        const TItem_Template* worn = Item_Template(other);
        if (!worn)
            return false;
        return weapon ? worn->Get_Classification() == IC_Weapon
                      : (worn->Get_Equip_Class() & item->Get_Equip_Class()) != 0;
    });
    if (conflict != _Equipped.end())
        _Equipped.erase(conflict);
    Insert_Equipped(name);
}

void TInventory::Unequip(int index) {
    _Equipped.erase(_Equipped.begin() + static_cast<std::ptrdiff_t>(Checked_Index(index, _Equipped.size())));
}

void TInventory::Insert_Equipped(std::string name) {
    const auto place = std::upper_bound(_Equipped.begin(), _Equipped.end(), name, Name_Before);
    _Equipped.insert(place, std::move(name));
}

std::vector<std::string> TInventory::Catalogue_Names(TCatalogue_Page page) const {
    switch (page) {
    case Page_Items:
        return Names_In(Catalogues.Items);
    case Page_QIDs:
    case Page_Plans:
        return Names_In(Catalogues.QIDs);
    case Page_Compounds:
    case Page_Recipes:
        return Names_In(Catalogues.Compounds);
    }
    return {};
}

void TInventory::Add_From_Catalogue(TCatalogue_Page page, const std::string& name) {
    static constexpr std::string_view Suffixes[] = {"", " QID", " compound", " QID plan", " compound recipe"};
    Create_Item(name + std::string(Suffixes[page]));
}

TInventory_Help TInventory::QID_Plan_Help(const std::string& name) const {
    return Help_Of(Catalogues.QIDs, name, Help_QID_Plan);
}

TInventory_Help TInventory::Compound_Plan_Help(const std::string& name) const {
    return Help_Of(Catalogues.Compounds, name, Help_Compound_Plan);
}

TInventory_Help TInventory::Item_Help(const std::string& name) const {
    return Help_Of(Catalogues.Items, name, Help_Item);
}

TInventory_Help TInventory::Held_Help(const std::string& name) const {
    // A held name says what it is by its ending, the longest ending first. The plan or compound
    // before the ending is explained when the catalogue has it; any other name (an item called
    // "Atomic planer" too) is explained from the item template of that whole name.
    struct TEnding {
        std::string_view Text;
        THelp_Kind Kind;
    };
    static constexpr TEnding Endings[] = {{" compound recipe", Help_Compound_Plan},
                                          {" QID plan", Help_QID_Plan},
                                          {" compound", Help_Compound_Plan},
                                          {" recipe", Help_Compound_Plan},
                                          {" plan", Help_QID_Plan},
                                          {" QID", Help_QID_Plan}};
    for (const TEnding& ending : Endings) {
        if (!std::string_view(name).ends_with(ending.Text))
            continue;
        const std::string plan = name.substr(0, name.size() - ending.Text.size());
        TInventory_Help help = ending.Kind == Help_QID_Plan ? QID_Plan_Help(plan) : Compound_Plan_Help(plan);
        if (help.Kind != Help_None)
            return help;
        break;
    }
    return Item_Help(name);
}

TInventory_Help TInventory::Catalogue_Help(TCatalogue_Page page, const std::string& name) const {
    switch (page) {
    case Page_Items:
        return Item_Help(name);
    case Page_QIDs:
    case Page_Plans:
        return QID_Plan_Help(name);
    case Page_Compounds:
    case Page_Recipes:
        return Compound_Plan_Help(name);
    }
    return {};
}

} // namespace Vexlor
