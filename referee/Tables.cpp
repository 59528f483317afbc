#include "Tables.h"

#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "foundations/Files.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <optional>

namespace Vexlor {

TTable Master_Table;

namespace {

// References are followed this deep, and one roll rolls on at most this many tables: a table
// that refers to itself gives a finite result in a moment instead of running without end.
constexpr int Deepest_Reference = 64;
constexpr int Most_Tables_Per_Roll = 10000;
// Tables kept in the cache; the oldest are forgotten and read again when asked for.
constexpr std::size_t Most_Cached_Tables = 4096;

// A table file's lines, each cut to 255 characters, without their line ends.
class TTable_Lines {
  public:
    explicit TTable_Lines(std::string_view text) : Reader(text) {}

    bool Next(std::string& line) {
        std::string_view whole;
        if (!Reader.Next(whole))
            return false;
        line.assign(whole.substr(0, Longest_Table_Line));
        return true;
    }

    // Skips lines up to and including the next empty line.
    void Skip_Block() {
        std::string line;
        while (Next(line) && !line.empty()) {
        }
    }

  private:
    TLine_Reader Reader;
};

// A whole number read as far as it is valid: an optional sign and the digits that follow.
int Leading_Number(const std::string& text) {
    std::size_t end = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    while (end < text.size() && end < 10 && text[end] >= '0' && text[end] <= '9')
        ++end;
    int value = 0;
    Str_To_Int(text.substr(0, end), value);
    return value;
}

// The table's block read from its header line on, or nothing when the text has no such table.
std::optional<TTable_Record> Read_Table(int number, std::string_view text) {
    TTable_Lines lines(text);
    const std::string header = std::to_string(number) + "\t";
    std::string line;
    for (;;) {
        if (!lines.Next(line))
            return std::nullopt;
        // Empty lines between blocks are only separators, so extra ones never hide a table.
        if (line.empty())
            continue;
        if (line.compare(0, header.size(), header) == 0)
            break;
        lines.Skip_Block();
    }
    TTable_Record record;
    record.Number = number;
    std::string roll;
    lines.Next(roll);
    if (Read_Roll_Line(roll, record))
        return record;
    while (lines.Next(line) && !line.empty())
        record.Entries.push_back(Read_Table_Entry(line));
    return record;
}

// The number right after "@" and where it ends; nothing when no digit follows.
std::optional<int> Reference_Number(const std::string& piece, std::size_t& end) {
    end = 1;
    while (end < piece.size() && end < 10 && piece[end] >= '0' && piece[end] <= '9')
        ++end;
    if (end == 1)
        return std::nullopt;
    return std::stoi(piece.substr(1, end - 1));
}

} // namespace

std::optional<std::string> Read_Table_File(const std::string& file_name, std::string& message) {
    const auto path = Find_File(std::filesystem::current_path(), file_name);
    int error_code = IO_Error_Code(ENOENT, false);
    std::optional<std::string> text;
    if (path) {
        text = Read_File(*path);
        error_code = IO_Error_Code(errno, false);
    }
    message = text ? std::string() : Ert(error_code) + " while opening " + file_name;
    return text;
}

TTable_Entry Read_Table_Entry(const std::string& line) {
    const auto tab = line.find('\t');
    const std::string range = line.substr(0, tab);
    TTable_Entry entry;
    if (tab != std::string::npos)
        entry.Text = line.substr(tab + 1);
    const auto dash = range.find('-');
    const std::string low = range.substr(0, dash);
    const std::string high = dash == std::string::npos ? low : range.substr(dash + 1);
    entry.Low = Leading_Number(low);
    entry.High = Leading_Number(high);
    // 00 stands for 100 and 0 for 10, as percentile dice show them.
    if (entry.High == 0)
        entry.High = Leading_Number("1" + high);
    return entry;
}

bool Read_Roll_Line(const std::string& line, TTable_Record& table) {
    const std::string roll = Edit(line, Edit_All);
    if (!roll.empty() && roll.front() == '@') {
        table.Alias = Leading_Number(roll.substr(1));
        return true;
    }
    table.Roll = roll;
    return false;
}

std::vector<TTable_Reference> Read_References(const std::string& text, std::string& rest) {
    std::vector<TTable_Reference> references;
    rest = text;
    while (!rest.empty() && rest.front() == '@') {
        const auto comma = rest.find(',');
        const std::string piece = rest.substr(0, comma);
        rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
        std::size_t end;
        const auto number = Reference_Number(piece, end);
        if (!number)
            continue;
        if (end < piece.size() && (piece[end] == 'x' || piece[end] == 'X'))
            references.push_back({*number, piece.substr(end + 1)});
        else if (end == piece.size())
            references.push_back({*number, std::nullopt});
    }
    return references;
}

void TTable::Init() {
    Records.clear();
    By_Number.clear();
}

void TTable::Done() {
    while (!Records.empty())
        Free_Memory();
}

void TTable::Free_Memory() {
    if (Records.empty())
        return;
    By_Number.erase(Records.front().Number);
    Records.pop_front();
}

const TTable_Record* TTable::Find_Table(int number, const std::string& file_name) {
    if (const auto found = By_Number.find(number); found != By_Number.end())
        return found->second;
    std::optional<TTable_Record> record;
    if (Text) {
        record = Read_Table(number, *Text);
    } else {
        std::string message;
        if (const auto text = Read_Table_File(file_name, message))
            record = Read_Table(number, *text);
    }
    if (!record)
        return nullptr;
    while (Records.size() >= Most_Cached_Tables)
        Free_Memory();
    Records.push_back(std::move(*record));
    By_Number[number] = &Records.back();
    return &Records.back();
}

void TTable::Start_Roll() {
    if (Depth == 0 && Shared_Rolls == 0)
        Budget_Used = 0;
}

void TTable::Begin_Shared_Roll() {
    Start_Roll();
    ++Shared_Rolls;
}

void TTable::End_Shared_Roll() {
    --Shared_Rolls;
}

bool TTable::Take_Table() {
    if (Budget_Used >= Most_Tables_Per_Roll)
        return false;
    ++Budget_Used;
    return true;
}

bool TTable::Reference_Allowed() {
    return Depth < Deepest_Reference && Budget_Used < Most_Tables_Per_Roll;
}

std::string TTable::Generate_Entry(int number, const std::string& file_name) {
    Start_Roll();
    const TTable_Record* table = Find_Table(number, file_name);
    if (!table)
        return std::string();
    int roll = 0;
    if (table->Alias == 0) {
        long double value, imaginary;
        int position, error;
        Eval(table->Roll, value, imaginary, position, error);
        if (error == 0 && std::isfinite(value) && std::fabs(value) < 2147483647.0L)
            roll = static_cast<int>(value);
    }
    return Get_Entry(number, roll, file_name);
}

std::string TTable::Get_Entry(int number, int roll, const std::string& file_name) {
    Start_Roll();
    const TTable_Record* table = Find_Table(number, file_name);
    if (!table)
        return " ";
    if (table->Entries.empty()) {
        if (table->Alias == 0)
            return Standard_Encounter_Text;
        if (!Reference_Allowed())
            return std::string();
        ++Depth;
        ++Budget_Used;
        const int alias = table->Alias;
        std::string result = Generate_Entry(alias, file_name);
        --Depth;
        return result;
    }
    for (const TTable_Entry& entry : table->Entries) {
        if (entry.Low <= roll && roll <= entry.High) {
            if (entry.Text == "@0")
                return Standard_Encounter_Text;
            const std::string text = entry.Text; // the cache may forget the table while resolving
            const std::string resolved = Resolve_References(text, file_name);
            return resolved.empty() ? text : resolved;
        }
    }
    return " ";
}

std::string TTable::Resolve_References(const std::string& text, const std::string& file_name) {
    std::string accumulated;
    std::string rest;
    for (const TTable_Reference& reference : Read_References(text, rest)) {
        const int times = reference.Times ? Do_Die(*reference.Times) : 1;
        for (int i = 0; i < times && Reference_Allowed(); ++i) {
            ++Depth;
            ++Budget_Used;
            Append_String(accumulated, Generate_Entry(reference.Table, file_name));
            --Depth;
        }
    }
    if (!rest.empty())
        Append_String(accumulated, rest);
    return accumulated;
}

void Append_String(std::string& text, const std::string& item) {
    if (item.find_first_not_of(' ') == std::string::npos)
        return;
    if (text.size() + item.size() < 256) {
        if (!text.empty())
            text += ", ";
        text += item;
    } else if (text.size() < 253) {
        text += "...";
    }
}

std::vector<std::string> Table_Headers(std::string_view text) {
    std::vector<std::string> headers;
    TTable_Lines lines(text);
    std::string line;
    while (lines.Next(line)) {
        if (line.empty())
            continue;
        headers.push_back(line);
        lines.Skip_Block();
    }
    return headers;
}

std::string Load_Table_List(const std::string& file_name, std::vector<std::string>& headers) {
    std::string message;
    const auto text = Read_Table_File(file_name, message);
    headers = text ? Table_Headers(*text) : std::vector<std::string>();
    return message;
}

} // namespace Vexlor
