// The line tokenizer: splits lines of text into words, numbers, quoted literals and single
// characters, with push-back. The tag reader and the expression evaluator are built on it.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

enum TParser_Error {
    ParserErr_Success = 0,
    ParserErr_Unexpected_End_Of_File = 1,
    ParserErr_Unterminated_Literal = 2,
    ParserErr_No_Source = 3,
};

inline const std::string Default_Non_Terminals = "$_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The unread rest of the tokenizer's line, read like the text it holds. Reading a token moves the
// start of the rest past it rather than moving the text behind it forward, so a line is read in
// time that grows with its length alone; a token pushed back goes into the room already read when
// there is enough.
class TUnread_Text {
  public:
    TUnread_Text& operator=(std::string text) {
        Text = std::move(text);
        Start = 0;
        return *this;
    }
    std::string_view View() const { return {Text.data() + Start, Text.size() - Start}; }
    bool empty() const { return Start == Text.size(); }
    std::size_t size() const { return Text.size() - Start; }
    char front() const { return Text[Start]; }
    char operator[](std::size_t index) const { return Text[Start + index]; }
    void clear() {
        Text.clear();
        Start = 0;
    }
    // Empties the text and gives its memory back.
    void Release() {
        clear();
        Text.shrink_to_fit();
    }
    // Marks the first count characters read.
    void Drop_Front(std::size_t count) { Start += count; }
    // Writes token in front of the text, followed by a blank when separate is set.
    void Push_Front(std::string_view token, bool separate);
    // The whole text, leaving it empty.
    std::string Take();

    friend bool operator==(const TUnread_Text& text, std::string_view other) { return text.View() == other; }

  private:
    std::string Text;
    std::size_t Start = 0; // where the unread rest begins in Text
};

// The characters that make up words, read like the text that lists them. Their table is built
// when they are first looked up after being set, so the tokenizer looks characters up without
// first checking whether the list has changed since.
class TWord_Characters {
  public:
    TWord_Characters& operator=(std::string_view characters) {
        if (characters != Characters) {
            Characters = characters;
            Built = false;
        }
        return *this;
    }
    std::string_view View() const { return Characters; }
    friend bool operator==(const TWord_Characters& words, std::string_view other) {
        return words.View() == other;
    }

    // Whether each character code is a word character. A tokenizer that ignores case takes small
    // letters as the capitals they stand for.
    const std::array<bool, 256>& Table(bool case_sensitive) {
        if (!Built) [[unlikely]]
            Build();
        return case_sensitive ? Exact : Folded;
    }

  private:
    void Build();

    std::string Characters;
    bool Built = false;
    std::array<bool, 256> Exact{};
    std::array<bool, 256> Folded{};
};

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
    // Token of this tokenizer itself (its own Get_Token, not a derived one), read in place: the view
    // holds until the next call on the parser. Readers that take thousands of tokens per second
    // (the expression evaluator) read this way, without a copy of each token.
    std::string_view Token_View() {
        const std::string_view token = Next_Token_View();
        if (token.empty() || Tokens.empty()) [[likely]]
            return token;
        return Join_Special_View(token);
    }
    // Pushes a token back so that the next Token returns it again.
    void Put_Token(const std::string& token);
    bool Token_EOL() const { return Command.empty(); }
    std::string Grab_Line();
    std::string Line_Text();
    int Get_Current_Line() const { return _Current_Line; }
    void Push_Token_Line() { Token_Stack.push_back(Token_Line); }
    void Pop_Token_Line();

    TUnread_Text Command;
    int _Current_Line = 0;
    int Returned_Tokens = 0;
    int Token_Error = ParserErr_Success;
    std::vector<int> Token_Stack;
    std::vector<std::string> Tokens;
    TWord_Characters Non_Terminals;
    int Token_Line = 0;
    // When false, lines are folded to upper case as they are read. Init leaves it alone.
    bool Case_Sensitive = false;

  protected:
    // Reads one line into Command and edits it; false at the end of the input.
    bool Read_Line();
    // Reads lines until Command holds one that is not empty after editing; false at the end.
    bool Fill_Command() {
        while (Command.empty())
            if (!Read_Line())
                return false;
        return true;
    }

  private:
    // What the tokenizer's own Get_Token gives, read in place: the next raw token taken off the
    // front of Command and edited (Edit with every flag), as a view of Command or of Edited_Token.
    std::string_view Next_Token_View();
    // Token_View's token joined with what follows when they start a special token.
    std::string_view Join_Special_View(std::string_view token);
    // The length of the quoted literal that unread starts with: up to its closing quote, or the
    // whole of unread when it is not closed.
    std::size_t Quoted_Length(std::string_view unread);

    std::string Edited_Token; // the last token that editing changed
    std::string Joined_Token; // the last token of Token_View that joining built
};

// The generic parser wrapper: owns one tokenizer and forwards every operation to it.
class TParser {
  public:
    explicit TParser(std::unique_ptr<TSParser> parser) : Parser(std::move(parser)) {}
    virtual ~TParser() = default;
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    std::string Get_Token() { return Parser->Get_Token(); }
    std::string Token() { return Parser->Token(); }
    void Put_Token(const std::string& token) { Parser->Put_Token(token); }
    std::string Grab_Line() { return Parser->Grab_Line(); }
    bool Token_EOL() const { return Parser->Token_EOL(); }
    std::string Line_Text() { return Parser->Line_Text(); }

  protected:
    std::unique_ptr<TSParser> Parser;
};

} // namespace Vexlor
