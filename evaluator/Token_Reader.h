// The evaluator's token source: the line tokenizer loaded with the whole formula, read token by
// token with push-back.
#pragma once

#include "foundations/Parse.h"

#include <cstddef>
#include <string>

namespace Vexlor {

// The parser pushes tokens back constantly (a number is read to see what follows it, an operator
// is read to see whether it ends the operand). A token pushed back that the tokenizer would read
// back unchanged is held here instead of being written in front of the tokenizer's unread text
// and scanned again. Everything the evaluator observes (the tokens, whether the input is used up,
// where a literal ends, how much text is left) comes out exactly as if it had been written: the
// tokenizer would put a blank after such a token when the text behind it does not start with one,
// and that blank is tracked here as well.
class TToken_Reader {
  public:
    // Makes text the whole unread input.
    void Load(const std::string& text);
    std::string Next();
    void Put_Back(std::string token);
    // The next token, left unread: the same as reading it and pushing it back. The reference holds
    // until the next call.
    const std::string& Peek();
    // No unread input left, not even blanks.
    bool At_End() const;
    // The unread input goes on with the literal just read: it is not used up and does not start
    // with a blank typed in the formula. Blanks the tokenizer put after pushed-back tokens do not
    // count, so 2 3 is two numbers but the parts of 12.5E-3 stay one.
    bool Literal_Continues() const;
    // How many characters of input are left unread.
    std::size_t Unread_Length() const;

  private:
    // The tokenizer would put a blank between a token pushed back now and its unread text.
    bool Would_Separate() const;
    void Write_Pending();

    TSParser Parser;
    std::string Pending;
    bool Has_Pending = false;
    // A blank the tokenizer would have left in front of its unread text after the held token was
    // read again.
    bool Separating_Blank = false;
    // How much of the tokenizer's unread text is formula text, as opposed to tokens pushed back
    // in front of it; the formula text is always its end.
    std::size_t Typed_Left = 0;
};

} // namespace Vexlor
