#include "Express.h"

#include "evaluator/Literals.h"
#include "foundations/CommonUt.h"
#include "foundations/Random.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace Vexlor {
namespace {

// Visits every node of the tree below root, children before their parent and left before right,
// without recursion: a chain such as 1+1+1+... or 5!!!! makes a tree as deep as the text is long.
// Stops when visit returns false.
template <class TVisit> void Post_Order(pExpression_Node root, TVisit visit) {
    const auto lowest_below = [](pExpression_Node node) {
        while (node->Left != nullptr || node->Right != nullptr)
            node = node->Left != nullptr ? node->Left : node->Right;
        return node;
    };
    pExpression_Node node = lowest_below(root);
    while (visit(*node) && node != root) {
        const pExpression_Node parent = node->Parent;
        node = node == parent->Left && parent->Right != nullptr ? lowest_below(parent->Right) : parent;
    }
}

bool Is_Foldable(int operation) {
    switch (operation) {
    case Op_Negate_Stack:
    case Op_Add:
    case Op_Subtract:
    case Op_Multiply:
    case Op_Divide:
    case Op_Percent:
    case Op_Exponent:
    case Op_Factorial:
    case Op_Min:
    case Op_Max:
    case Op_Shift_Left:
    case Op_Shift_Right:
    case Op_And:
    case Op_Or:
    case Op_Xor:
        return true;
    default:
        return false;
    }
}

bool Is_Literal(pExpression_Node node) {
    return node == nullptr || node->Kind == Node_Literal;
}

} // namespace

void TNode_Pool::Add_Block() {
    Blocks.push_back(std::make_unique<tExpression_Node[]>(Block_Size));
}

void TNode_Pool::Release_All() {
    Used = 0;
    // A huge formula should not hold its nodes for the rest of the session.
    if (Blocks.size() > Blocks_Kept)
        Blocks.resize(Blocks_Kept);
}

void TExpression_Evaluator::Init() {
    Error_Code = Error_None;
    Depth = 0;
}

bool TExpression_Evaluator::Evaluate(const std::string& text) {
    Init();
    Error_Position = 0;
    // A plain number never reaches the parser.
    const auto first = std::find_if_not(text.begin(), text.end(), Is_Blank);
    const std::string_view number(text.data() + (first - text.begin()),
                                  static_cast<std::size_t>(text.end() - first));
    if (Is_Real_Text(number)) {
        long double value;
        if (Text_To_Real(number, value)) {
            Push(value);
        } else {
            Error_Code = Error_Floating_point_error;
            Error_Position = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
        }
        return Error_Code == Error_None;
    }
    if (text.size() > Longest_Formula) {
        Error_Code = Error_Syntax_Error; // nothing of it is read
        return false;
    }
    Tokens.Load(text);
    Input_Length = text.size();
    Nesting = 0;
    Dice_Rolled = 0;
    Expression();
    if (Error_Code == Error_None && (!Tokens.Next().empty() || Depth != 1))
        Fail(Error_Syntax_Error); // text left over, or a stack that does not hold one value
    // The tokenizer puts a blank after a token pushed back in front of text, so its unread text can
    // be longer than what is left of the formula: the position never goes below the start.
    const std::size_t unread = Tokens.Unread_Length();
    Error_Position = unread < Input_Length ? static_cast<int>(Input_Length - unread) : 0;
    return Error_Code == Error_None;
}

bool TExpression_Evaluator::Expression() {
    Randomize();
    const pExpression_Node root = Parse_Expression();
    if (Error_Code == Error_None)
        Optimize_Tree(root);
    if (Error_Code == Error_None)
        Generate_Tree(root);
    Zero_Expression_Tree();
    return Error_Code == Error_None;
}

void TExpression_Evaluator::Fail(int code) {
    if (Error_Code == Error_None)
        Error_Code = code;
}

void TExpression_Evaluator::Optimize_Tree(pExpression_Node root) {
    Post_Order(root, [this](tExpression_Node& node) {
        if (node.Kind == Node_Operator && Is_Foldable(node.Operation) && Is_Literal(node.Left) &&
            Is_Literal(node.Right))
            Fold(node);
        return true;
    });
}

// Turns an operator on constants into a literal holding its value. A fold that fails sets its
// error (the last failure stands) and folding carries on.
void TExpression_Evaluator::Fold(tExpression_Node& node) {
    const long double a = node.Left->Value;
    const long double b = node.Right != nullptr ? node.Right->Value : 0;
    if (!std::isfinite(a) || !std::isfinite(b)) {
        Error_Code = Error_Floating_point_error;
        return;
    }
    long double value = 0;
    const int error = Compute(node.Operation, a, b, value);
    if (error != Error_None) {
        Error_Code = error;
        return;
    }
    node.Kind = Node_Literal;
    // A constant part that comes to zero is a plain 0, never -0.
    node.Value = value == 0 ? 0 : value;
    node.Left = node.Right = nullptr;
}

void TExpression_Evaluator::Generate_Tree(pExpression_Node root) {
    Post_Order(root, [this](tExpression_Node& node) {
        if (node.Kind != Node_Literal)
            return !Calculate(node.Operation);
        if (!std::isfinite(node.Value)) {
            Fail(Error_Floating_point_error);
            return false;
        }
        Push(node.Value);
        return Error_Code == Error_None;
    });
    if (Error_Code != Error_None)
        Depth = 0;
}

void TExpression_Evaluator::Zero_Expression_Tree() {
    Nodes.Release_All();
}

std::string TExpression_Evaluator::ERT(int code) {
    return EERT(code);
}

std::string EERT(int code) {
    switch (code) {
    case Error_Expected_Comma:
        return "Expected comma";
    case Error_Syntax_Error:
        return "Syntax error";
    case Error_Illegal_Symbol:
        return "Illegal symbol";
    case Error_Expected_Left_Parenthesis:
        return "Expected left parenthesis";
    case Error_Division_By_Zero:
        return "Division by zero";
    case Error_Illegal_Number_for_factorial:
        return "Illegal number for factorial";
    case Error_Floating_point_error:
        return "Floating point error";
    case Error_Illegal_Number:
        return "Illegal number";
    case Error_Illegal_Argument:
        return "Illegal argument";
    case Error_Imaginary_Number:
        return "Imaginary number";
    case Error_Illegal_Argument_in_LOG:
        return "Illegal argument in LOG";
    case Error_Argument_Too_large_in_EXP:
        return "Argument too large in EXP";
    case Error_Missing_Right_Parenthesis:
        return "Missing right parenthesis";
    default:
        return std::string();
    }
}

void Eval(const std::string& expression, long double& value, long double& imaginary, int& position,
          int& error) {
    // One evaluator per thread, used again and again: an evaluation carries nothing over from the
    // last, and the evaluator's buffers (tokenizer, tree nodes) stay allocated between calls.
    thread_local TExpression_Evaluator evaluator;
    const bool success = evaluator.Evaluate(expression);
    value = success ? evaluator.Get_Result() : 0;
    imaginary = 0;
    position = success ? 0 : evaluator.Get_Position();
    error = evaluator.Last_Error();
}

std::optional<std::string> Formula_Reading_Problem(const std::string& formula) {
    long double value, imaginary;
    int position, error;
    Eval(formula, value, imaginary, position, error);
    switch (error) {
    case Error_Expected_Comma:
    case Error_Syntax_Error:
    case Error_Illegal_Symbol:
    case Error_Expected_Left_Parenthesis:
    case Error_Missing_Right_Parenthesis:
        return EERT(error) + " at position " + std::to_string(position);
    default:
        return std::nullopt;
    }
}

} // namespace Vexlor
