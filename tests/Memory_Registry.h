// A catalogue held in memory, as the catalogue library holds one, for the tools under test and
// their fuzz targets; filled from texts of one record's tagged text per line.
#pragma once

#include "catalogues/Catalogue_Registry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

template <class T, class Registry> class TMemory_Registry : public Registry {
  public:
    virtual ~TMemory_Registry() = default;
    void Add(T* record) override { Records.emplace_back(record); }
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
    void Delete(std::int32_t index) override { Records.erase(Records.begin() + index); }
    void Delete(const char*) override {}
    void Sort() override {}

  private:
    std::vector<std::unique_ptr<T>> Records;
};

// Adds a record for every line of text that keep accepts, as the catalogue library reads its
// starter catalogue: lines end with CR LF or LF, empty lines are skipped.
template <class T, class Registry, class Keep>
void Add_Records(TMemory_Registry<T, Registry>& registry, const std::string& text, Keep keep) {
    std::size_t from = 0;
    while (from < text.size()) {
        auto end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        auto record = std::make_unique<T>();
        record->Deserialize(line.c_str());
        if (keep(*record))
            registry.Add(record.release());
    }
}

} // namespace Vexlor
