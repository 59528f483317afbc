// Reading a formula into its expression tree.
#include "Express.h"

#include "evaluator/Literals.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Vexlor {
namespace {

constexpr int Min_Max_Precedence = 10000;
constexpr int Additive_Precedence = 16000;
constexpr int Multiplicative_Precedence = 24000;
constexpr int Power_Precedence = 26000;
constexpr int Unary_Precedence = 28000;

struct TSymbol {
    std::string_view Name;
    int Kind;
    int Precedence; // for a function: its number of arguments
    int Operation;
};

constexpr TSymbol Function(std::string_view name, int operation, int arguments = 1) {
    return {name, SF_Function, arguments, operation};
}

constexpr std::array Symbols = {
    TSymbol{"+", SF_Binary_Operator, Additive_Precedence, Op_Add},
    TSymbol{"-", SF_Binary_Operator, Additive_Precedence, Op_Subtract},
    TSymbol{"*", SF_Binary_Operator, Multiplicative_Precedence, Op_Multiply},
    TSymbol{"/", SF_Binary_Operator, Multiplicative_Precedence, Op_Divide},
    TSymbol{"MOD", SF_Binary_Operator, Multiplicative_Precedence, Op_Mod},
    TSymbol{"REM", SF_Binary_Operator, Multiplicative_Precedence, Op_Rem},
    TSymbol{"DIV", SF_Binary_Operator, Multiplicative_Precedence, Op_Div},
    TSymbol{"SHL", SF_Binary_Operator, Multiplicative_Precedence, Op_Shift_Left},
    TSymbol{"SHR", SF_Binary_Operator, Multiplicative_Precedence, Op_Shift_Right},
    TSymbol{"AND", SF_Binary_Operator, Multiplicative_Precedence, Op_And},
    TSymbol{"OR", SF_Binary_Operator, Multiplicative_Precedence, Op_Or},
    TSymbol{"XOR", SF_Binary_Operator, Multiplicative_Precedence, Op_Xor},
    TSymbol{"^", SF_Binary_Operator, Power_Precedence, Op_Exponent},
    TSymbol{"D", SF_Binary_Operator, Power_Precedence, Op_D},
    TSymbol{"MIN", SF_Binary_Operator, Min_Max_Precedence, Op_Min},
    TSymbol{"MAX", SF_Binary_Operator, Min_Max_Precedence, Op_Max},
    TSymbol{"%", SF_Left_Unary_Operator, Unary_Precedence, Op_Percent},
    TSymbol{"!", SF_Left_Unary_Operator, Unary_Precedence, Op_Factorial},
    Function("RAD", Op_Rad),
    Function("DEG", Op_Deg),
    Function("ABS", Op_Abs),
    Function("COS", Op_Cos),
    Function("COT", Op_Cot),
    Function("CSC", Op_Csc),
    Function("EXP", Op_Exp),
    Function("INT", Op_Int),
    Function("LOG", Op_Log),
    Function("SEC", Op_Sec),
    Function("SIN", Op_Sin),
    Function("TAN", Op_Tan),
    Function("FIX", Op_Fix),
    Function("SQR", Op_Sqr),
    Function("SGN", Op_Sgn),
    Function("FIB", Op_Fib),
    Function("ARCCOS", Op_Arccos),
    Function("ARCCOT", Op_Arccot),
    Function("ARCCSC", Op_Arccsc),
    Function("ARCSEC", Op_Arcsec),
    Function("ARCSIN", Op_Arcsin),
    Function("ARCTAN", Op_Arctan),
    Function("HYPCOS", Op_Hypcos),
    Function("HYPCOT", Op_Hypcot),
    Function("HYPCSC", Op_Hypcsc),
    Function("HYPSEC", Op_Hypsec),
    Function("HYPSIN", Op_Hypsin),
    Function("HYPTAN", Op_Hyptan),
    Function("HYPARCCOS", Op_Hyparccos),
    Function("ARCHYPCOS", Op_Hyparccos),
    Function("HYPARCCOT", Op_Hyparccot),
    Function("ARCHYPCOT", Op_Hyparccot),
    Function("HYPARCSEC", Op_Hyparcsec),
    Function("ARCHYPSEC", Op_Hyparcsec),
    Function("HYPARCSIN", Op_Hyparcsin),
    Function("ARCHYPSIN", Op_Hyparcsin),
    Function("HYPARCTAN", Op_Hyparctan),
    Function("ARCHYPTAN", Op_Hyparctan),
    Function("LOG10", Op_Log10),
    Function("RND", Op_Rnd),
    Function("ROOT", Op_Root, 2),
    Function("PI", Op_PI, 0),
};

// Names are a few characters long: comparing them here is cheaper than calling memcmp.
constexpr bool Same_Name(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// The symbols grouped by their first character, so a look-up compares a handful of names. Built
// by the compiler.
class TSymbol_Index {
  public:
    constexpr TSymbol_Index() {
        std::array<const TSymbol*, Symbols.size()> sorted{};
        for (std::size_t i = 0; i < Symbols.size(); ++i)
            sorted[i] = &Symbols[i];
        std::sort(sorted.begin(), sorted.end(),
                  [](const TSymbol* a, const TSymbol* b) { return a->Name < b->Name; });
        Sorted = sorted;
        for (std::size_t i = Sorted.size(); i-- > 0;) {
            const auto first = static_cast<unsigned char>(Sorted[i]->Name.front());
            Begin[first] = i;
            End[first] = std::max(End[first], i + 1);
        }
    }

    constexpr const TSymbol* Find(std::string_view text) const {
        if (text.empty())
            return nullptr;
        const auto first = static_cast<unsigned char>(text.front());
        for (std::size_t i = Begin[first]; i < End[first]; ++i)
            if (Same_Name(Sorted[i]->Name, text))
                return Sorted[i];
        return nullptr;
    }

  private:
    std::array<const TSymbol*, Symbols.size()> Sorted{};
    std::array<std::size_t, 256> Begin{};
    std::array<std::size_t, 256> End{};
};

constexpr TSymbol_Index Symbol_Index;

// The token is the one character c.
bool Is(std::string_view token, char c) {
    return token.size() == 1 && token.front() == c;
}

bool Is_Opening_Bracket(std::string_view token) {
    return Is(token, '(') || Is(token, '[') || Is(token, '{');
}

bool Is_Closing_Bracket(std::string_view token) {
    return Is(token, ')') || Is(token, ']') || Is(token, '}');
}

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a token may take part in the number read so far. One that cannot (an operator, a
// bracket, a name that neither starts nor ends like an exponent) ends the number unread, which is
// the same as reading it, finding that it does not belong and pushing it back.
bool Could_Go_On_With_A_Number(std::string_view token) {
    return !token.empty() &&
           (Is_Digit(token.front()) || token.front() == '.' || token.front() == 'E' || token.back() == 'E');
}

// Whether Number could make anything of a token other than push it back whole: one that starts
// with a digit, a sign or a point, or ends in the E of an exponent whose digits may follow.
bool Could_Start_A_Number(std::string_view token) {
    if (token.empty())
        return false;
    const char first = token.front();
    return Is_Digit(first) || first == '+' || first == '-' || first == '.' || token.back() == 'E';
}

// The literal read so far ends in the E of an exponent whose sign and digits may follow.
bool Ends_In_Exponent(const std::string& literal) {
    return !literal.empty() && literal.back() == 'E';
}

// The value of a literal's text; infinite when the number is too large for a real.
long double Literal_Value(std::string_view text) {
    long double value;
    return Text_To_Real(text, value) ? value : HUGE_VALL;
}

} // namespace

void TExpression_Evaluator::Get_Symbol(std::string_view text, int& kind, bool& unknown, int& precedence,
                                       int& operation) {
    const TSymbol* symbol = Symbol_Index.Find(text);
    unknown = symbol == nullptr;
    if (unknown)
        return;
    kind = symbol->Kind;
    precedence = symbol->Precedence;
    operation = symbol->Operation;
}

pExpression_Node TExpression_Evaluator::Parse_Expression() {
    pExpression_Node operand = Get_Subexpression();
    pExpression_Node root = nullptr;
    pExpression_Node last = nullptr;
    while (operand != nullptr) {
        int operation = 0;
        int precedence = 0;
        if (!Read_Binary_Operator(operation, precedence)) {
            if (last == nullptr)
                return operand;
            last->Right = operand;
            operand->Parent = last;
            return root;
        }
        const pExpression_Node node = Operator_Node(operation, precedence, operand);
        Attach_Operator(node, root, last);
        last = node;
        if (Tokens.Peek().empty()) {
            // A formula that ends with an operator takes 0 as its last operand: 2+ is 2, 2* is 0.
            last->Right = Literal_Node(0);
            last->Right->Parent = last;
            return root;
        }
        operand = Get_Subexpression();
    }
    return nullptr;
}

// The small steps of reading (an operator, a node, the postfix operators) are inline: formulas
// are read thousands of times per press of a referee tool.
inline bool TExpression_Evaluator::Read_Binary_Operator(int& operation, int& precedence) {
    const std::string_view token = Tokens.Peek();
    int kind = 0;
    bool unknown = true;
    Get_Symbol(token, kind, unknown, precedence, operation);
    if (!unknown) {
        if (kind != SF_Binary_Operator)
            return false;
        Tokens.Skip();
        return true;
    }
    // A word that ends in digits may be an operator written against its operand: D6 is "D" then
    // 6, MOD3 is "MOD" then 3.
    for (std::size_t length = token.size(); length > 1 && Is_Digit(token[length - 1]); --length) {
        Get_Symbol(token.substr(0, length - 1), kind, unknown, precedence, operation);
        if (!unknown && kind == SF_Binary_Operator) {
            Tokens.Skip(); // token, a view of the text skipped, still holds
            Tokens.Put_Back(token.substr(length - 1));
            return true;
        }
    }
    return false;
}

inline pExpression_Node TExpression_Evaluator::Operator_Node(int operation, int precedence,
                                                             pExpression_Node left) {
    const pExpression_Node node = Nodes.New_Node(Node_Operator);
    node->Operation = operation;
    node->Precedence = precedence;
    node->Left = left;
    left->Parent = node;
    return node;
}

inline pExpression_Node TExpression_Evaluator::Literal_Node(long double value) {
    const pExpression_Node node = Nodes.New_Node(Node_Literal);
    node->Value = value;
    return node;
}

// Hangs a new operator node below the last one and moves it up as far as precedence says: an
// operator binding no tighter than those above it takes their place and they become its left
// operand, so equal precedences group from the left.
inline void TExpression_Evaluator::Attach_Operator(pExpression_Node node, pExpression_Node& root,
                                                   pExpression_Node last) {
    if (root == nullptr) {
        root = node;
        return;
    }
    last->Right = node;
    node->Parent = last;
    if (node->Precedence > last->Precedence)
        return;
    pExpression_Node top = last;
    while (top->Parent != nullptr && top->Parent->Precedence >= node->Precedence)
        top = top->Parent;
    last->Right = node->Left;
    node->Left->Parent = last;
    const pExpression_Node above = top->Parent;
    if (above == nullptr)
        root = node;
    else if (above->Left == top)
        above->Left = node;
    else
        above->Right = node;
    node->Parent = above;
    node->Left = top;
    top->Parent = node;
}

pExpression_Node TExpression_Evaluator::Get_Subexpression() {
    if (Nesting > Deepest_Nesting) {
        Fail(Error_Syntax_Error);
        return nullptr;
    }
    ++Nesting;
    const pExpression_Node operand = Read_Operand();
    --Nesting;
    return operand == nullptr ? nullptr : Postfix_Operators(operand);
}

pExpression_Node TExpression_Evaluator::Read_Operand() {
    std::string_view token = Tokens.Peek();
    while (Is(token, '+')) {
        Tokens.Skip();
        token = Tokens.Peek();
    }
    if (token.empty()) {
        Fail(Error_Syntax_Error);
        return nullptr;
    }
    if (Is_Opening_Bracket(token)) {
        Tokens.Skip();
        const pExpression_Node inner = Parse_Expression();
        if (inner == nullptr)
            return nullptr;
        if (!Is_Closing_Bracket(Tokens.Peek())) {
            Fail(Error_Missing_Right_Parenthesis);
            return nullptr;
        }
        Tokens.Skip();
        return inner;
    }
    if (Is(token, '-')) {
        Tokens.Skip();
        // The sign takes the operand with its own postfix operators: -3! is -(3!), -2^2 is 4.
        const pExpression_Node operand = Get_Subexpression();
        if (operand == nullptr) {
            Fail(Error_Syntax_Error);
            return nullptr;
        }
        return Operator_Node(Op_Negate_Stack, Unary_Precedence, operand);
    }
    Tokens.Leave(); // pushed back for Number to read
    if (Number())
        return Literal_Node(Literal_Value(Current_Literal));
    int kind = 0;
    bool unknown = true;
    int arguments = 0;
    int operation = 0;
    Get_Symbol(Tokens.Peek(), kind, unknown, arguments, operation);
    Tokens.Skip();
    if (unknown || kind != SF_Function) {
        Fail(Error_Syntax_Error);
        return nullptr;
    }
    const pExpression_Node function = Nodes.New_Node(Node_Function);
    function->Operation = operation;
    return Function_Reference(arguments, *function) ? function : nullptr;
}

inline pExpression_Node TExpression_Evaluator::Postfix_Operators(pExpression_Node operand) {
    for (;;) {
        int kind = 0;
        bool unknown = true;
        int precedence = 0;
        int operation = 0;
        Get_Symbol(Tokens.Peek(), kind, unknown, precedence, operation);
        if (unknown || kind != SF_Left_Unary_Operator)
            return operand;
        Tokens.Skip();
        operand = Operator_Node(operation, precedence, operand);
    }
}

bool TExpression_Evaluator::Number() {
    // A token that cannot start a number (a function's name, a bracket) is left unread: reading
    // it and pushing it back again would come to the same.
    if (!Could_Start_A_Number(Tokens.Peek()))
        return false;
    std::string_view token = Tokens.Next();
    while (Is(token, '+'))
        token = Tokens.Next();
    bool negative = false;
    while (Is(token, '-')) {
        negative = !negative;
        token = Tokens.Next();
    }
    std::string& literal = Current_Literal;
    if (Is(token, '.'))
        literal = "0.";
    else
        literal.assign(token);
    if (Ends_In_Exponent(literal))
        Take_Exponent(literal);
    // The tokenizer splits 12.5E-3 into 12, the point, 5E, the sign and 3: join them again.
    std::size_t length = Real_Prefix_Length(literal);
    while (length > 0 && length == literal.size() && Tokens.Literal_Continues() &&
           Could_Go_On_With_A_Number(Tokens.Peek())) {
        const std::size_t before = literal.size();
        literal += Tokens.Next();
        if (Ends_In_Exponent(literal))
            Take_Exponent(literal);
        if (literal.size() == before)
            break;
        length = Real_Prefix_Length(literal);
    }
    // What follows the number goes back to the input (2D6 reads 2 and leaves D6; 1E with no
    // exponent digits reads 1 and leaves the E).
    if (length < literal.size())
        Tokens.Put_Back(std::string_view(literal).substr(length));
    if (length == 0)
        return false;
    literal.resize(length);
    if (negative)
        literal.insert(0, 1, '-');
    return true;
}

void TExpression_Evaluator::Take_Exponent(std::string& literal) {
    if (!Tokens.Literal_Continues())
        return;
    const std::string_view token = Tokens.Next();
    const char sign = token.size() == 1 ? token.front() : '\0';
    if ((sign == '-' || sign == '+') && Tokens.Literal_Continues()) {
        literal += sign;
        literal += Tokens.Next();
    } else {
        Tokens.Put_Back(token);
    }
}

bool TExpression_Evaluator::Function_Reference(int count, tExpression_Node& function) {
    if (count == 0)
        return true;
    if (!Is_Opening_Bracket(Tokens.Peek())) {
        Fail(Error_Expected_Left_Parenthesis);
        return false;
    }
    Tokens.Skip();
    for (int argument = 1;; ++argument) {
        const pExpression_Node tree = Parse_Expression();
        if (tree == nullptr)
            return false;
        (argument == 1 ? function.Left : function.Right) = tree;
        tree->Parent = &function;
        const std::string_view separator = Tokens.Peek();
        const bool comma = Is(separator, ',');
        const bool closing = Is_Closing_Bracket(separator);
        if (comma || closing)
            Tokens.Skip();
        if (comma && argument < count)
            continue;
        if (argument < count) {
            Fail(Error_Expected_Comma);
            return false;
        }
        if (!closing) {
            Fail(Error_Missing_Right_Parenthesis); // also a comma after the last argument
            return false;
        }
        return true;
    }
}

} // namespace Vexlor
