// The referee's text expansion and the dice and table tools, without any window: every tool of
// the GM helper calls these and shows the lines they give.
#pragma once

#include "catalogues/Catalogue_Registry.h"
#include "referee/Output_File.h"
#include "referee/Tables.h"
#include "referee/Tool_Result.h"

#include <optional>
#include <string>
#include <vector>

namespace Vexlor {

class TReferee {
  public:
    TReferee(TTable& tables, const TCatalogues& catalogues, TOutput_File& output)
        : Tables(tables), Catalogues(catalogues), Output(output) {}

    // The result of table n with its codes expanded: @Q, @P, @C, @R, @W and table numbers.
    std::string Generate(int n);
    // Each expression between "<" and ">" replaced by its value.
    static std::string Evaluate(const std::string& text);
    // The whole part of an expression's value; 0 when it does not evaluate.
    static int Int_Eval(const std::string& text);
    static int Dice(int count, int sides);
    // A plan's name chosen at random among the plans of the level; empty when there is none.
    std::string Random_QID(int level);
    std::string Random_Compound(int level);

    // The Dice tab's "Roll": 20 rolls of the formula die_roll asks for (Dice_Formula). Nothing (the
    // tab keeps its results) for a text that is neither dice nor a range.
    std::optional<TRoll_Result> Roll(std::string& die_roll);
    // The Tables tab's "Generate": the raw result of the table typed in table; nothing when the
    // text is not a whole number.
    std::optional<TRoll_Result> Generate_Table(const std::string& table);

    TTable& Get_Tables() { return Tables; }
    const TCatalogues& Get_Catalogues() const { return Catalogues; }
    TOutput_File& Get_Output() { return Output; }

  private:
    std::string Expand(int n, int depth);
    std::string Random_Weapon();

    TTable& Tables;
    TCatalogues Catalogues;
    TOutput_File& Output;
};

// The table whose result follows a random weapon ("@W").
inline constexpr int Weapon_Extras_Table = 220;

// The codes a text starts with, each after an "@" and up to the next ";" (Q3, P3, C2, R2, W, or a
// table number), taken while the text left starts with "@"; rest is the text after them.
std::vector<std::string> Expansion_Codes(const std::string& text, std::string& rest);

// The formula the dice box asks for: its text in upper case without blanks when it holds dice ("D"
// neither first nor last); a range such as "3-18" turned into dice with exactly that range, written
// back into die_roll; nothing for any other text.
std::optional<std::string> Dice_Formula(std::string& die_roll);

// The dice with exactly the range low..high ("3d6", "3d3+1"); empty when low < 1 or low >= high.
std::string Range_To_Dice(int low, int high);

} // namespace Vexlor
