// The expression evaluator: turns a formula such as 3D6+2, LOG10(250)*2 or (1D4+1)*10% into a
// real number. The text is read through the line tokenizer, parsed into a binary tree whose shape
// gives the operators' precedence, folded where the operands are constants, and evaluated on a
// stack of reals. Every dice roll and RND is drawn afresh at each evaluation.
#pragma once

#include "evaluator/Maths.h"
#include "evaluator/Token_Reader.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

// Operation codes, stored in the nodes of the tree and applied by Calculate.
enum TOperation : int {
    Op_Negate_Stack = 1,
    Op_Add = 2,
    Op_Subtract = 3,
    Op_Multiply = 4,
    Op_Divide = 5,
    Op_Percent = 6,
    Op_Exponent = 7,
    Op_Factorial = 8,
    Op_Rad = 9,
    Op_Deg = 10,
    Op_Abs = 11,
    Op_Cos = 12,
    Op_Cot = 13,
    Op_Csc = 14,
    Op_Exp = 15,
    Op_Int = 16,
    Op_Log = 17,
    Op_Sec = 18,
    Op_Sin = 19,
    Op_Tan = 20,
    Op_Fix = 21,
    Op_Sqr = 22,
    Op_Sgn = 23,
    Op_Fib = 24,
    Op_Min = 25,
    Op_Max = 26,
    Op_Arccos = 27,
    Op_Arccot = 28,
    Op_Arccsc = 29,
    Op_Arcsec = 30,
    Op_Arcsin = 31,
    Op_Arctan = 32,
    Op_Hypcos = 33,
    Op_Hypcot = 34,
    Op_Hypcsc = 35,
    Op_Hypsec = 36,
    Op_Hypsin = 37,
    Op_Hyptan = 38,
    Op_Hyparccos = 39,
    Op_Hyparccot = 40,
    Op_HypArcCsc = 41, // numbered, but no symbol reaches it
    Op_Hyparcsec = 42,
    Op_Hyparcsin = 43,
    Op_Hyparctan = 44,
    Op_Log10 = 45,
    Op_Rnd = 46,
    Op_Mod = 47,
    Op_Rem = 48,
    Op_D = 49,
    Op_Div = 50,
    Op_Root = 51,
    Op_PI = 52,
    Op_Shift_Left = 53,
    Op_Shift_Right = 54,
    Op_And = 55,
    Op_Or = 56,
    Op_Xor = 57,
};

// What Get_Symbol found.
enum TSymbol_Kind : int {
    SF_Right_Unary_Operator = 1, // a prefix operator; the symbol table holds none
    SF_Left_Unary_Operator = 2,  // a postfix operator: "%", "!"
    SF_Binary_Operator = 3,
    SF_Function = 4,
};

enum tNode_type { Node_Literal = 0, Node_Function = 1, Node_Operator = 2 };

struct tExpression_Node;
using pExpression_Node = tExpression_Node*;

// A node of the expression tree. A literal keeps the value of its number (or the folded value of
// the constants it replaced); a number too large for a real is kept as infinite, which folding and
// evaluation refuse.
struct tExpression_Node {
    tNode_type Kind = Node_Literal;
    int Operation = 0;
    int Precedence = 0;
    pExpression_Node Parent = nullptr;
    pExpression_Node Left = nullptr;  // the operand of a unary operator, the first argument
    pExpression_Node Right = nullptr; // the right operand, the second argument
    long double Value = 0;
};

// The nodes of the trees of one evaluator, kept from one evaluation to the next so that building
// a tree allocates nothing once the evaluator has warmed up.
class TNode_Pool {
  public:
    pExpression_Node New_Node(tNode_type kind) {
        if (Used == Blocks.size() * Block_Size)
            Add_Block();
        tExpression_Node& node = Blocks[Used / Block_Size][Used % Block_Size];
        ++Used;
        node = tExpression_Node{};
        node.Kind = kind;
        return &node;
    }
    // Frees every node handed out.
    void Release_All();

  private:
    static constexpr std::size_t Block_Size = 64;
    static constexpr std::size_t Blocks_Kept = 64;
    void Add_Block();
    std::vector<std::unique_ptr<tExpression_Node[]>> Blocks;
    std::size_t Used = 0;
};

class TExpression_Evaluator {
  public:
    static constexpr int Stack_Size = 1024;
    // Most brackets, signs and function calls around one operand: a deeper formula is a syntax
    // error rather than a reason to run out of stack.
    static constexpr int Deepest_Nesting = 256;
    // Most dice one evaluation rolls.
    static constexpr long Most_Dice = 1000000;
    // Longest formula read; a longer one is refused unread, which bounds the time and memory one
    // evaluation takes. Plain numbers may be longer.
    static constexpr std::size_t Longest_Formula = 16384;

    TExpression_Evaluator() { Init(); }
    virtual ~TExpression_Evaluator() = default;
    TExpression_Evaluator(const TExpression_Evaluator&) = delete;
    TExpression_Evaluator& operator=(const TExpression_Evaluator&) = delete;

    // An empty evaluator: error 0, empty stack.
    void Init();
    // Evaluates text; true on success. Get_Result, Last_Error and Get_Position tell the outcome.
    bool Evaluate(const std::string& text);
    long double Get_Result() const { return Depth > 0 ? Stack[0] : 0; }
    int Last_Error() const { return Error_Code; }
    // How much of the text had been read when the evaluation ended.
    int Get_Position() const { return Error_Position; }

    // Applies one operation to the value stack; true when the evaluation must stop with the error
    // it has set.
    virtual bool Calculate(int operation);
    virtual std::string ERT(int code);
    // Reads a function's bracketed list of count arguments into the children of function.
    virtual bool Function_Reference(int count, tExpression_Node& function);
    // Looks text up among the operators and functions. On a match sets kind, precedence (for a
    // function: its number of arguments) and operation and clears unknown; otherwise sets unknown
    // and leaves the rest alone.
    virtual void Get_Symbol(std::string_view text, int& kind, bool& unknown, int& precedence, int& operation);

    // The value stack; pushing onto a full stack or popping an empty one is a syntax error.
    void Push(long double value) {
        if (Depth == Stack_Size) {
            Fail(Error_Syntax_Error);
            return;
        }
        Stack[Depth++] = value;
    }
    long double Pop() {
        if (Depth == 0) {
            Fail(Error_Syntax_Error);
            return 0;
        }
        return Stack[--Depth];
    }

  protected:
    bool Expression();
    pExpression_Node Parse_Expression();
    pExpression_Node Get_Subexpression();
    // Reassembles the text of a numeric literal from the tokens into Current_Literal; false when
    // the input does not start with a number (everything read is pushed back).
    bool Number();
    void Optimize_Tree(pExpression_Node root);
    void Generate_Tree(pExpression_Node root);
    // Frees the tree of the expression being evaluated.
    void Zero_Expression_Tree();

  private:
    // The first error of the parse stands.
    void Fail(int code);
    // Joins the sign and digits of an exponent to a literal that ends in its E.
    void Take_Exponent(std::string& literal);
    // Reads a binary operator; false, leaving the next token unread, when it is none.
    bool Read_Binary_Operator(int& operation, int& precedence);
    // One operand without its postfix operators: a bracketed expression, a signed operand, a
    // number or a function call.
    pExpression_Node Read_Operand();
    pExpression_Node Postfix_Operators(pExpression_Node operand);
    pExpression_Node Operator_Node(int operation, int precedence, pExpression_Node left);
    pExpression_Node Literal_Node(long double value);
    void Attach_Operator(pExpression_Node node, pExpression_Node& root, pExpression_Node last);
    void Fold(tExpression_Node& node);
    // Computes one operation on its operands; returns 0 or the error code.
    int Compute(int operation, long double a, long double b, long double& result);
    int Compute_Function(int operation, long double x, long double& result);
    int Roll_Dice(long double count, long double sides, long double& result);
    int Random_Below(long double sides, long double& result);

    int Error_Code = 0;
    std::string Current_Literal;
    TToken_Reader Tokens; // reads through the line tokenizer
    int Error_Position = 0;
    // The bottom Depth entries hold values. Push and Pop check the bounds themselves.
    std::array<long double, Stack_Size> Stack{};
    int Depth = 0;
    std::size_t Input_Length = 0;
    int Nesting = 0; // brackets, signs and function calls around the operand being read
    long Dice_Rolled = 0;
    TNode_Pool Nodes;
};

// The message of an error code; the empty text for codes without one.
std::string EERT(int code);

// Evaluates expression. value is the result (0 on failure), imaginary always 0, position 0 on
// success or where the evaluation failed, error 0 or the error code.
void Eval(const std::string& expression, long double& value, long double& imaginary, int& position,
          int& error);

// Why formula cannot be read as a formula, as the evaluator says it and where it stopped reading
// ("Syntax error at position 3"); nothing when it reads. A formula that reads but fails on some
// rolls only (a division by a die that may come up 0) reads.
std::optional<std::string> Formula_Reading_Problem(const std::string& formula);

} // namespace Vexlor
