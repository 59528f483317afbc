// A hand-edited table file of any bytes: every table rolled and read, the table list read, and
// the referee's expansion run over it. Nothing may crash, hang or recurse without end. The tables
// are read from the input in memory, as from the file, so no input waits on the disk.
#include "referee/Referee.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string file(reinterpret_cast<const char*>(data), size);
    TTable tables(file);
    TOutput_File output([](const std::string&) {});
    TReferee referee(tables, TCatalogues{}, output);
    for (int number = 0; number <= 12; ++number) {
        tables.Generate_Entry(number, Table_File_Name);
        tables.Get_Entry(number, number * 9, Table_File_Name);
        referee.Generate(number);
    }
    Table_Headers(file);
    return 0;
}
