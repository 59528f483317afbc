// The evaluator's token source: the line tokenizer loaded with the whole formula, read token by
// token with push-back.
#pragma once

#include "foundations/CommonUt.h"
#include "foundations/Parse.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace Vexlor {

// The parser pushes tokens back constantly (a number is read to see what follows it, an operator
// is read to see whether it ends the operand). A token pushed back that the tokenizer would read
// back alike is held here instead of being written in front of the tokenizer's unread text and
// scanned again. Everything the evaluator observes (the tokens, whether the input is used up,
// where a literal ends, how much text is left) comes out exactly as if it had been written: the
// tokenizer would put a blank after such a token when the text behind it does not start with one,
// and that blank is tracked here as well.
// The tokens handed out are views that hold until the next call on the reader.
class TToken_Reader {
  public:
    // Makes text the whole unread input.
    void Load(const std::string& text);
    // Reads the next token; a token looked at with Peek is the one read.
    std::string_view Next() {
        if (Held == Held_None)
            return Read_Tokenizer();
        if (Held == Held_Pushed)
            Take_Pushed();
        Held = Held_None;
        return Pending;
    }
    void Put_Back(std::string_view token);
    // Reads the next token without deciding yet what becomes of it: Next or Skip keeps it read;
    // Leave, or any other call, pushes it back.
    std::string_view Peek() {
        Settle_Peek(); // looked at twice: the first look pushed it back
        if (Held == Held_None) {
            Pending = Read_Tokenizer();
            if (!Pending.empty())
                Held = Held_Peeked;
        }
        return Pending;
    }
    // Next, dropping the token.
    void Skip() {
        if (Held == Held_None)
            Read_Tokenizer();
        else if (Held == Held_Pushed)
            Take_Pushed();
        Held = Held_None;
    }
    // Pushes back the token looked at with Peek.
    void Leave() { Settle_Peek(); }
    // No unread input left, not even blanks.
    bool At_End() {
        Settle_Peek();
        return Held == Held_None && !Separating_Blank && Parser.Token_EOL();
    }
    // The unread input goes on with the literal just read: it is not used up and does not start
    // with a blank typed in the formula. Blanks the tokenizer put after pushed-back tokens do not
    // count, so 2 3 is two numbers but the parts of 12.5E-3 stay one.
    bool Literal_Continues() {
        Settle_Peek();
        if (Held == Held_Pushed)
            return true;
        if (At_End())
            return false;
        const std::string_view unread = Parser.Command.View();
        std::size_t blanks = 0;
        while (blanks < unread.size() && Is_Blank(unread[blanks]))
            ++blanks;
        return blanks <= unread.size() - Typed_Left;
    }
    // How many characters of input are left unread.
    std::size_t Unread_Length();

  private:
    enum THeld {
        Held_None,
        Held_Peeked, // read by Peek, not yet kept or pushed back
        Held_Pushed, // pushed back: the tokenizer's text would start with it
    };

    std::string_view Read_Tokenizer() {
        Separating_Blank = false; // the tokenizer would skip it on its way to the next token
        // Nothing but the formula is ever loaded, so with no unread text the tokenizer has no line
        // left to read and gives the empty token.
        if (Parser.Token_EOL())
            return {};
        const std::string_view token = Parser.Token_View();
        // Reading past the tokens pushed back in front of the formula text reads formula text.
        Typed_Left = std::min(Typed_Left, Parser.Command.size());
        return token;
    }
    // A token peeked and then left stands pushed back.
    void Settle_Peek() {
        if (Held == Held_Peeked)
            Hold_Pushed();
    }
    // Holds Pending as pushed back, or writes it into the tokenizer's text when the tokenizer
    // would not read it back alike. A held token read from the tokenizer stays a view of its
    // text: the tokenizer is not called again until the token is read or written back.
    void Hold_Pushed() {
        Held = Held_Pushed;
        if (!Reads_Back_Alike(Pending))
            Write_Pending();
    }
    // The tokenizer would read the token back as one token of the same meaning: a word of
    // capitals and digits, or one printable sign other than a quote. (A bracket comes back
    // turned, "(" as "[", but still opening or closing, and the evaluator takes all bracket shapes
    // alike.)
    static bool Reads_Back_Alike(std::string_view token) {
        if (token.size() == 1) {
            const char c = token.front();
            return c > ' ' && c < 127 && c != '"' && c != '\'' && !(c >= 'a' && c <= 'z');
        }
        for (const char c : token)
            if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '$' || c == '_'))
                return false;
        return true;
    }
    void Write_Pending();
    // Reading the held token again: the blank the tokenizer would have put after it is left.
    void Take_Pushed() { Separating_Blank = Separating_Blank || Would_Separate(); }
    // The tokenizer would put a blank between a token pushed back now and its unread text.
    bool Would_Separate() const { return !Parser.Command.empty() && Parser.Command.front() != ' '; }

    TSParser Parser;
    // The held token: a view of the tokenizer's own token, or of Pushed_Text for a token the
    // parser pushed back.
    std::string_view Pending;
    std::string Pushed_Text;
    THeld Held = Held_None;
    // A blank the tokenizer would have left in front of its unread text after a pushed-back token
    // was read again.
    bool Separating_Blank = false;
    // How much of the tokenizer's unread text is formula text, as opposed to tokens pushed back
    // in front of it; the formula text is always its end.
    std::size_t Typed_Left = 0;
};

} // namespace Vexlor
