// What the referee tests share: a campaign folder as the working folder, catalogues held in
// memory, and the starter catalogue files loaded into them.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "foundations/Files.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

// The campaign folder of one test: the working folder while the test runs.
using TCampaign_Folder = Testing::TWorking_Folder;

// A catalogue held in memory, as the catalogue library holds one, for the tools under test.
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

// Fills a registry from a starter catalogue file of data/catalogues (one record's tagged text
// per line), as the catalogue library does on its first run.
template <class T, class Registry>
void Load_Catalogue_File(TMemory_Registry<T, Registry>& registry, const std::filesystem::path& file) {
    const std::string text = Read_File(file).value_or("");
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
        auto* record = new T;
        record->Deserialize(line.c_str());
        registry.Add(record);
    }
}

} // namespace Vexlor
