// Formulas as the referee tools and catalogues write them: each one's value, or its error code
// and the position where reading stopped.
#include "evaluator/Express.h"

#include "foundations/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace Vexlor {
namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

struct TOutcome {
    long double Value = 0;
    int Position = 0;
    int Error = 0;
};

TOutcome Evaluate(const std::string& text) {
    TOutcome outcome;
    long double imaginary = 1;
    Eval(text, outcome.Value, imaginary, outcome.Position, outcome.Error);
    EXPECT_EQ(imaginary, 0);
    return outcome;
}

struct TValue_Case {
    const char* Text;
    long double Value;
    long double Tolerance = 0; // 0: exactly
};

void PrintTo(const TValue_Case& c, std::ostream* os) {
    *os << '"' << c.Text << '"';
}

class Value : public testing::TestWithParam<TValue_Case> {};

TEST_P(Value, Comes_Out) {
    const TValue_Case& c = GetParam();
    const TOutcome outcome = Evaluate(c.Text);
    ASSERT_EQ(outcome.Error, 0);
    EXPECT_EQ(outcome.Position, 0);
    if (c.Tolerance == 0)
        EXPECT_EQ(outcome.Value, c.Value);
    else
        EXPECT_NEAR(static_cast<double>(outcome.Value), static_cast<double>(c.Value),
                    static_cast<double>(c.Tolerance));
}

constexpr long double Near = 1e-15L;

INSTANTIATE_TEST_SUITE_P(Numbers, Value,
                         testing::Values(TValue_Case{"42", 42}, TValue_Case{" 42", 42},
                                         TValue_Case{"-3.5", -3.5L}, TValue_Case{"1E3", 1000},
                                         TValue_Case{"12.5E-3", 0.0125L}, TValue_Case{"12.5E-3+0", 0.0125L},
                                         TValue_Case{".5", 0.5L}, TValue_Case{"5.+1", 6},
                                         TValue_Case{"1/3+0", 1.0L / 3}, TValue_Case{"2 + 3", 5},
                                         TValue_Case{"42 ", 42}));

INSTANTIATE_TEST_SUITE_P(
    Operators, Value,
    testing::Values(TValue_Case{"2+3*4", 14}, TValue_Case{"2*3+1", 7}, TValue_Case{"(2+3)*4", 20},
                    TValue_Case{"[2+3}*4", 20}, TValue_Case{"2^3^2", 64}, TValue_Case{"8-3-2", 3},
                    TValue_Case{"-2^2", 4}, TValue_Case{"-3!", -6}, TValue_Case{"2^-1", 0.5L},
                    TValue_Case{"--3", 3}, TValue_Case{"+-+3", -3}, TValue_Case{"50%", 0.5L},
                    TValue_Case{"200*10%", 20}, TValue_Case{"5!", 120}, TValue_Case{"3.5!", 13.125L},
                    TValue_Case{"(-3)!", -3}, TValue_Case{"0!", 1}, TValue_Case{"1+2 MAX 3*4", 12},
                    TValue_Case{"1+2 MIN 3*4", 3}, TValue_Case{"7 MOD 3", 1}, TValue_Case{"-7 MOD 3", -1},
                    TValue_Case{"7 REM 2", 0.5L}, TValue_Case{"7 DIV 2", 3}, TValue_Case{"-7 DIV 2", -3},
                    TValue_Case{"7.9 DIV 2.9", 3}, TValue_Case{"7MOD3", 1}, TValue_Case{"5 SHL 2", 20},
                    TValue_Case{"20 SHR 2", 5}, TValue_Case{"5 SHL 0", 5}, TValue_Case{"5 SHL 1.9", 10},
                    TValue_Case{"6 AND 3", 2}, TValue_Case{"6 OR 3", 7}, TValue_Case{"6 XOR 3", 5},
                    TValue_Case{"-1 AND 255", 255}, TValue_Case{"2 MIN 3", 2}, TValue_Case{"2 MAX 3", 3},
                    TValue_Case{"2+", 2}, TValue_Case{"5-", 5}, TValue_Case{"2*", 0}, TValue_Case{"0^0", 0},
                    TValue_Case{"0^-2", 0}, TValue_Case{"2^10", 1024}, TValue_Case{"10^28", 1e28},
                    TValue_Case{"10^-2", 0.01L, Near}, TValue_Case{"2^0.5", std::sqrt(2.0L), Near},
                    TValue_Case{"((1+2)*(3+4))/(5-6)+7*8-9", 26}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Value,
    testing::Values(TValue_Case{"SIN(0)+2", 2}, TValue_Case{"2+SIN(0)", 2}, TValue_Case{"sin(0)", 0},
                    TValue_Case{"COS(0)", 1}, TValue_Case{"TAN(PI/4)", 1, Near},
                    TValue_Case{"COT(PI/4)", 1, Near}, TValue_Case{"SEC(0)", 1},
                    TValue_Case{"CSC(PI/2)", 1, Near}, TValue_Case{"PI", Pi}, TValue_Case{"pi*2", 2 * Pi},
                    TValue_Case{"RAD(180)", Pi, Near}, TValue_Case{"DEG(PI)", 180, Near},
                    TValue_Case{"ABS(-2.5)", 2.5L}, TValue_Case{"EXP(1)", std::exp(1.0L)},
                    TValue_Case{"INT(-2.7)", -2}, TValue_Case{"FIX(-2.7)", -2}, TValue_Case{"LOG(1)", 0},
                    TValue_Case{"LOG10(250)*2", 2 * std::log10(250.0L), Near}, TValue_Case{"SQR(16)", 4},
                    TValue_Case{"SGN(-5)", -1}, TValue_Case{"SGN(0)", 0}, TValue_Case{"SGN(3)", 1},
                    TValue_Case{"FIB(0)", 1}, TValue_Case{"FIB(1)", 1}, TValue_Case{"FIB(2)", 2},
                    TValue_Case{"FIB(5)", 8}, TValue_Case{"FIB(10)", 89}, TValue_Case{"FIB(-10)", 89},
                    TValue_Case{"FIB(10.9)", 89}, TValue_Case{"ROOT(27,3)", 3},
                    TValue_Case{"ROOT(0.25,2)", 1}, TValue_Case{"ROOT(-8,3)", 1},
                    TValue_Case{"ROOT(16,4)", 2, Near}, TValue_Case{"ARCTAN(1)", Pi / 4, Near},
                    TValue_Case{"ARCCOT(1)", Pi / 4, Near}, TValue_Case{"ARCSIN(0.5)", Pi / 6, Near},
                    TValue_Case{"ARCCOS(0.5)", Pi / 3, Near}, TValue_Case{"ARCSEC(2)", Pi / 3, Near},
                    TValue_Case{"ARCCSC(2)", Pi / 6, Near}, TValue_Case{"HYPCOS(0)", 1},
                    TValue_Case{"HYPSIN(0)", 0}, TValue_Case{"HYPTAN(0)", 0}, TValue_Case{"HYPSEC(0)", 1},
                    TValue_Case{"HYPCOT(1)", 1 / std::tanh(1.0L), Near},
                    TValue_Case{"HYPCSC(1)", 1 / std::sinh(1.0L), Near},
                    TValue_Case{"HYPARCSIN(1)", std::asinh(1.0L), Near}, TValue_Case{"ARCHYPCOS(1)", 0},
                    TValue_Case{"HYPARCCOS(2)", std::acosh(2.0L), Near},
                    TValue_Case{"HYPARCTAN(0.5)", std::atanh(0.5L), Near},
                    TValue_Case{"ARCHYPCOT(2)", std::atanh(0.5L), Near}, TValue_Case{"HYPARCSEC(1)", 0},
                    TValue_Case{"HYPARCSEC(0.5)", std::acosh(2.0L), Near}, TValue_Case{"RND(1)", 0},
                    TValue_Case{"RND(-5)", 0}, TValue_Case{"SIN(COS(0)-1)", 0}));

struct TError_Case {
    const char* Text;
    int Error;
    int Position;
};

void PrintTo(const TError_Case& c, std::ostream* os) {
    *os << '"' << c.Text << '"';
}

class Failure : public testing::TestWithParam<TError_Case> {};

TEST_P(Failure, Reports_Code_And_Position) {
    const TError_Case& c = GetParam();
    const TOutcome outcome = Evaluate(c.Text);
    EXPECT_EQ(outcome.Error, c.Error);
    EXPECT_EQ(outcome.Position, c.Position);
    EXPECT_EQ(outcome.Value, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, Failure,
    testing::Values(TError_Case{"", 2, 0}, TError_Case{"   ", 2, 3}, TError_Case{"2**3", 2, 2},
                    TError_Case{"2+]", 2, 3}, TError_Case{"FOO(1)", 2, 2}, TError_Case{"D6", 2, 2},
                    TError_Case{"2 3", 2, 3}, TError_Case{"5)", 2, 2}, TError_Case{"2 .5", 2, 2},
                    TError_Case{"1E X", 2, 2}, TError_Case{"PI(1)", 2, 2}, TError_Case{"%", 2, 1},
                    TError_Case{"E}*2", 2, 0}, TError_Case{"SIN 30", 4, 4}, TError_Case{"ROOT(8)", 1, 7},
                    TError_Case{"ROOT(8,3,1)", 13, 8}, TError_Case{"ROOT(8,3,", 13, 9},
                    TError_Case{"(2+3", 13, 4}, TError_Case{"1+(2+3", 13, 6}, TError_Case{"SIN(1", 13, 5}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, Failure,
    testing::Values(TError_Case{"7/0", 5, 3}, TError_Case{"7 MOD 0", 5, 7}, TError_Case{"7 REM 0", 5, 7},
                    TError_Case{"7 DIV 0", 5, 7}, TError_Case{"5 DIV 0.5", 5, 9}, TError_Case{"2/", 5, 2},
                    TError_Case{"1/0+2^2", 5, 7}, TError_Case{"1/0+10^40", 7, 9}, TError_Case{"COT(0)", 5, 6},
                    TError_Case{"CSC(0)", 5, 6}, TError_Case{"ARCCOT(0)", 5, 9}, TError_Case{"10^29", 7, 5},
                    TError_Case{"10^40", 7, 5}, TError_Case{"2^40000", 7, 7},
                    TError_Case{"(-8)^(1/3)", 11, 10}, TError_Case{"10^1000.5", 12, 9},
                    TError_Case{"1E99999", 7, 7}, TError_Case{"1E99999+1", 7, 9},
                    TError_Case{"1E4000*1E4000", 7, 13}, TError_Case{"2000!", 7, 5},
                    TError_Case{"1 AND 1E30", 14, 10}, TError_Case{"-1E19 XOR 1", 14, 11},
                    TError_Case{"FIX(1E30)", 14, 9}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Failure,
    testing::Values(
        TError_Case{"ROOT(27,2.5)", 9, 12}, TError_Case{"ROOT(-4,2)", 10, 10}, TError_Case{"ROOT(8,0)", 9, 9},
        TError_Case{"ROOT(8,-3)", 9, 10}, TError_Case{"ROOT(8,40000)", 9, 13}, TError_Case{"SQR(-1)", 10, 7},
        TError_Case{"LOG(0)", 11, 6}, TError_Case{"LOG10(-1)", 11, 9}, TError_Case{"EXP(89)", 12, 7},
        TError_Case{"EXP(-89)", 12, 8}, TError_Case{"FIB(183)", 7, 8}, TError_Case{"FIB(-183)", 7, 9},
        TError_Case{"ARCCOS(2)", 10, 9}, TError_Case{"ARCCOS(0)", 5, 9}, TError_Case{"ARCSIN(1)", 5, 9},
        TError_Case{"ARCSIN(2)", 10, 9}, TError_Case{"ARCCSC(1)", 5, 9}, TError_Case{"ARCCSC(0.5)", 10, 11},
        TError_Case{"ARCSEC(0.5)", 10, 11}, TError_Case{"ARCSEC(1E200)", 7, 13},
        TError_Case{"HYPCOS(89)", 12, 10}, TError_Case{"HYPTAN(-89)", 12, 11}, TError_Case{"HYPCOT(0)", 5, 9},
        TError_Case{"HYPCSC(0)", 5, 9}, TError_Case{"HYPARCCOS(0.5)", 10, 14},
        TError_Case{"HYPARCCOT(1)", 11, 12}, TError_Case{"HYPARCSEC(0)", 5, 12},
        TError_Case{"HYPARCSEC(-1)", 11, 13}, TError_Case{"HYPARCSEC(2)", 10, 12},
        TError_Case{"HYPARCTAN(1)", 11, 12}, TError_Case{"RND(1E10)", 7, 9}, TError_Case{"1D(1E10)", 7, 8},
        TError_Case{"1000001D6", 7, 9}));

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(Nesting, Reads_256_Levels_And_Refuses_Deeper) {
    EXPECT_EQ(Evaluate(Repeated("(", 256) + "7" + Repeated(")", 256)).Value, 7);
    EXPECT_EQ(Evaluate(Repeated("-", 256) + "7").Value, 7);
    EXPECT_EQ(Evaluate(Repeated("ABS(", 256) + "7" + Repeated(")", 256)).Value, 7);
    const TOutcome brackets = Evaluate(Repeated("(", 257) + "7" + Repeated(")", 257));
    EXPECT_EQ(brackets.Error, 2);
    EXPECT_EQ(brackets.Position, 257);
    EXPECT_EQ(Evaluate(Repeated("-", 257) + "7").Error, 2);
    EXPECT_EQ(Evaluate(Repeated("ABS(", 257) + "7" + Repeated(")", 257)).Error, 2);
}

TEST(Value_Stack, Refuses_More_Than_1024_Values) {
    // Four operands wait at each level of brackets; dice keep the levels from being folded away.
    const std::string level = "1D1 MAX 1D1+1D1*1D1^(";
    EXPECT_EQ(Evaluate(Repeated(level, 255) + "1" + Repeated(")", 255)).Value, 2); // 1021 values
    EXPECT_EQ(Evaluate(Repeated(level, 256) + "1" + Repeated(")", 256)).Error, 2); // 1025 values

    TExpression_Evaluator evaluator;
    for (int i = 0; i < TExpression_Evaluator::Stack_Size; ++i)
        evaluator.Push(i);
    EXPECT_EQ(evaluator.Last_Error(), 0);
    evaluator.Push(1);
    EXPECT_EQ(evaluator.Last_Error(), 2);
}

TEST(Value_Stack, An_Operation_Short_Of_Operands_Stops) {
    TExpression_Evaluator evaluator;
    evaluator.Push(2);
    EXPECT_TRUE(evaluator.Calculate(Op_Add));
    EXPECT_EQ(evaluator.Last_Error(), 2);
}

TEST(Bad_Input, Always_Ends_With_A_Value_Or_An_Error_Within_The_Text) {
    const std::string inputs[] = {std::string(1000000, '('),
                                  std::string("1+\0"
                                              "2",
                                              4),
                                  "\x80\xff\xe9+1",
                                  "1+\xb0",
                                  std::string(5000, '9'),
                                  std::string(5000, '9') + "+1",
                                  "1D1000000000",
                                  "'1+2'",
                                  "\"",
                                  Repeated("+", 16000) + "1",
                                  Repeated("1+", 8000) + "1",
                                  "1" + Repeated("!", 16000),
                                  Repeated("1D6+", 4000) + "1",
                                  "1" + std::string(16000, ' ') + "+1"};
    for (const std::string& input : inputs) {
        const TOutcome outcome = Evaluate(input);
        EXPECT_GE(outcome.Position, 0) << input.substr(0, 40);
        EXPECT_LE(outcome.Position, static_cast<int>(input.size())) << input.substr(0, 40);
        if (outcome.Error != 0) {
            EXPECT_EQ(outcome.Value, 0);
        }
    }
    EXPECT_EQ(Evaluate(std::string(5000, '9')).Error, 7);
    EXPECT_EQ(Evaluate(std::string(16385, '1').replace(1, 1, "+")).Error, 2); // longer than any formula read
}

TEST(Messages, Name_Every_Error_Code) {
    const char* messages[] = {"",
                              "Expected comma",
                              "Syntax error",
                              "Illegal symbol",
                              "Expected left parenthesis",
                              "Division by zero",
                              "Illegal number for factorial",
                              "Floating point error",
                              "Illegal number",
                              "Illegal argument",
                              "Imaginary number",
                              "Illegal argument in LOG",
                              "Argument too large in EXP",
                              "Missing right parenthesis",
                              ""};
    TExpression_Evaluator evaluator;
    for (int code = 0; code <= 14; ++code) {
        EXPECT_EQ(EERT(code), messages[code]) << code;
        EXPECT_EQ(evaluator.ERT(code), messages[code]) << code;
    }
    EXPECT_EQ(EERT(15), "");
}

TEST(Symbols, Give_Kind_Precedence_Or_Arguments_And_Operation) {
    struct TSymbol_Case {
        const char* Text;
        int Kind, Precedence, Operation;
    };
    const TSymbol_Case symbols[] = {{"+", SF_Binary_Operator, 16000, Op_Add},
                                    {"-", SF_Binary_Operator, 16000, Op_Subtract},
                                    {"*", SF_Binary_Operator, 24000, Op_Multiply},
                                    {"XOR", SF_Binary_Operator, 24000, Op_Xor},
                                    {"^", SF_Binary_Operator, 26000, Op_Exponent},
                                    {"D", SF_Binary_Operator, 26000, Op_D},
                                    {"MIN", SF_Binary_Operator, 10000, Op_Min},
                                    {"%", SF_Left_Unary_Operator, 28000, Op_Percent},
                                    {"!", SF_Left_Unary_Operator, 28000, Op_Factorial},
                                    {"ROOT", SF_Function, 2, Op_Root},
                                    {"PI", SF_Function, 0, Op_PI},
                                    {"ARCHYPSEC", SF_Function, 1, Op_Hyparcsec},
                                    {"LOG10", SF_Function, 1, Op_Log10}};
    TExpression_Evaluator evaluator;
    for (const TSymbol_Case& symbol : symbols) {
        int kind = 0, precedence = 0, operation = 0;
        bool unknown = true;
        evaluator.Get_Symbol(symbol.Text, kind, unknown, precedence, operation);
        EXPECT_FALSE(unknown) << symbol.Text;
        EXPECT_EQ(kind, symbol.Kind) << symbol.Text;
        EXPECT_EQ(precedence, symbol.Precedence) << symbol.Text;
        EXPECT_EQ(operation, symbol.Operation) << symbol.Text;
    }
    int kind = -1, precedence = -1, operation = -1;
    bool unknown = false;
    evaluator.Get_Symbol("sin", kind, unknown, precedence, operation); // the tokenizer folds case first
    EXPECT_TRUE(unknown);
    EXPECT_EQ(kind + precedence + operation, -3);
}

// The constant parts of a formula are worked out once, before any die is rolled. Each one must
// come out to the last bit as it does when a die (1D1, always 1) keeps it from being folded.
TEST(Folding, Gives_Exactly_What_Evaluation_Gives) {
    const std::pair<const char*, const char*> twins[] = {
        {"1/3", "1D1/3"},
        {"0.1*3", "0.1*(2+1D1)"},
        {"-(2/3)", "-(2/(2+1D1))"},
        {"1E-4940/3", "1E-4940/(2+1D1)"},
        {"1E4000*1E900", "1E4000*(1E900*1D1)"},
        {"123456789012345678901/7", "123456789012345678901/(6+1D1)"},
        {"2^0.5", "(1+1D1)^0.5"},
    };
    for (const auto& [folded, evaluated] : twins) {
        const TOutcome constant = Evaluate(folded);
        const TOutcome rolled = Evaluate(evaluated);
        ASSERT_EQ(constant.Error, 0) << folded;
        ASSERT_EQ(rolled.Error, 0) << evaluated;
        EXPECT_EQ(constant.Value, rolled.Value) << folded;
    }
    // A constant part that comes to zero is a plain 0, never -0.
    EXPECT_FALSE(std::signbit(Evaluate("0*-1").Value));
}

TEST(Evaluator, Keeps_Only_Its_Last_Outcome) {
    TExpression_Evaluator evaluator;
    EXPECT_FALSE(evaluator.Evaluate("1/0"));
    EXPECT_EQ(evaluator.Last_Error(), 5);
    EXPECT_TRUE(evaluator.Evaluate("2+3"));
    EXPECT_EQ(evaluator.Last_Error(), 0);
    EXPECT_EQ(evaluator.Get_Result(), 5);
    EXPECT_TRUE(evaluator.Evaluate("7"));
    EXPECT_EQ(evaluator.Get_Result(), 7);
}

} // namespace
} // namespace Vexlor
