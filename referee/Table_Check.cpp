#include "Table_Check.h"

#include "evaluator/Express.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"
#include "referee/Referee.h"
#include "referee/Tables.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <unordered_map>

namespace Vexlor {
namespace {

// Gaps named one by one in a finding; the rest are counted.
constexpr std::size_t Most_Gaps_Named = 8;
// A roll of this size or more is taken as 0 by the engine.
constexpr long long Largest_Roll = INT_MAX;

// An inclusive run of whole numbers.
struct TSpan {
    long long Low = 0;
    long long High = 0;
};

std::string Span_Text(const TSpan& span) {
    return span.Low == span.High ? std::to_string(span.Low)
                                 : std::to_string(span.Low) + "-" + std::to_string(span.High);
}

// 100000 as "100,000".
std::string Grouped(long long number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<long long>(digits.size()) - 3; at > (digits[0] == '-' ? 1 : 0); at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

// Sorts spans and joins those that touch or overlap.
std::vector<TSpan> Merged(std::vector<TSpan> spans) {
    std::sort(spans.begin(), spans.end(), [](const TSpan& a, const TSpan& b) { return a.Low < b.Low; });
    std::vector<TSpan> merged;
    for (const TSpan& span : spans) {
        if (!merged.empty() && span.Low <= merged.back().High + 1)
            merged.back().High = std::max(merged.back().High, span.High);
        else
            merged.push_back(span);
    }
    return merged;
}

// What a table's roll line can give, as the engine takes it: the value's whole part, 0 for a roll
// that fails to evaluate or does not fit a whole number.
struct TPossible_Rolls {
    bool Evaluates = true;
    int Error = 0;
    bool Exact = false;
    int Samples = 0;
    std::vector<TSpan> Spans;
    std::string Basis; // how the rolls were found, for the findings
};

void Add_Roll(std::vector<TSpan>& spans, long long low, long long high) {
    const long long clipped_low = std::max(low, -Largest_Roll + 1);
    const long long clipped_high = std::min(high, Largest_Roll - 1);
    if (clipped_low <= clipped_high)
        spans.push_back({clipped_low, clipped_high});
    if (low < clipped_low || high > clipped_high)
        spans.push_back({0, 0});
}

// roll is the line as the engine keeps it, written as the game master wrote it.
TPossible_Rolls Possible_Rolls(const std::string& roll, const std::string& written, int samples) {
    TPossible_Rolls rolls;
    if (const auto sum = Read_Dice_Sum(roll)) {
        rolls.Exact = true;
        Add_Roll(rolls.Spans, sum->Minimum(), sum->Maximum());
        rolls.Basis = "the roll " + written + " gives " + std::to_string(sum->Minimum()) + " to " +
                      std::to_string(sum->Maximum());
    } else {
        const TDice_Odds odds = Sampled_Odds(roll, std::max(samples, 1));
        rolls.Samples = odds.Samples;
        rolls.Evaluates = odds.Failures < odds.Samples;
        rolls.Error = odds.Last_Error;
        for (const TOdds_Value& value : odds.Values)
            Add_Roll(rolls.Spans, value.Value, value.Value);
        if (odds.Failures > 0)
            rolls.Spans.push_back({0, 0});
        rolls.Basis = "in " + Grouped(odds.Samples) + " sampled rolls of " + written;
    }
    rolls.Spans = Merged(std::move(rolls.Spans));
    return rolls;
}

struct TFile_Line {
    std::string Text; // as the engine reads it: cut to its longest line
    std::size_t Length = 0;
};

struct TEntry_Line {
    TTable_Entry Entry;
    int Line = 0;
};

// A reference from one table to another, where it is written.
struct TReference_Edge {
    int From = 0;
    int To = 0;
    int Line = 0;
    std::string Written; // "@12", "@12x1D4", "@W", or "@" and the alias
    bool Alias = false;
};

class TChecker {
  public:
    TChecker(const std::vector<std::string>& written, int samples) : Samples(samples) {
        for (const std::string& line : written)
            Lines.push_back({line.substr(0, Longest_Table_Line), line.size()});
    }

    std::vector<TTable_Finding> Run() {
        for (std::size_t first = 0; first < Lines.size();) {
            if (Lines[first].Text.empty()) {
                ++first;
                continue;
            }
            std::size_t end = first;
            while (end < Lines.size() && !Lines[end].Text.empty())
                ++end;
            Check_Block(first, end);
            first = end;
        }
        Check_References();
        Check_Cycles();
        std::stable_sort(Findings.begin(), Findings.end(),
                         [](const TTable_Finding& a, const TTable_Finding& b) { return a.Line < b.Line; });
        return std::move(Findings);
    }

  private:
    void Add(TFinding_Kind kind, bool error, int line, std::optional<int> table, std::string text) {
        Findings.push_back({kind, error, line, table, std::move(text)});
    }

    static int Line_Number(std::size_t index) { return static_cast<int>(index) + 1; }

    // The block of lines first..end-1: a table when its first line is a table number and a tab,
    // a remark when it does not start with a digit.
    void Check_Block(std::size_t first, std::size_t end) {
        const std::string& header = Lines[first].Text;
        const auto tab = header.find('\t');
        const std::string number_text = header.substr(0, tab);
        int number = 0;
        if (tab == std::string::npos || !Str_To_Int(number_text, number) ||
            std::to_string(number) != number_text) {
            const auto digit = header.find_first_not_of(' ');
            if (digit != std::string::npos && header[digit] >= '0' && header[digit] <= '9')
                Add(Finding_No_Tab, true, Line_Number(first), Leading_Digits(header.substr(digit)),
                    "a table's number must start the line and be followed directly by a tab: this "
                    "table is never found");
            return;
        }
        for (std::size_t line = first; line < end; ++line)
            if (Lines[line].Length > Longest_Table_Line)
                Add(Finding_Line_Cut, false, Line_Number(line), number,
                    "the line is " + std::to_string(Lines[line].Length) +
                        " characters long; only the first " + std::to_string(Longest_Table_Line) +
                        " are read");
        if (const auto earlier = Defined.find(number); earlier != Defined.end()) {
            Add(Finding_Defined_Twice, true, Line_Number(first), number,
                "table " + std::to_string(number) + " is defined on line " + std::to_string(earlier->second) +
                    " already: this one is never read");
            return;
        }
        Defined[number] = Line_Number(first);
        if (end - first < 2) {
            Add(Finding_No_Entries, true, Line_Number(first), number,
                "table " + std::to_string(number) + " has no roll line and no entries");
            return;
        }
        TTable_Record table;
        if (Read_Roll_Line(Lines[first + 1].Text, table)) {
            if (table.Alias != 0)
                Edges.push_back(
                    {number, table.Alias, Line_Number(first + 1), "@" + std::to_string(table.Alias), true});
            return;
        }
        std::vector<TEntry_Line> entries;
        for (std::size_t line = first + 2; line < end; ++line) {
            const std::string& text = Lines[line].Text;
            if (text.find('\t') == std::string::npos)
                Add(Finding_No_Tab, true, Line_Number(line), number,
                    text.find_first_not_of(' ') == std::string::npos
                        ? "the line holds only blanks, so it is read as an entry instead of ending the table"
                        : "an entry needs a tab between its range and its text");
            entries.push_back({Read_Table_Entry(text), Line_Number(line)});
            Add_References(number, entries.back());
        }
        if (entries.empty()) {
            Add(Finding_No_Entries, true, Line_Number(first), number,
                "table " + std::to_string(number) + " has no entries: every roll gives \"" +
                    Standard_Encounter_Text + "\"");
            return;
        }
        Check_Entries(number, Line_Number(first + 1), table.Roll, Edit(Lines[first + 1].Text, Edit_Trim),
                      entries);
    }

    static std::optional<int> Leading_Digits(const std::string& text) {
        const auto end = std::find_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
        int number = 0;
        if (!Str_To_Int(std::string(text.begin(), end), number))
            return std::nullopt;
        return number;
    }

    // The tables an entry rolls on: the engine's references, or else the codes the referee tools
    // expand.
    void Add_References(int table, const TEntry_Line& entry) {
        const std::string& text = entry.Entry.Text;
        if (text == "@0")
            return;
        std::string rest;
        const auto references = Read_References(text, rest);
        for (const TTable_Reference& reference : references) {
            if (reference.Times && Do_Die(*reference.Times) < 0)
                continue; // a repeat count the engine cannot read rolls nothing
            Edges.push_back(
                {table, reference.Table, entry.Line,
                 "@" + std::to_string(reference.Table) + (reference.Times ? "x" + *reference.Times : ""),
                 false});
        }
        if (!references.empty())
            return;
        for (const std::string& code : Expansion_Codes(text, rest)) {
            int number = 0;
            if (!code.empty() && code.front() == 'W')
                Edges.push_back({table, Weapon_Extras_Table, entry.Line, "@W", false});
            else if (Str_To_Int(code, number))
                Edges.push_back({table, number, entry.Line, "@" + code, false});
        }
    }

    struct TClaim {
        long long High = 0;
        std::size_t Entry = 0;
    };
    using TClaims = std::map<long long, TClaim>; // disjoint runs of rolls keyed by their low end

    // The first claim that reaches low or beyond.
    static TClaims::const_iterator First_Claim(const TClaims& claims, long long low) {
        auto claim = claims.upper_bound(low);
        if (claim != claims.begin() && std::prev(claim)->second.High >= low)
            --claim;
        return claim;
    }

    // Overlaps, gaps and entries never selected. Each roll selects the first entry in file order
    // whose range holds it, so an entry claims the rolls of its range that no earlier entry holds.
    void Check_Entries(int number, int roll_line, const std::string& roll, const std::string& written,
                       const std::vector<TEntry_Line>& entries) {
        TClaims claims;
        for (std::size_t index = 0; index < entries.size(); ++index) {
            const TTable_Entry& entry = entries[index].Entry;
            if (entry.Low > entry.High)
                continue;
            std::vector<TSpan> free;
            std::optional<std::size_t> overlapped;
            long long start = entry.Low;
            for (auto claim = First_Claim(claims, entry.Low);
                 claim != claims.end() && claim->first <= entry.High; ++claim) {
                if (!overlapped)
                    overlapped = claim->second.Entry;
                if (claim->first > start)
                    free.push_back({start, claim->first - 1});
                start = std::max(start, claim->second.High + 1);
            }
            if (start <= entry.High)
                free.push_back({start, entry.High});
            for (const TSpan& span : free)
                claims[span.Low] = {span.High, index};
            if (overlapped)
                Add(Finding_Overlap, false, entries[index].Line, number,
                    "entry " + Range_Text(entry) + " overlaps entry " +
                        Range_Text(entries[*overlapped].Entry) + " on line " +
                        std::to_string(entries[*overlapped].Line) +
                        ": a roll in both selects the earlier one");
        }
        const TPossible_Rolls rolls = Possible_Rolls(roll, written, Samples);
        if (!rolls.Evaluates) {
            const std::string reason = EERT(rolls.Error);
            Add(Finding_Roll_Not_Evaluated, true, roll_line, number,
                "the roll line \"" + written + "\" does not evaluate" +
                    (reason.empty() ? "" : " (" + reason + ")") + ": every roll gives 0");
            return;
        }
        std::vector<bool> selected(entries.size(), false);
        std::vector<TSpan> gaps;
        for (const TSpan& span : rolls.Spans) {
            long long start = span.Low;
            for (auto claim = First_Claim(claims, span.Low);
                 claim != claims.end() && claim->first <= span.High; ++claim) {
                if (claim->first > start)
                    gaps.push_back({start, claim->first - 1});
                selected[claim->second.Entry] = true;
                start = std::max(start, claim->second.High + 1);
            }
            if (start <= span.High)
                gaps.push_back({start, span.High});
        }
        if (!gaps.empty())
            Add(Finding_Gap, true, roll_line, number, Gap_Text(Merged(std::move(gaps)), rolls));
        for (std::size_t index = 0; index < entries.size(); ++index)
            if (!selected[index])
                Add(Finding_Unreachable, false, entries[index].Line, number,
                    Unreachable_Text(entries[index].Entry, rolls));
    }

    static std::string Range_Text(const TTable_Entry& entry) { return Span_Text({entry.Low, entry.High}); }

    static std::string Gap_Text(const std::vector<TSpan>& gaps, const TPossible_Rolls& rolls) {
        const bool one = gaps.size() == 1 && gaps[0].Low == gaps[0].High;
        std::string text = one ? "roll " : "rolls ";
        for (std::size_t i = 0; i < gaps.size() && i < Most_Gaps_Named; ++i)
            text += (i > 0 ? ", " : "") + Span_Text(gaps[i]);
        if (gaps.size() > Most_Gaps_Named)
            text += " and " + std::to_string(gaps.size() - Most_Gaps_Named) + " more";
        return text + (one ? " selects" : " select") + " no entry and give" + (one ? "s" : "") +
               " a blank result (" + rolls.Basis + ")";
    }

    static std::string Unreachable_Text(const TTable_Entry& entry, const TPossible_Rolls& rolls) {
        const std::string start = "entry " + Range_Text(entry);
        if (entry.Low > entry.High)
            return start + " is never selected: its low end is above its high end";
        const bool in_reach =
            std::any_of(rolls.Spans.begin(), rolls.Spans.end(), [&entry](const TSpan& span) {
                return span.Low <= entry.High && entry.Low <= span.High;
            });
        if (!rolls.Exact)
            return start + " was never selected " + rolls.Basis;
        if (in_reach)
            return start + " is never selected: earlier entries take all of its rolls";
        return start + " is never selected: " + rolls.Basis;
    }

    void Check_References() {
        for (const TReference_Edge& edge : Edges) {
            if (Defined.count(edge.To))
                continue;
            const std::string missing = "table " + std::to_string(edge.To) + ", which is not in the file";
            Add(Finding_Missing_Table, true, edge.Line, edge.From,
                edge.Alias ? "table " + std::to_string(edge.From) + " is an alias of " + missing
                           : edge.Written + " rolls on " + missing);
        }
    }

    // Tables whose references can come back to them: the strongly connected parts of the reference
    // graph (Tarjan's algorithm, with a stack of its own so that a long chain of tables cannot run
    // out of call stack). Each is reported once, with one way round it.
    void Check_Cycles() {
        std::unordered_map<int, std::vector<std::size_t>> out; // a table's edges to defined tables
        for (std::size_t edge = 0; edge < Edges.size(); ++edge)
            if (Defined.count(Edges[edge].To))
                out[Edges[edge].From].push_back(edge);
        struct TState {
            int Index = -1;
            int Low = 0;
            bool On_Stack = false;
        };
        std::unordered_map<int, TState> state;
        std::vector<int> stack;
        int next_index = 0;
        for (const auto& definition : Defined) {
            const int root = definition.first;
            if (state[root].Index >= 0)
                continue;
            std::vector<std::pair<int, std::size_t>> walk{{root, 0}}; // table, next edge to follow
            state[root] = {next_index, next_index, true};
            ++next_index;
            stack.push_back(root);
            while (!walk.empty()) {
                auto& [table, next] = walk.back();
                const auto& edges = out[table];
                if (next < edges.size()) {
                    const int to = Edges[edges[next++]].To;
                    if (state[to].Index < 0) {
                        state[to] = {next_index, next_index, true};
                        ++next_index;
                        stack.push_back(to);
                        walk.push_back({to, 0});
                    } else if (state[to].On_Stack) {
                        state[table].Low = std::min(state[table].Low, state[to].Index);
                    }
                    continue;
                }
                const int done = table;
                walk.pop_back();
                if (!walk.empty())
                    state[walk.back().first].Low = std::min(state[walk.back().first].Low, state[done].Low);
                if (state[done].Low != state[done].Index)
                    continue;
                std::vector<int> part;
                int member;
                do {
                    member = stack.back();
                    stack.pop_back();
                    state[member].On_Stack = false;
                    part.push_back(member);
                } while (member != done);
                Report_Cycle(part, out);
            }
        }
    }

    // One way round a part of the graph, from its table written first back to it, found breadth
    // first so that it is a shortest one.
    void Report_Cycle(const std::vector<int>& part, std::unordered_map<int, std::vector<std::size_t>>& out) {
        const int start = *std::min_element(part.begin(), part.end(),
                                            [this](int a, int b) { return Defined.at(a) < Defined.at(b); });
        const auto in_part = [&part](int table) {
            return std::find(part.begin(), part.end(), table) != part.end();
        };
        std::unordered_map<int, std::size_t> reached_by; // table -> the edge first reaching it
        std::deque<int> queue{start};
        std::optional<std::size_t> closing;
        while (!queue.empty() && !closing) {
            const int table = queue.front();
            queue.pop_front();
            for (const std::size_t edge : out[table]) {
                const int to = Edges[edge].To;
                if (to == start) {
                    closing = edge;
                    break;
                }
                if (in_part(to) && !reached_by.count(to)) {
                    reached_by[to] = edge;
                    queue.push_back(to);
                }
            }
        }
        if (!closing)
            return; // a single table that does not refer to itself
        std::vector<std::size_t> path{*closing};
        for (int table = Edges[*closing].From; table != start; table = Edges[reached_by[table]].From)
            path.push_back(reached_by[table]);
        std::reverse(path.begin(), path.end());
        std::string route = std::to_string(start);
        for (const std::size_t edge : path)
            route += " -> " + std::to_string(Edges[edge].To);
        const TReference_Edge& first = Edges[path.front()];
        Add(Finding_Cycle, false, first.Line, start,
            first.Written + " can lead back to table " + std::to_string(start) + " (" + route +
                "): the tools stop following references after a fixed depth");
    }

    int Samples;
    std::vector<TFile_Line> Lines;
    std::map<int, int> Defined; // table number -> the line of its header
    std::vector<TReference_Edge> Edges;
    std::vector<TTable_Finding> Findings;
};

} // namespace

TTable_Check Check_Tables(std::string_view text, int samples) {
    TTable_Check check;
    check.Lines = Split_Lines(text);
    check.Findings = TChecker(check.Lines, samples).Run();
    return check;
}

std::string Check_Table_File(const std::string& file_name, TTable_Check& check) {
    std::string message;
    const auto text = Read_Table_File(file_name, message);
    check = text ? Check_Tables(*text) : TTable_Check{};
    return message;
}

TRoll_Result Check_Report(TOutput_File& output, const std::string& file_name, TTable_Check& check) {
    const std::string message = Check_Table_File(file_name, check);
    if (!message.empty())
        return TRoll_Result{{}, message};
    return Roll_Lines(output, "Table check", 1, [&check](TResult_Lines& lines) {
        for (const TTable_Finding& finding : check.Findings)
            lines.Add(Finding_Line(finding));
        lines.Add(Check_Summary(check.Findings));
    });
}

std::string Finding_Source(const TTable_Check& check, const TTable_Finding& finding) {
    const auto index = static_cast<std::size_t>(finding.Line - 1);
    const std::string written = index < check.Lines.size() ? check.Lines[index] : std::string();
    std::string shown;
    for (const char c : written)
        shown += c == '\t' ? std::string("[tab]") : std::string(1, c);
    return "Line " + std::to_string(finding.Line) + ": " + shown;
}

std::string Finding_Line(const TTable_Finding& finding) {
    std::string line =
        std::string(finding.Error ? "Error" : "Warning") + " in line " + std::to_string(finding.Line);
    if (finding.Table)
        line += " (table " + std::to_string(*finding.Table) + ")";
    return line + ": " + finding.Text;
}

std::string Check_Summary(const std::vector<TTable_Finding>& findings) {
    const auto errors =
        std::count_if(findings.begin(), findings.end(), [](const auto& f) { return f.Error; });
    const auto warnings = static_cast<long>(findings.size()) - errors;
    if (findings.empty())
        return "No errors or warnings";
    const auto counted = [](long count, const std::string& word) {
        return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
    };
    return counted(errors, "error") + ", " + counted(warnings, "warning");
}

} // namespace Vexlor
