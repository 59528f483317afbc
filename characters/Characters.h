// The player character: its record and tagged form, the rules that derive its figures from its
// scores and classes, its random generation, and its classes, levels and experience. Also the
// bases that catalogue records and possessions build on, and the party of characters.
#pragma once

#include "foundations/Checked.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

class TVexlor_Item_Manager; // the character's possessions
class TCharacter_Object;    // the holder of a character in the parties dialog
class THTML_Parser;
struct TTag;

// The base of every object handed across to the catalogue library, which calls these nine
// operations in this order.
class TCommon_COM_Interface {
  public:
    TCommon_COM_Interface() = default;
    TCommon_COM_Interface(const TCommon_COM_Interface&) = delete;
    TCommon_COM_Interface& operator=(const TCommon_COM_Interface&) = delete;

    // Preparing an object once it is made and releasing what that took before it goes:
    // the plain objects of the game need neither.
    virtual void Initialize() {}
    virtual void Terminate() {}
    // Holders announce themselves and leave; the result is how many hold the object now.
    // Leaving never frees the object: whoever made it frees it.
    virtual int Attach() { return ++Holders; }
    virtual int Detach() { return Holders > 0 ? --Holders : 0; }
    virtual int Interface_Version() const { return 1; }
    virtual int Facility_ID() const { return 0; }
    virtual int Facility_Version() const { return 1; }
    // The game's objects offer no debugging object and no extensions.
    virtual TCommon_COM_Interface* Debugger() { return nullptr; }
    virtual TCommon_COM_Interface* Extension(int /*id*/) { return nullptr; }
    virtual ~TCommon_COM_Interface() = default;

  private:
    int Holders = 0;
};

// The serialisable base of catalogue records and of the plans an item carries.
class TInformation {
  public:
    virtual const char* Serialize() { return ""; }
    virtual void Deserialize(const char* /*text*/) {}
    virtual bool Is_Type(const char* /*name*/) const { return false; }
    virtual ~TInformation() = default;
};

// A list of information records. Entries are shared, so a list copied with Assign holds the
// same records as its source and each record lives as long as some list holds it.
class TInformation_Collection {
  public:
    int Count() const { return static_cast<int>(Items.size()); }
    // Entry i (0-based); an index outside the list raises std::out_of_range.
    TInformation* Get_Index(int i) const;
    void Set_Index(int i, std::shared_ptr<TInformation> item);
    // Appends item and returns its index.
    int Add(std::shared_ptr<TInformation> item);
    void Insert(int i, std::shared_ptr<TInformation> item);
    // The index of item, or -1.
    int IndexOf(const TInformation* item) const;
    // Takes item out of the list; returns the index it had, or -1.
    int Remove(const TInformation* item);
    void Assign(const TInformation_Collection& source);

  private:
    std::vector<std::shared_ptr<TInformation>> Items;
};

// The item interface of the character's possessions, in the order the catalogue library calls it.
class TItem : public TCommon_COM_Interface {
  public:
    virtual int Get_Count() const = 0;
    virtual const char* Get_Name() const = 0;
    virtual void Set_Count(int count) = 0;
    virtual void Set_Name(const char* name) = 0;
    virtual const char* Get_Given_Name() const = 0;
    virtual void Set_Given_Name(const char* name) = 0;
    // The plans the item carries (a paper with a QID plan written on it), or none.
    virtual TInformation_Collection* Get_Information() const = 0;
    virtual void Set_Information(std::unique_ptr<TInformation_Collection> information) = 0;
};

enum TGender : std::uint8_t { Gender_Male = 0, Gender_Female = 1 };
enum TMarital_Status : std::uint8_t { Married = 0, Unmarried = 1 };

// What a character is being updated for; State_Level while Set_Level or Level_Up work on one.
enum TStates { State_Null = 0, State_Level = 1, State_Experience = 2 };
extern TStates Current_State;

// The personality scores, indexed by these constants.
using TPersonality_Array = TArray<int, 0, 20>;
inline constexpr int Personality_Altruism = 0;
inline constexpr int Personality_Bravery = 1;
inline constexpr int Personality_Compassion = 2;
inline constexpr int Personality_Curiosity = 3;
inline constexpr int Personality_Demeanor = 4;
inline constexpr int Personality_Dress = 5;
inline constexpr int Personality_Drive = 6;
inline constexpr int Personality_Gullibility = 7;
inline constexpr int Personality_Happiness = 8;
inline constexpr int Personality_Honesty = 9;
inline constexpr int Personality_Humility = 10;
inline constexpr int Personality_Humor = 11;
inline constexpr int Personality_Hygiene = 12;
inline constexpr int Personality_Materialism = 13;
inline constexpr int Personality_Mental_State = 14;
inline constexpr int Personality_Nature = 15;
inline constexpr int Personality_Optimism = 16;
inline constexpr int Personality_Personality = 17;
inline constexpr int Personality_Social = 18;
inline constexpr int Personality_Temperament = 19;
inline constexpr int Personality_Thrift = 20;

// The classes (vocations) of the game.
inline constexpr int Class_Architect = 0;
inline constexpr int Class_Biologist = 1;
inline constexpr int Class_Chemist = 2;
inline constexpr int Class_Commando = 3;
inline constexpr int Class_Communications_Specialist = 4;
inline constexpr int Class_Computer_Scientist = 5;
inline constexpr int Class_Electrical_Engineer = 6;
inline constexpr int Class_General_Engineer = 7;
inline constexpr int Class_Mechanical_Engineer = 8;
inline constexpr int Class_Planet_Engineer = 9;
inline constexpr int Class_Production_Engineer = 10;
inline constexpr int Class_Historian = 11;
inline constexpr int Class_Linguist = 12;
inline constexpr int Class_Mathematician = 13;
inline constexpr int Class_Medic = 14;
inline constexpr int Class_Mercenary = 15;
inline constexpr int Class_Physicist = 16;
inline constexpr int Class_Weapons_Specialize = 17;
inline constexpr int Class_Rogue = 18;
inline constexpr int Max_Classes = 19;
inline constexpr int Max_Class_Offset = 18;

template <class T> using TClass_Table = TArray<T, 0, Max_Class_Offset>;

// The full name: what the tagged form stores and the class summary shows.
inline constexpr TClass_Table<std::string_view> Class_Name{
    {"Architect", "Biologist", "Chemist", "Commando", "Communications Specialist", "Computer Scientist",
     "Engineer, Electrical", "Engineer, General", "Engineer, Mechanical", "Engineer, Planet",
     "Engineer, Production", "Historian", "Linguist", "Mathematician", "Medic", "Mercenary", "Physicist",
     "Weapons Specialist", "Rogue"}};

// The short name for narrow displays.
inline constexpr TClass_Table<std::string_view> Abbreviated_Class_Name{
    {"Architect", "Biologist", "Chemist", "Commando", "Communications Spc.", "C. Scientist", "E. Engineer",
     "G. Engineer", "M. Engineer", "Pl. Engineer", "Pr. Engineer", "Historian", "Linguist", "Mathematician",
     "Medic", "Mercenary", "Physicist", "Weapons Spc.", "Rogue"}};

// How many of the character's vocations a class takes up.
inline constexpr TClass_Table<int> Class_Count{{1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 1, 1, 1, 1}};

// The Intellect a character needs for the class.
inline constexpr TClass_Table<int> Class_Intellect{
    {4, 4, 5, 4, 5, 4, 5, 5, 5, 12, 5, 5, 5, 5, 12, 3, 5, 3, 1}};

// The years a class adds to a generated character's age; an empty slot (-1) adds none.
inline constexpr TArray<int, -1, Max_Class_Offset> Class_Age{
    {0, 1, 1, 2, 2, 1, 2, 2, 2, 2, 4, 2, 2, 1, 2, 4, 1, 2, 1, 1}};

// The engineer group: every class that "Engineer" stands for.
inline constexpr bool Is_Engineer_Class(int class_index) {
    return class_index >= Class_Electrical_Engineer && class_index <= Class_Production_Engineer;
}

// The index of the class whose full name is name without regard to case; -1 if none.
int Class_Index(std::string_view name);

// The experience a character has on reaching level; -1000 for a level the game does not know.
int Experience_From_Level(int level);

// A character's place among its siblings, 1..12, as the birth table rolls it.
int Child_Table();

// The middle row of a gender's build table: the weight (pounds) and height (inches) that the
// lighter and heavier rows are rolled around.
struct TBuild {
    int Weight;
    int Height;
};
TBuild Middle_Build(TGender gender);

// The hit points a level adds for Constitution as the Constitution table gives them, the same
// text every time: a number ("1"), or the dice rolled ("1D4+1", "2D12"), with ", max 1" where the
// roll counts for 1 at most ("1D6-1, max 1").
std::string Constitution_Bonus_Text(int constitution);

// A portrait's picture handle: the bytes of its picture file, shared so that a window showing the
// portrait keeps them alive; null when there is no portrait.
using TBitmap_Handle = std::shared_ptr<const std::string>;

// The picture object that owns a portrait's handle.
class TPicture {
  public:
    explicit TPicture(TBitmap_Handle handle) : Handle(std::move(handle)) {}
    const TBitmap_Handle& Get_Handle() const { return Handle; }

  private:
    TBitmap_Handle Handle;
};

// The character as the catalogue library and the parties dialog know it, in the order they call it.
class TCharacter : public TCommon_COM_Interface {
  public:
    virtual TBitmap_Handle Get_Bitmap() const = 0;
    virtual void Set_Bitmap(TBitmap_Handle handle) = 0;
    virtual TCharacter_Object* Get_Object() const = 0;
    virtual void Set_Object(TCharacter_Object* object) = 0;
    virtual void Assign(const TCharacter& source) = 0;
    virtual bool Name_Matches(const char* name) const = 0;
    // The tagged text, valid until the next Serialize or Status or the character's end.
    virtual const char* Serialize() = 0;
    // Reads a tagged text; never fails, whatever the text holds (no text at all reads as empty).
    virtual void Deserialize(const char* text) = 0;
    virtual TGender Get_Gender() const = 0;
    virtual void Set_Gender(TGender gender) = 0;
    virtual const char* Get_Name() const = 0;
    // The class summary such as "Chemist 3/Medic 2", valid until the next call.
    virtual const char* Description() = 0;
    virtual const char* Status() = 0;
    virtual TVexlor_Item_Manager* Item_Manager() const = 0;
};

// Class slots 1..6: a class index, or -1 for an empty slot.
using TClass_Slots = TArray<int, 1, 6>;

class TVexlor_Character : public TCharacter {
  public:
    // Every number 0, every text empty, every class slot 0, no portrait.
    TVexlor_Character();

    TBitmap_Handle Get_Bitmap() const override;
    void Set_Bitmap(TBitmap_Handle handle) override;
    TCharacter_Object* Get_Object() const override { return Parent_Object; }
    void Set_Object(TCharacter_Object* object) override { Parent_Object = object; }
    // Copies the character's person and classes from another character of this game; other
    // kinds of character raise std::invalid_argument.
    void Assign(const TCharacter& source) override;
    bool Name_Matches(const char* name) const override { return Name_Match(name ? name : ""); }
    const char* Serialize() override;
    void Deserialize(const char* text) override;
    TGender Get_Gender() const override { return _Gender; }
    void Set_Gender(TGender gender) override { _Gender = gender; }
    const char* Get_Name() const override { return _Name.c_str(); }
    const char* Description() override;
    const char* Status() override;
    TVexlor_Item_Manager* Item_Manager() const override { return _Item_Manager; }
    // The text Description hands out: each class taken with its level, joined by "/"
    // ("Chemist 3/Engineer 2").
    std::string Class_Summary() const;

    virtual void _Set_Bitmap(std::unique_ptr<TPicture> picture);
    // Ability groups.
    virtual int Get_Physical() const;
    virtual int Get_Intellect() const;
    virtual int Get_Influence() const;
    // Adjustments by one ability score.
    virtual int Get_System_Shock() const;
    virtual int Get_Poison() const;
    virtual int Get_Regeneration() const;
    virtual int Get_Hit() const;
    virtual int Get_Damage() const;
    virtual int Get_Movement() const;
    virtual int Get_Open() const;
    virtual int Get_Carry() const;
    virtual int Get_Offensive() const;
    virtual int Get_Defensive() const;
    virtual int Get_Languages() const;
    virtual int Get_AC_Adjustment() const;
    virtual int Get_AC() const;
    // The number of filled class slots.
    virtual int Get_Classes() const;
    virtual int Get_Henchmen() const;
    // Rogue and commando skills, in percent.
    virtual int Get_Open_Locks() const;
    virtual int Get_Find_Traps() const;
    virtual int Get_Move_Silently() const;
    virtual int Get_Hide() const;
    virtual int Get_Hear_Noise() const;
    virtual int Get_Climb_Walls() const;
    virtual int Get_Reprogram() const;
    // Language interpretation: chance in percent and time in minutes.
    virtual int Get_Interpretation() const;
    virtual int Get_Interpretation_Time() const;
    // Unarmed combat: attacks per round and the damage range packed with Pack_Range.
    virtual int Get_Attacks() const;
    virtual int Get_Hand_Damage() const;
    // Poisons and antidotes: chances in percent, time in minutes.
    virtual int Get_Antidote() const;
    virtual int Get_Make_Ingestive_Poison() const;
    virtual int Get_Make_Insinuative_Poison() const;
    virtual int Get_Antidote_Time() const;
    virtual int Get_Vocations() const;
    virtual int Get_Attack_Adjustment() const;
    virtual int Get_Detect_Lie() const;
    // Class slots 1..6; a slot outside 1..6 raises std::out_of_range.
    virtual int Get_Class(int slot) const;
    // A class index outside -1..Max_Class_Offset raises std::out_of_range.
    virtual void Set_Class(int slot, int class_index);
    virtual int Get_Level(int slot) const;
    // Sets a slot's level, re-rolls the hit points and sets the slot's experience to the level's
    // threshold; slots outside 1..6 are ignored.
    virtual void Set_Level(int slot, int level);
    virtual std::string _Get_Name() const { return _Name; }
    // Sets the name and collects its variants from the name file of the character's gender.
    virtual void _Set_Name(const std::string& name);
    virtual int Get_Experience(int slot) const;
    virtual void Set_Experience(int slot, int points);
    // QIDs usable of QID level 1..10 and compounds usable of compound level 1..9: the stored
    // limit, raised by what the character's class grants.
    virtual int Get_Max_QIDS(int qid_level) const;
    virtual void Set_Max_QIDS(int qid_level, int count);
    virtual int Get_Max_CompoundS(int compound_level) const;
    virtual void Set_Max_CompoundS(int compound_level, int count);
    // Hit points added for Constitution, rolled anew on every call.
    virtual int Get_Constitution_Bonus() const;
    virtual void Set_Item_Manager(TVexlor_Item_Manager* manager) { _Item_Manager = manager; }
    // The nine ability scores by rolling method 0..4; any other method raises std::out_of_range.
    virtual void Roll_Scores(int method);
    virtual void Adjust_Special_Abilities();
    virtual void Calculate_HP();
    virtual void Check_Classes();
    virtual void Choose_Class(int slot, int class_index);
    // A random gender and a random name from that gender's name file.
    virtual void Choose_Name();
    // One random class in c1, or two in c1 and c2; the outputs not filled are -1.
    virtual void Generate_Class(int& c1, int& c2, int& c3, int& c4) const;
    // The first slot holding the class with this full name ("Engineer" for any engineer), or 0.
    virtual int Is_Class(std::string_view name) const;
    // Raises a filled slot by one level and spends the experience it took from Pending_Experience.
    virtual void Level_Up(int slot);
    virtual bool Name_Match(const std::string& name) const;
    virtual void Remove_Duplicate_Classes() {}

    // Fills the whole character at random, scores by rolling method 0..4.
    void Generate(int method);
    // The parts of Generate that no choice of the player's sets, each rolled as Generate rolls it:
    // the 21 personality scores; the VDNA pair; the build from the table of the character's
    // gender; the family (birth order, siblings, parents); the age, 16 to 19 years and the years
    // each class held adds; the credits.
    void Roll_Personality();
    void Roll_VDNA();
    void Roll_Build();
    void Roll_Family();
    void Roll_Age();
    void Roll_Credits();
    // The vocations the character's Cognitive allows beyond those its classes take; Medic and
    // "Engineer, Planet" take two each. Negative when the classes take more than it allows.
    int Vocations_Left() const;
    // Whether the class may be added: no slot holds it, the Intellect allows it, and the vocations
    // left make room for it.
    bool Can_Add_Class(int class_index) const;
    // Puts the class into the first empty slot when the character can take it.
    void Add_Vocation(int class_index);

    // The folder whose name files _Set_Name and Choose_Name read; empty means the program's folder.
    const std::filesystem::path& Get_Name_Folder() const { return Name_Folder; }
    void Set_Name_Folder(std::filesystem::path folder) { Name_Folder = std::move(folder); }

    // Blank-separated name variants found for the name in the name file.
    std::string All_Names;
    int Strength = 0;
    int Constitution = 0;
    int Dexterity = 0;
    int Cognitive = 0;
    int Perception = 0;
    int Wisdom = 0;
    int Charisma = 0;
    int Comeliness = 0;
    int Will = 0;
    int Age = 0;
    int Height = 0;
    int Weight = 0;
    int Child = 0; // birth order among the siblings
    int Siblings = 0;
    TMarital_Status Parents = Married;
    int Hit_Points = 0;
    int AC = 0;
    bool Initialized = false; // the character was read from its stored text
    int Specialty = 0;        // the Biologist's specialty: 0 "Botanist", 1 "Zoologist"
    int Credits = 0;
    int Pending_Experience = 0; // earned but not yet applied; not stored
    TPersonality_Array Personality{};
    TArray<int, 0, 1> VDNA{};
    // Stored limits of QIDs by QID level and compounds by compound level; a class may raise them.
    TArray<int, 1, 10> _Max_QIDS{};
    TArray<int, 1, 9> _Max_Compounds{};
    int Rogue_Points = 0;
    int Rogue_Build_Robots_Level = 0;
    int Rogue_Genetic_Engineering_Level = 0;
    int Rogue_Distinguish_Plants_Level = 0;
    int Rogue_Computer_Programming_Level = 0;
    int Rogue_Mercenary_Level = 0;
    int Rogue_Weapons_Specialist_Level = 0;
    int Rogue_Language_Interpretation_Level = 0;
    int Rogue_Open_Lock = 0;
    int Rogue_Find_Trap = 0;
    int Rogue_Move_Silently = 0;
    int Rogue_Hide = 0;
    int Rogue_Hear_Noise = 0;
    int Rogue_Climb = 0;
    std::vector<std::string> Proficient_Weapons;

  private:
    struct TAttribute_Tag;
    static const std::vector<TAttribute_Tag>& Attribute_Tags();
    bool Read_Tag(const TTag& tag, THTML_Parser& parser);
    std::filesystem::path Name_File(TGender gender) const;
    bool Roll_Class_Slots(int& c1, int& c2, int nesting) const;

    TVexlor_Item_Manager* _Item_Manager = nullptr;
    std::string _Name;
    TGender _Gender = Gender_Male;
    TClass_Slots __Class{};
    TClass_Slots _Level{};
    TClass_Slots _Experience{};
    std::string Description_Temp;
    std::unique_ptr<TPicture> _Bitmap;
    TCharacter_Object* Parent_Object = nullptr;
    std::string Temp;
    std::filesystem::path Name_Folder;
};

// A party of characters: the list is the party's, the characters are not.
class TVexlor_Party {
  public:
    // The member at 0-based index; an index outside the party raises std::out_of_range.
    TVexlor_Character* Get_Member(int index) const;

    std::vector<TVexlor_Character*> Members;
};

} // namespace Vexlor
