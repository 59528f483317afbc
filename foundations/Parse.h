// The line tokenizer: splits lines of text into words, numbers, quoted literals and single
// characters, with push-back. The tag reader and the expression evaluator are built on it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace Vexlor {

enum TParser_Error {
    ParserErr_Success = 0,
    ParserErr_Unexpected_End_Of_File = 1,
    ParserErr_Unterminated_Literal = 2,
    ParserErr_No_Source = 3,
};

inline const std::string Default_Non_Terminals = "$_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

class TSParser {
  public:
    TSParser() { Init(); }
    virtual ~TSParser() = default;

    // Empties the line and lists, zeroes the counters and restores the default word characters.
    virtual void Init();
    void Done();

    // The source of lines: puts the next line into Command and returns true, or false at the end.
    virtual bool Read_Next_Line();
    // The next raw token; the empty token at the end of the input.
    virtual std::string Get_Token();
    // Get_Token followed by the joining of special multi-character tokens.
    std::string Token();
    // Pushes a token back so that the next Token returns it again.
    void Put_Token(const std::string& token);
    bool Token_EOL() const { return Command.empty(); }
    std::string Grab_Line();
    std::string Line_Text();
    int Get_Current_Line() const { return _Current_Line; }
    void Push_Token_Line() { Token_Stack.push_back(Token_Line); }
    void Pop_Token_Line();

    std::string Command;
    int _Current_Line = 0;
    int Returned_Tokens = 0;
    int Token_Error = ParserErr_Success;
    std::vector<int> Token_Stack;
    std::vector<std::string> Tokens;
    std::string Non_Terminals;
    int Token_Line = 0;
    // When false, lines are folded to upper case as they are read. Init leaves it alone.
    bool Case_Sensitive = false;

  protected:
    // Reads one line into Command and edits it; false at the end of the input.
    bool Read_Line();
    // Reads lines until Command holds one that is not empty after editing; false at the end.
    bool Fill_Command();

  private:
    // Takes the next raw token off the front of Command and edits it (Edit with every flag).
    std::string Scan_Token();
    // The characters of Non_Terminals as a table, rebuilt when Non_Terminals or Case_Sensitive
    // change.
    const std::array<bool, 256>& Word_Characters();

    std::array<bool, 256> Word_Table{};
    std::string Word_Table_Source;
    bool Word_Table_Case_Sensitive = false;
};

// The generic parser wrapper: owns one tokenizer and forwards every operation to it.
class TParser {
  public:
    explicit TParser(TSParser* parser) : Parser(parser) {}
    virtual ~TParser() { delete Parser; }
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    std::string Get_Token() { return Parser->Get_Token(); }
    std::string Token() { return Parser->Token(); }
    void Put_Token(const std::string& token) { Parser->Put_Token(token); }
    std::string Grab_Line() { return Parser->Grab_Line(); }
    bool Token_EOL() const { return Parser->Token_EOL(); }
    std::string Line_Text() { return Parser->Line_Text(); }

  protected:
    TSParser* Parser;
};

} // namespace Vexlor
