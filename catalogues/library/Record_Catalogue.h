// One catalogue of records of type T as the program reaches it through its registry interface:
// the records in memory, in listing order once sorted, found by index or by exact name, each
// change written through to the catalogue file before the call returns.
// T needs a default constructor, Get_Name, Serialize and Deserialize.
#pragma once

#include "Stored_Catalogue.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Vexlor {

template <class T, class Registry> class TRecord_Catalogue final : public Registry, public TStored_Catalogue {
  public:
    using TStored_Catalogue::TStored_Catalogue;

    // A record whose name is already held replaces that entry, in its place in the list: the record
    // held takes over its properties and the record given is freed, so that a pointer handed out
    // for that name stays good. A record the catalogue already holds (handed back after a change)
    // is stored again as it now stands.
    // The record is kept as its stored text reads back, so that it is the same now as after the
    // next start (a name read back without its surrounding quotes is listed without them at once).
    // A record the catalogue file could not take is freed and the catalogue stays as it was, so
    // that the lists show what the next start will find; the failure is the change's failure.
    void Add(T* record) override {
        Begin_Change();
        if (!record)
            return;
        const std::string text = record->Serialize();
        record->Deserialize(text.c_str());
        std::string name = record->Get_Name();
        const auto held = Entry_Of(record);
        if (held == Entries.end()) {
            std::unique_ptr<T> added(record);
            const char* consequence = By_Name.contains(name) ? "The catalogue keeps the one stored before."
                                                             : "It is not in the catalogue.";
            if (Save(name, text, consequence).Ok())
                Insert(std::move(name), std::move(added));
        } else if (held->Name == name) {
            // A record changed in place stays changed; a failure is told all the same.
            static_cast<void>(Save(name, text, Lost_At_The_End));
        } else {
            Rename_Held(record, held->Name, std::move(name), text);
        }
    }

    std::int32_t Count() override { return static_cast<std::int32_t>(Entries.size()); }

    T* Get(std::int32_t index) override {
        return In_Range(index) ? Entries[Position(index)].Record.get() : nullptr;
    }

    T* Get(const char* name) override {
        if (!name)
            return nullptr;
        const auto found = By_Name.find(std::string_view(name));
        return found == By_Name.end() ? nullptr : found->second;
    }

    void Delete(std::int32_t index) override {
        Begin_Change();
        if (In_Range(index))
            Delete_Entry(Entries.begin() + index);
    }

    void Delete(const char* name) override {
        Begin_Change();
        if (T* record = Get(name))
            Delete_Entry(Entry_Of(record));
    }

    void Sort() override {
        std::sort(Entries.begin(), Entries.end(),
                  [](const TEntry& a, const TEntry& b) { return Listing_Before(a.Name, b.Name); });
    }

    bool Holds(std::string_view name) const override { return By_Name.find(name) != By_Name.end(); }

    TRecord_Text Canonical(const std::string& text) const override {
        T record;
        record.Deserialize(text.c_str());
        return {record.Get_Name(), record.Serialize()};
    }

    bool Load(std::string_view name, const char* text) override {
        auto record = std::make_unique<T>();
        try {
            record->Deserialize(text);
        } catch (const std::exception&) {
            return false;
        }
        if (name != record->Get_Name())
            return false;
        Insert(std::string(name), std::move(record));
        return true;
    }

  private:
    // A record and the name it was stored under, its key in the catalogue file.
    struct TEntry {
        std::string Name;
        std::unique_ptr<T> Record;
    };
    using TEntries = std::vector<TEntry>;

    bool In_Range(std::int32_t index) const { return index >= 0 && Position(index) < Entries.size(); }
    static std::size_t Position(std::int32_t index) { return static_cast<std::size_t>(index); }

    typename TEntries::iterator Entry_Of(const T* record) {
        return std::find_if(Entries.begin(), Entries.end(),
                            [record](const TEntry& entry) { return entry.Record.get() == record; });
    }

    void Insert(std::string name, std::unique_ptr<T> record) {
        const auto [found, is_new] = By_Name.try_emplace(name, record.get());
        if (is_new)
            Entries.push_back({std::move(name), std::move(record)});
        else
            *found->second = std::move(*record);
    }

    // A held record renamed to the name of another held record replaces it. The record replaced
    // leaves the list but is kept until the catalogue goes, as the pointers handed out for it may
    // still be in use.
    void Rename_Held(T* record, std::string old_name, std::string name, const std::string& text) {
        static_cast<void>(Save_Renamed(old_name, name, text));
        if (const auto replaced = By_Name.find(name); replaced != By_Name.end()) {
            const auto entry = Entry_Of(replaced->second);
            Replaced.push_back(std::move(entry->Record));
            Remove(entry);
        }
        By_Name.erase(old_name);
        By_Name.emplace(name, record);
        Entry_Of(record)->Name = std::move(name);
    }

    void Delete_Entry(typename TEntries::iterator entry) {
        if (Erase(entry->Name).Ok())
            Remove(entry);
    }

    void Remove(typename TEntries::iterator entry) {
        By_Name.erase(entry->Name);
        Entries.erase(entry);
    }

    TEntries Entries;
    std::unordered_map<std::string, T*, TName_Hash, std::equal_to<>> By_Name;
    std::vector<std::unique_ptr<T>> Replaced;
};

} // namespace Vexlor
