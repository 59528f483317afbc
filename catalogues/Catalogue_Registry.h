// The catalogues as the program reaches them: one registry per catalogue, obtained from the
// catalogue library's exports, and the character-creation export. The order of the virtual
// operations is the library's binary interface: never reorder them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Vexlor {

class TItem_Template;
class TCreature_Profile;
class TQID_Plan;
class TCompound_Plan;
class TEffect_Template;
class TPoison_Template;
class TVexlor_Character;

// A catalogue of records of one kind, owned by the catalogue library and never freed by callers.
template <class T> class TCatalogue_Registry {
  public:
    // Stores a record the caller just built; the registry owns it from then on. A record whose
    // name equals a stored name replaces that entry.
    virtual void Add(T* record) = 0;
    virtual std::int32_t Count() = 0;
    // The entry at a 0-based index, borrowed; null outside 0..Count-1.
    virtual T* Get(std::int32_t index) = 0;
    // The entry whose name equals name exactly, borrowed; null when there is none.
    virtual T* Get(const char* name) = 0;
    virtual void Delete(std::int32_t index) = 0;
    virtual void Delete(const char* name) = 0;
    // Puts the entries in listing order: by name without regard to case.
    virtual void Sort() = 0;

  protected:
    ~TCatalogue_Registry() = default;
};

class TItem_Registry : public TCatalogue_Registry<TItem_Template> {
  protected:
    ~TItem_Registry() = default;
};
class TCreature_Registry : public TCatalogue_Registry<TCreature_Profile> {
  protected:
    ~TCreature_Registry() = default;
};
class TQID_Registry : public TCatalogue_Registry<TQID_Plan> {
  protected:
    ~TQID_Registry() = default;
};
class TCompound_Registry : public TCatalogue_Registry<TCompound_Plan> {
  protected:
    ~TCompound_Registry() = default;
};
class TEffect_Registry : public TCatalogue_Registry<TEffect_Template> {
  protected:
    ~TEffect_Registry() = default;
};
class TPoison_Registry : public TCatalogue_Registry<TPoison_Template> {
  protected:
    ~TPoison_Registry() = default;
};

// What storing the records of a catalogue exchange file did with them.
struct TRecords_Stored {
    std::int32_t Added = 0;    // records of names the catalogue did not hold
    std::int32_t Replaced = 0; // records that replaced the record of their name
    std::int32_t Kept = 0;     // records left out because the catalogue holds their name
};

// The six catalogues as one value, for the tools and windows that read them (the program passes
// the catalogue library's registries); any of them may be missing (null).
struct TCatalogues {
    TItem_Registry* Items = nullptr;
    TCreature_Registry* Creatures = nullptr;
    TQID_Registry* QIDs = nullptr;
    TCompound_Registry* Compounds = nullptr;
    TEffect_Registry* Effects = nullptr;
    TPoison_Registry* Poisons = nullptr;
    // Why the last Add or Delete of one of them could not be stored, empty when it was (the
    // program passes the catalogue library's Get_Catalogue_Change_Failure). Without it every
    // change counts as stored.
    std::function<std::string()> Change_Failure = nullptr;
    // Why no change is stored beyond this run, for the windows to say before the first change
    // (the program passes the catalogue library's Get_Catalogue_Unkept_Reason); empty when every
    // change is stored.
    std::string Unkept_Reason = {};
    // Stores records of the catalogue named catalogue ("qids") given as tagged texts, all in one
    // transaction, as the catalogue library's Store_Catalogue_Records does (the program passes
    // Library_Store_Records): "" or why none was stored. Without it the catalogues take no imports.
    std::function<std::string(const std::string& catalogue, const std::vector<std::string>& texts,
                              bool replace, TRecords_Stored& stored)>
        Store_Records = nullptr;
};

// What the program offers an interactive character creator: the inventory dialog, and adding
// named QIDs or compounds to the inventory.
class TCharacter_Edit_Interface {
  public:
    // Shows the inventory dialog; unless it is closed with OK, the inventory is read back from
    // _Image.
    virtual void Items() = 0;
    virtual void QIDs(const char* text) = 0;
    virtual void Compounds(const char* text) = 0;

    std::string _Image; // the inventory's saved tagged text

  protected:
    ~TCharacter_Edit_Interface() = default;
};

// The interactive character creator that the program installs for Create_Character mode 2. It
// gets that call's texts, number and callbacks, and returns the new character (the caller frees
// it) or null when the user gave up.
using TCharacter_Creator = TVexlor_Character* (*)(const char* text1, int value, const char* text2,
                                                  TCharacter_Edit_Interface* edit);

} // namespace Vexlor

extern "C" {
Vexlor::TItem_Registry* Get_Item_Registry();
Vexlor::TCreature_Registry* Get_Creature_Registry();
Vexlor::TQID_Registry* Get_QID_Registry();
Vexlor::TCompound_Registry* Get_Compound_Registry();
Vexlor::TEffect_Registry* Get_Effect_Registry();
Vexlor::TPoison_Registry* Get_Poison_Registry();
// Mode -1 makes a random character, its scores rolled with the method text1 names ("0" to "4"),
// or with the library's own choice when text1 is empty (the program passes empty texts, 0 and
// null); another text makes none. Mode 2 runs the interactive creator with the program's
// callbacks, and null means the user gave up. The caller frees the character.
Vexlor::TVexlor_Character* Create_Character(int mode, const char* text1, int value, const char* text2,
                                            Vexlor::TCharacter_Edit_Interface* edit);
// Installs the creator that mode 2 runs; with none installed (or null), mode 2 returns null.
void Install_Character_Creator(Vexlor::TCharacter_Creator creator);
// What went wrong with the catalogue file when the catalogues were brought up, one line per
// problem (a file that could not be used, damaged records skipped), for the program to show;
// empty when nothing did. The first call of this export or of a registry export brings the
// catalogues up, from the file "Vexlor.catalogue" in the working folder.
const char* Get_Catalogue_Status();
// Why the last Add or Delete of any registry could not be stored in the catalogue file, a
// sentence naming the record and the cause for the program to show at once; empty when it was
// stored. The registry interface has no room for a result, so the program asks here after each
// change. The text is valid until the next change.
const char* Get_Catalogue_Change_Failure();
// Why no change of any registry is stored in the catalogue file: the file could not be used when
// the catalogues were brought up, so they work in memory and every change lasts only until the
// program ends. Empty when changes are stored.
const char* Get_Catalogue_Unkept_Reason();
// Stores the records of one catalogue, named as in its exchange files ("items", "creatures",
// "qids", "compounds", "effects", "poisons"), given as count tagged texts, all in one transaction:
// every one of them or, on a failure, none. A record whose name the catalogue holds (or an
// earlier record of the same call) replaces that record when replace is not 0 and is left out
// otherwise. Returns "" when they were stored, else why none was; the text is valid until the next
// call. The registry interface stores one record per transaction, so importing a file is this
// separate operation.
const char* Store_Catalogue_Records(const char* catalogue, const char* const* texts, std::int32_t count,
                                    int replace, Vexlor::TRecords_Stored* stored);
}
