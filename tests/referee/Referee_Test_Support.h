// What the referee tests share: a campaign folder as the working folder, catalogues held in
// memory, and the starter catalogue files loaded into them.
#pragma once

#include "foundations/Files.h"
#include "tests/Memory_Registry.h"
#include "tests/Test_Folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace Vexlor {

// The campaign folder of one test: the working folder while the test runs.
using TCampaign_Folder = Testing::TWorking_Folder;

// Fills a registry from a starter catalogue file of data/catalogues (one record's tagged text
// per line), as the catalogue library does on its first run.
template <class T, class Registry>
void Load_Catalogue_File(TMemory_Registry<T, Registry>& registry, const std::filesystem::path& file) {
    Add_Records(registry, Read_File(file).value_or(""), [](const T&) { return true; });
}

} // namespace Vexlor
