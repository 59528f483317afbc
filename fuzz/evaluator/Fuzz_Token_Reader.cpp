// The evaluator's token reader, which holds pushed-back tokens instead of writing them into the
// tokenizer's text, against the plain line tokenizer that writes every pushed-back token and reads
// it again. The first byte says how many of the next bytes are steps; the rest is the formula.
// After every step both must agree on what the evaluator sees: the token, the end of input,
// whether a literal goes on and how much is left unread.
#include "evaluator/Token_Reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace Vexlor;

// What the evaluator would see if every pushed-back token were written in front of the unread
// text, as the line tokenizer does it.
class TPlain_Reader {
  public:
    explicit TPlain_Reader(const std::string& text) {
        Parser.Put_Token(text);
        Typed_Left = Parser.Command.size();
    }
    std::string Next() {
        if (Looking) {
            Looking = false;
            return Looked;
        }
        std::string token = Parser.Token();
        Typed_Left = std::min(Typed_Left, Parser.Command.size());
        return token;
    }
    // A token looked at is kept read by the next Next; any other step pushes it back first.
    std::string Peek() {
        Leave();
        Looked = Next();
        Looking = !Looked.empty();
        return Looked;
    }
    void Leave() {
        if (Looking)
            Parser.Put_Token(Looked);
        Looking = false;
    }
    void Put_Back(const std::string& token) {
        Leave();
        Parser.Put_Token(token);
    }
    bool At_End() {
        Leave();
        return Parser.Token_EOL();
    }
    // Blanks in front of the unread text that the tokenizer wrote after a pushed-back token do
    // not end a literal; a blank typed in the formula does.
    bool Literal_Continues() {
        Leave();
        const std::string_view unread = Parser.Command.View();
        if (unread.empty())
            return false;
        const std::size_t blanks = std::find_if_not(unread.begin(), unread.end(), Is_Blank) - unread.begin();
        return blanks <= unread.size() - Typed_Left;
    }
    std::size_t Unread_Length() {
        Leave();
        return Parser.Command.size();
    }

  private:
    TSParser Parser;
    std::size_t Typed_Left = 0;
    std::string Looked;
    bool Looking = false;
};

// A bracket read again after being written comes back in another shape with the same meaning,
// and the evaluator takes all shapes alike; so does a quoted literal that takes in brackets
// pushed back behind it.
std::string Shape(std::string_view token) {
    std::string shape(token);
    for (char& c : shape) {
        if (c == '[' || c == '{')
            c = '(';
        else if (c == ']' || c == '}')
            c = ')';
    }
    return shape;
}

void Expect(bool same, const char* what, std::size_t step) {
    if (same)
        return;
    std::fprintf(stderr, "token readers differ in %s at step %zu\n", what, step);
    std::abort();
}

void Expect_Token(const std::string& fast, const std::string& plain, const char* what, std::size_t step) {
    if (fast != plain) {
        for (const std::string& token : {fast, plain}) {
            for (const char c : token)
                std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
            std::fprintf(stderr, "\n");
        }
    }
    Expect(fast == plain, what, step);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t step_count = std::min<std::size_t>(data[0], size - 1);
    const std::uint8_t* steps = data + 1;
    const std::string formula(reinterpret_cast<const char*>(steps + step_count), size - 1 - step_count);

    TToken_Reader fast;
    fast.Load(formula);
    TPlain_Reader plain(formula);
    // The evaluator pushes back only the token it read last, or the end of it.
    std::vector<std::string> read;
    for (std::size_t i = 0; i < step_count; ++i) {
        const std::uint8_t step = steps[i];
        switch (step % 8) {
        case 0: {
            const std::string token(fast.Next());
            Expect_Token(Shape(token), Shape(plain.Next()), "the token read", i);
            if (!token.empty())
                read.push_back(token);
            break;
        }
        case 1:
            Expect_Token(Shape(fast.Peek()), Shape(plain.Peek()), "the token looked at", i);
            break;
        case 2:
            fast.Skip();
            plain.Next();
            break;
        case 3:
            fast.Leave();
            plain.Leave();
            break;
        case 4:
            // The last token read, or what follows an operator or a number at the start of a word
            // ("6" of "D6"); a quoted literal goes back whole.
            if (!read.empty()) {
                const std::string token = read.back();
                read.pop_back();
                const bool quoted = token.front() == '"' || token.front() == '\'';
                const std::size_t cut = quoted ? 0 : std::min<std::size_t>(step >> 3, token.size() - 1);
                const std::string rest = token.substr(cut);
                fast.Put_Back(rest);
                plain.Put_Back(rest);
            }
            break;
        case 5:
            Expect(fast.At_End() == plain.At_End(), "the end of input", i);
            break;
        case 6:
            Expect(fast.Literal_Continues() == plain.Literal_Continues(), "whether a literal goes on", i);
            break;
        default:
            Expect(fast.Unread_Length() == plain.Unread_Length(), "the length left unread", i);
            break;
        }
    }
    return 0;
}
