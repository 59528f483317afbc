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

template <class T, class Registry> class TMemory_Registry : public Registry {
  public:
    virtual ~TMemory_Registry() = default;
    // A record whose name is already held replaces that entry in its place, as in the library.
    void Add(T* record) override {
        std::unique_ptr<T> added(record);
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
        if (index >= 0 && index < Count())
            Records.erase(Records.begin() + index);
    }
    void Delete(const char* name) override {
        std::erase_if(Records,
                      [name](const auto& record) { return std::string(record->Get_Name()) == name; });
    }
    // Keeps the order the records were added in: tests add them in the order they want listed.
    void Sort() override {}

  private:
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
