// The catalogues of the library brought up together from one catalogue file. On first use the
// file is created and each catalogue filled from its starter file; afterwards the catalogues are
// read from it and every change is written to it. A file that cannot be used is left exactly as
// it was: the catalogues then work in memory (from the starter catalogue when nothing could be
// read) and the game master is told why in the status text.
#pragma once

#include "Catalogue_Store.h"
#include "Stored_Catalogue.h"
#include "catalogues/Catalogue_Registry.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Vexlor {

class TCatalogue_Set {
  public:
    TCatalogue_Set(std::vector<TStored_Catalogue*> catalogues, const std::filesystem::path& database,
                   std::filesystem::path starter_folder);

    // Every problem met in bringing the catalogues up, one line each; empty when there was none.
    const std::string& Status() const { return Log.Text(); }
    // Why the last Add or Delete of any of the catalogues could not be stored; empty when it was.
    const std::string& Change_Failure() const { return Log.Change_Failure(); }
    // Why no change is stored in the catalogue file (it could not be used when the catalogues were
    // brought up, and they work in memory); empty when every change is stored.
    const std::string& Unkept_Reason() const { return Unkept; }

    // Stores texts as records of the catalogue whose table is table, all in one transaction, as
    // the export Store_Catalogue_Records does: "" or why none was stored.
    std::string Store_Records(const std::string& table, const std::vector<std::string>& texts, bool replace,
                              TRecords_Stored& stored);

  private:
    bool Fill_Missing_Tables();
    TResult Fill_Table(const TStored_Catalogue& catalogue);
    bool Read_Tables();
    bool Read_Table(TStored_Catalogue& catalogue);
    void Load_Starter(TStored_Catalogue& catalogue);
    std::vector<TRecord_Text> Starter_Records(const TStored_Catalogue& catalogue);

    std::vector<TStored_Catalogue*> Catalogues;
    std::string File_Name;
    std::filesystem::path Starter_Folder;
    std::unique_ptr<TCatalogue_Store> Store;
    std::string Unkept;
    TProblem_Log Log;
};

} // namespace Vexlor
