#include "Catalogue_Store.h"

#include <cstring>
#include <sqlite3.h>

namespace Vexlor {
namespace {

// Written into the file header of every catalogue database ("VXLC"), so that a file of the
// same name written by some other program is recognised and left alone.
constexpr int Catalogue_Application_ID = 0x56584C43;

// One prepared SQL statement, finalised when it goes.
class TStatement {
  public:
    TStatement(sqlite3* database, const std::string& sql) {
        Prepared = sqlite3_prepare_v2(database, sql.c_str(), -1, &Handle, nullptr) == SQLITE_OK;
    }
    ~TStatement() { sqlite3_finalize(Handle); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // The text stays the caller's: it must outlive the last Step (the null destructor tells
    // SQLite not to copy it). An empty text is bound as empty text, never as NULL.
    void Bind(int index, std::string_view text) {
        sqlite3_bind_text64(Handle, index, text.empty() ? "" : text.data(), text.size(), nullptr,
                            SQLITE_UTF8);
    }
    int Step() { return sqlite3_step(Handle); }

    sqlite3_stmt* Handle = nullptr;
    bool Prepared = false;
};

// A column of the current row as plain text: false when it holds anything else (a number,
// bytes, nothing, or text with a NUL inside).
bool Column_Text(sqlite3_stmt* statement, int column, std::string_view& text) {
    const bool is_text = sqlite3_column_type(statement, column) == SQLITE_TEXT;
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
    text = bytes ? std::string_view(bytes, size) : std::string_view();
    return is_text && bytes && std::memchr(bytes, '\0', size) == nullptr;
}

} // namespace

std::unique_ptr<TCatalogue_Store> TCatalogue_Store::Open(const std::filesystem::path& path,
                                                         std::string& reason) {
    sqlite3* database = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<TCatalogue_Store> store(new TCatalogue_Store(database));
    TResult usable = opened == SQLITE_OK ? TResult() : store->Error();
    if (usable.Ok()) {
        sqlite3_busy_timeout(database, Busy_Timeout_Milliseconds);
        usable = store->Identify();
    }
    // Each commit reaches the disk before the change is reported done.
    if (usable.Ok())
        usable = store->Execute("PRAGMA synchronous = FULL");
    if (!usable.Ok()) {
        reason = usable.Problem();
        return nullptr;
    }
    return store;
}

TCatalogue_Store::~TCatalogue_Store() {
    sqlite3_close_v2(Database);
}

// Success for our own database and for a file with nothing in it yet; otherwise why the file is
// not ours. Only reads the file.
TResult TCatalogue_Store::Identify() {
    TStatement application(Database, "PRAGMA application_id");
    if (!application.Prepared || application.Step() != SQLITE_ROW)
        return Error();
    const int id = sqlite3_column_int(application.Handle, 0);
    if (id == Catalogue_Application_ID)
        return {};
    TStatement contents(Database, "SELECT count(*) FROM sqlite_schema");
    if (!contents.Prepared || contents.Step() != SQLITE_ROW)
        return Error();
    if (id == 0 && sqlite3_column_int(contents.Handle, 0) == 0)
        return {};
    return TResult::Failure("it holds another program's data");
}

bool TCatalogue_Store::Read_Only() const {
    return sqlite3_db_readonly(Database, "main") == 1;
}

TResult TCatalogue_Store::Begin_Writing() {
    return Execute("BEGIN IMMEDIATE");
}

// A deferred transaction takes its lock at the first read; beginning it touches nothing.
void TCatalogue_Store::Begin_Reading() {
    static_cast<void>(Execute("BEGIN"));
}

TResult TCatalogue_Store::Commit() {
    return Execute("COMMIT");
}

void TCatalogue_Store::Roll_Back() {
    if (!sqlite3_get_autocommit(Database))
        static_cast<void>(Execute("ROLLBACK"));
}

bool TCatalogue_Store::Has_Table(const std::string& table) {
    TStatement find(Database, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1");
    find.Bind(1, table);
    return find.Prepared && find.Step() == SQLITE_ROW;
}

TResult TCatalogue_Store::Create_Table(const std::string& table) {
    const std::string create =
        "CREATE TABLE " + table + " (name TEXT PRIMARY KEY NOT NULL, text TEXT NOT NULL) WITHOUT ROWID";
    if (TResult created = Execute(create.c_str()); !created.Ok())
        return created;
    return Execute(("PRAGMA application_id = " + std::to_string(Catalogue_Application_ID)).c_str());
}

TResult TCatalogue_Store::Read_Rows(const std::string& table,
                                    const std::function<void(const TStored_Row&)>& take) {
    TStatement select(Database, "SELECT name, text FROM " + table);
    if (!select.Prepared)
        return Error();
    int result;
    while ((result = select.Step()) == SQLITE_ROW) {
        TStored_Row row;
        const bool name_readable = Column_Text(select.Handle, 0, row.Name);
        const bool text_readable = Column_Text(select.Handle, 1, row.Text);
        row.Readable = name_readable && text_readable;
        take(row);
    }
    return result == SQLITE_DONE ? TResult() : Error();
}

TResult TCatalogue_Store::Put(const std::string& table, std::string_view name, std::string_view text) {
    TStatement put(Database, "INSERT OR REPLACE INTO " + table + " (name, text) VALUES (?1, ?2)");
    if (!put.Prepared)
        return Error();
    put.Bind(1, name);
    put.Bind(2, text);
    return put.Step() == SQLITE_DONE ? TResult() : Error();
}

TResult TCatalogue_Store::Remove(const std::string& table, std::string_view name) {
    TStatement remove(Database, "DELETE FROM " + table + " WHERE name = ?1");
    if (!remove.Prepared)
        return Error();
    remove.Bind(1, name);
    return remove.Step() == SQLITE_DONE ? TResult() : Error();
}

TResult TCatalogue_Store::Rename(const std::string& table, std::string_view old_name, std::string_view name,
                                 std::string_view text) {
    TResult result = Begin_Writing();
    if (result.Ok())
        result = Remove(table, old_name);
    if (result.Ok())
        result = Put(table, name, text);
    if (result.Ok())
        result = Commit();
    if (!result.Ok())
        Roll_Back();
    return result;
}

TResult TCatalogue_Store::Execute(const char* sql) {
    return sqlite3_exec(Database, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? TResult() : Error();
}

// The reason SQLite gives for the last failure; never empty.
TResult TCatalogue_Store::Error() const {
    const char* message = sqlite3_errmsg(Database);
    return TResult::Failure(message && *message ? message : "unknown database error");
}

} // namespace Vexlor
