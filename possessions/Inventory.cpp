#include "Inventory.h"

#include "catalogues/Compounds.h"
#include "catalogues/Item_Template.h"
#include "catalogues/QID_Plan.h"
#include "foundations/CommonUt.h"
#include "foundations/HTML.h"

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <utility>

namespace Vexlor {
namespace {

// Names are listed alphabetically without regard to case; names equal but for case keep the order
// in which they were added.
bool Name_Before(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Lower_Char(x)) < static_cast<unsigned char>(Lower_Char(y));
    });
}

// A level the program wrote is sorted already.
void Sort_Entries(TInventory_List& list) {
    const auto before = [](const TInventory_Entry& a, const TInventory_Entry& b) {
        return Name_Before(a.Name, b.Name);
    };
    if (!std::is_sorted(list.begin(), list.end(), before))
        std::stable_sort(list.begin(), list.end(), before);
}

TInventory_Entry& Insert_Sorted(TInventory_List& list, std::string name) {
    const auto place =
        std::upper_bound(list.begin(), list.end(), name, [](const std::string& key, const auto& entry) {
            return Name_Before(key, entry.Name);
        });
    return *list.insert(place, TInventory_Entry{std::move(name), nullptr});
}

TInventory_List& Contents_Of(TInventory_Entry& entry) {
    if (!entry.Contents) {
        entry.Contents = std::make_unique<TInventory_List>();
        // Room for what a pack or a case usually holds, so that filling it seldom moves it.
        entry.Contents->reserve(8);
    }
    return *entry.Contents;
}

// The names of a "|"-separated list. A list ending in "|" is the catalogues' own style, and a
// stored <equip></equip> holds no name at all: empty pieces name nothing and are left out. A name
// ends at its first "<", as a held item's name does in the stored text, so that every name written
// reads back the same.
std::vector<std::string> Names_Of_List(std::string_view list) {
    std::vector<std::string> names;
    for (std::string& name : Split_Names(list)) {
        name.erase(std::min(name.find('<'), name.size()));
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

// Text in small letters: text itself when it has no capital, else folded into folded (reusing its
// storage).
std::string_view Small_Letters(std::string_view text, std::string& folded) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return text;
    folded.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        folded[i] = Lower_Char(text[i]);
    return folded;
}

// Names compared byte by byte: they are short, and both are in small letters.
bool Same_Name(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// A tag as the section reader counts it, its names in small letters: the name of the section an
// end tag "</name>" ends, and the name of a section that "<name", "<name=..." or "<name>" opens.
// The names live in the token or in the buffers given, until the next tag is read.
struct TTag_Token {
    TTag_Token(std::string_view token, std::string& ended, std::string& opened)
        : Text(token), Is_End(token.size() >= 3 && token[1] == '/' && token.back() == '>') {
        if (Is_End)
            Ended = Small_Letters(token.substr(2, token.size() - 3), ended);
        std::string_view name = token.substr(1);
        if (const auto equals = name.find('='); equals != std::string_view::npos)
            name = name.substr(0, equals);
        else if (name.ends_with('>'))
            name.remove_suffix(1);
        Opened = Small_Letters(name, opened);
    }
    bool Is_Attribute() const { return Text.size() > 1 && Text[1] == '#'; }

    std::string_view Text;
    bool Is_End;
    std::string_view Ended;
    std::string_view Opened;
};

// Reads the inventory's sections out of a tagged text in one pass over its tokens. Each section
// read is a frame on a stack: it ends at its own end tag, counted past sections of the same name
// opened inside it, and a section ends with the section around it. So the text reads exactly as
// if each section were cut out whole and read again on its own, but every token is read once.
class TInventory_Reader {
  public:
    explicit TInventory_Reader(std::vector<std::string>& equipped) : Equipped(equipped) {
        Sections.reserve(Deepest_Level + 4);
    }

    // A stored text: its <items> sections go to items, the names of its <equip> sections to the
    // equipped names; every other section is skipped.
    void Read_Stored_Text(std::string_view text, TInventory_List& items) {
        Sections.push_back({.Kind = Stored_Text});
        Items = &items;
        Read(text);
    }

    // An item's text, its name followed by its contents, as a new entry of target.
    void Read_Item(std::string_view text, TInventory_List& target) {
        Sections.push_back({.Kind = Items_Section, .List = &target});
        target.emplace_back();
        Sections.push_back({.Kind = Item_Section, .List = &target, .Entry = target.size() - 1, .Level = 1});
        Read(text);
    }

  private:
    enum TSection_Kind { Stored_Text, Items_Section, Item_Section, Equip_Section, Skipped_Section };

    struct TSection {
        TSection_Kind Kind = Stored_Text;
        std::string_view Name{};         // in small letters; empty for a text read to its end
        bool Bounded = false;            // it ends at its end tag, not at the end of the text
        int Depth = 0;                   // sections of its own name opened inside and still open
        TInventory_List* List = nullptr; // items: where its entries go; an item: the list holding it
        std::size_t Entry = 0;           // an item: its index in List
        int Level = 0;                   // an item: 1 at the top level
        bool Named = false;              // an item: its first token has been read
    };

    void Read(std::string_view text) {
        TSHTML_Parser parser;
        parser.Preserve_Whitespace = true;
        parser.Set_Source_View(text);
        for (std::string_view token = parser.Next_Token(); !token.empty(); token = parser.Next_Token()) {
            if (token.front() != '<') {
                Take_Text(token);
                continue;
            }
            const TTag_Token tag(token, Ended_Name, Opened_Name);
            if (!Ends_Section(tag))
                Take_Tag(tag);
        }
        Close_From(0);
    }

    // Counts the tag in every open section, outermost first, as reading each section cut out on
    // its own would; true when it ends one, which ends every section inside it too.
    bool Ends_Section(const TTag_Token& tag) {
        for (std::size_t i = 0; i < Sections.size(); ++i) {
            TSection& section = Sections[i];
            if (!section.Bounded)
                continue;
            if (tag.Is_End && Same_Name(tag.Ended, section.Name) && --section.Depth < 0) {
                Close_From(i);
                return true;
            }
            if (Same_Name(tag.Opened, section.Name))
                ++section.Depth;
        }
        return false;
    }

    // Text is an item's name when it comes first in the item, and part of an equipment list;
    // anywhere else it means nothing.
    void Take_Text(std::string_view text) {
        TSection& section = Sections.back();
        if (section.Kind == Item_Section && !section.Named)
            (*section.List)[section.Entry].Name = text;
        else if (section.Kind == Equip_Section)
            Equip_Text += text;
        section.Named = true;
    }

    void Take_Tag(const TTag_Token& tag) {
        TSection& section = Sections.back();
        section.Named = true;
        switch (section.Kind) {
        case Stored_Text:
            Take_Stored_Tag(tag);
            break;
        case Items_Section:
            Take_Contents(tag, 1, [&]() -> TInventory_List& { return *section.List; });
            break;
        case Item_Section:
            Take_Contents(tag, section.Level + 1,
                          [&]() -> TInventory_List& { return Contents_Of((*section.List)[section.Entry]); });
            break;
        case Equip_Section:
            Equip_Text += tag.Text;
            break;
        case Skipped_Section:
            break;
        }
    }

    void Take_Stored_Tag(const TTag_Token& tag) {
        if (tag.Is_Attribute())
            return;
        const std::string_view name = tag.Text.substr(0, tag.Text.find('='));
        if (Same_Text(name, "<items>"))
            Sections.push_back({.Kind = Items_Section, .Name = "items", .Bounded = true, .List = Items});
        else if (Same_Text(name, "<equip>"))
            Sections.push_back({.Kind = Equip_Section, .Name = "equip", .Bounded = true});
        else
            Skip(tag);
    }

    // Inside <items> and inside an item, an <item> element is an entry of the list that list_of
    // gives, at the given level (1 at the top); text outside any <item> means nothing, and other
    // sections are skipped whole. Containers nested deeper than Deepest_Level are not followed:
    // their contents are skipped like any unknown section, so the rest of the text still reads.
    template <class List_Of> void Take_Contents(const TTag_Token& tag, int level, List_Of list_of) {
        if (tag.Is_Attribute())
            return;
        if (!Same_Name(tag.Opened, "item") || level > Deepest_Level) {
            Skip(tag);
            return;
        }
        TInventory_List& list = list_of();
        list.emplace_back();
        Sections.push_back({.Kind = Item_Section,
                            .Name = "item",
                            .Bounded = true,
                            .List = &list,
                            .Entry = list.size() - 1,
                            .Level = level});
    }

    // Skips the section the tag opens, named as the section reader names it: the tag without its
    // "<", a ">" at its end and anything from its first "=", in small letters.
    void Skip(const TTag_Token& tag) {
        Skipped_Names.emplace_back(tag.Opened);
        Sections.push_back({.Kind = Skipped_Section, .Name = Skipped_Names.back(), .Bounded = true});
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
            for (std::string& name : Names_Of_List(std::exchange(Equip_Text, {})))
                Equipped.push_back(std::move(name));
    }

    std::vector<TSection> Sections;
    std::deque<std::string> Skipped_Names; // the names of the skipped sections, kept in place
    std::string Equip_Text;                // the text of the equipment section being read
    std::string Ended_Name, Opened_Name;   // the names of the tag being read
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

std::size_t Written_Size(const TInventory_List& list) {
    std::size_t size = 0;
    for (const TInventory_Entry& entry : list)
        size += entry.Name.size() + std::size("<item></item>") +
                (entry.Contents ? Written_Size(*entry.Contents) : 0);
    return size;
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

TCarried_Plan Carried_Plan(std::string_view name) {
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
    for (const TEnding& ending : Endings)
        if (name.ends_with(ending.Text))
            return {ending.Kind, std::string(name.substr(0, name.size() - ending.Text.size()))};
    return {};
}

TInventory::TInventory(const TCatalogues& catalogues) : Catalogues(catalogues) {}

std::string TInventory::Serialize() const {
    std::string text;
    text.reserve(Written_Size(_Items) + 64 * (_Equipped.size() + 1));
    text = "<items>";
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

// The plan or compound a held name carries is explained when the catalogue has it; any other name
// (an item called "Atomic planer" too) is explained from the item template of that whole name.
TInventory_Help TInventory::Held_Help(const std::string& name) const {
    const TCarried_Plan carried = Carried_Plan(name);
    if (carried.Kind != Help_None) {
        TInventory_Help help =
            carried.Kind == Help_QID_Plan ? QID_Plan_Help(carried.Plan) : Compound_Plan_Help(carried.Plan);
        if (help.Kind != Help_None)
            return help;
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
