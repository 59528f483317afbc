#include "Campaign_Files.h"

#include "CommonUt.h"

#include <array>

namespace Vexlor {

bool Is_Campaign_File(std::string_view file_name) {
    // "cfg" is the position file of a program whose file has no extension, as on Linux.
    static constexpr std::array<std::string_view, 13> Names{"TABLES.TXT",
                                                            "Characters.master",
                                                            "Characters.master.bak",
                                                            "Characters.master.lock",
                                                            "Vexlor.catalogue",
                                                            "Vexlor.catalogue-journal",
                                                            "Vexlor.catalogue-wal",
                                                            "Vexlor.catalogue-shm",
                                                            "cfg",
                                                            "MALE.NAM",
                                                            "FEMALE.NAM",
                                                            "Vexlor.hlp",
                                                            Program_Lock_File_Name};
    for (const std::string_view name : Names)
        if (Same_Text(file_name, name))
            return true;
    return false;
}

} // namespace Vexlor
