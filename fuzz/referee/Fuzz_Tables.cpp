// A hand-edited table file of any bytes: every table rolled and read, the table list loaded, and
// the referee's expansion run over it. Nothing may crash, hang or recurse without end.
#include "referee/Referee.h"

#include "foundations/Files.h"

#include <cstdint>
#include <filesystem>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("vexlor-fuzz-tables-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::filesystem::current_path(path);
        return path;
    }();
    static_cast<void>(
        Write_File_Atomic(folder / "TABLES.TXT", std::string(reinterpret_cast<const char*>(data), size)));
    TTable tables;
    TOutput_File output([](const std::string&) {});
    TReferee referee(tables, TCatalogues{}, output);
    for (int number = 0; number <= 12; ++number) {
        tables.Generate_Entry(number, Table_File_Name);
        tables.Get_Entry(number, number * 9, Table_File_Name);
        referee.Generate(number);
    }
    std::vector<std::string> headers;
    Load_Table_List("tables.txt", headers);
    return 0;
}
