// A catalogue held in memory, as the catalogue library holds one, for the tools under test and
// their fuzz targets; filled from texts of one record's tagged text per line.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "foundations/CommonUt.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

// The file behind a test's catalogues: while Failing holds a reason, every change fails with it
// and leaves the catalogue as it was, as the catalogue library does when its file cannot be
// written. Last_Failure is the failure of the last change, read as the library's is.
struct TMemory_Store {
    std::string Failing;
    std::string Last_Failure;
};

template <class T, class Registry> class TMemory_Registry : public Registry {
  public:
    virtual ~TMemory_Registry() = default;
    // A record whose name is already held replaces that entry in its place, as in the library.
    void Add(T* record) override {
        std::unique_ptr<T> added(record);
        if (Refused(std::string("\"") + record->Get_Name() + "\" could not be saved: "))
            return;
        for (auto& held : Records)
            if (std::string(held->Get_Name()) == record->Get_Name()) {
                held = std::move(added);
                return;
            }
        Records.push_back(std::move(added));
    }
    std::int32_t Count() override { return static_cast<std::int32_t>(Records.size()); }
    T* Get(std::int32_t index) override {
        return index >= 0 && index < Count() ? Records[static_cast<std::size_t>(index)].get() : nullptr;
    }
    T* Get(const char* name) override {
        for (auto& record : Records)
            if (std::string(record->Get_Name()) == name)
                return record.get();
        return nullptr;
    }
    void Delete(std::int32_t index) override {
        if (index >= 0 && index < Count() && !Refused("A record could not be deleted: "))
            Records.erase(Records.begin() + index);
    }
    void Delete(const char* name) override {
        if (!Refused(std::string("\"") + name + "\" could not be deleted: "))
            std::erase_if(Records,
                          [name](const auto& record) { return std::string(record->Get_Name()) == name; });
    }
    // Keeps the order the records were added in: tests add them in the order they want listed.
    void Sort() override {}

    TMemory_Store* Store = nullptr; // none: every change is stored

  private:
    // Whether the store refuses this change; its failure starts with what.
    bool Refused(const std::string& what) {
        if (!Store)
            return false;
        Store->Last_Failure = Store->Failing.empty() ? std::string() : what + Store->Failing + ".";
        return !Store->Failing.empty();
    }

    std::vector<std::unique_ptr<T>> Records;
};

// Adds a record for every line of text that keep accepts, as the catalogue library reads its
// starter catalogue: lines end with CR LF or LF, empty lines are skipped.
template <class T, class Registry, class Keep>
void Add_Records(TMemory_Registry<T, Registry>& registry, const std::string& text, Keep keep) {
    for (const std::string& line : Split_Lines(text)) {
        if (line.empty())
            continue;
        auto record = std::make_unique<T>();
        record->Deserialize(line.c_str());
        if (keep(*record))
            registry.Add(record.release());
    }
}

} // namespace Vexlor
