// The user, scripted: a test says in order how each question will be answered; every question and
// message is recorded; a question nobody scripted, or one of another kind than scripted, fails the
// test and is answered No / cancelled.
#pragma once

#include "widgets/User_Prompts.h"

#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace Vexlor::Test {

enum class TQuestion_Kind { Yes_No, Text, File_Name, Message, Beep };

struct TAsked {
    TQuestion_Kind Kind;
    QString Caption;
    QString Text;                         // the question's text, the prompt, or the file dialog's title
    TAnswer Default_Answer = TAnswer::No; // for Yes/No questions
    TMessage_Kind Message_Kind = TMessage_Kind::Information;
    TFile_Question File;  // for file names
    QString Default_Text; // for texts: what the box held when it was shown
};

class TScripted_Prompts : public TUser_Prompts {
  public:
    void Answer_Yes_No(bool answer) {
        Script.push_back({TQuestion_Kind::Yes_No, answer ? QStringLiteral("y") : QString()});
    }
    // Out of line: inlined, a cancelled answer trips the compiler's maybe-uninitialized warning.
    void Answer_Text(std::optional<QString> text);
    void Answer_File_Name(std::optional<QString> name);

    bool Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) override;
    std::optional<QString> Ask_Text(const QString& caption, const QString& prompt,
                                    const QString& default_text) override;
    std::optional<QString> Ask_File_Name(const TFile_Question& question) override;
    void Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) override;
    void Beep() override;

    // What happens on a question nobody scripted: by default the running test fails.
    std::function<void(const QString& question)> On_Unscripted;

    // Everything asked or shown so far, in order.
    std::vector<TAsked> Asked;
    // The messages shown so far (texts only), and how many beeps.
    QStringList Messages() const;
    int Beeps() const;
    bool All_Answered() const { return Script.empty(); }
    void Clear() {
        Asked.clear();
        Script.clear();
    }

  private:
    struct TScripted {
        TQuestion_Kind Kind;
        std::optional<QString> Answer;
    };
    std::optional<TScripted> Next(TQuestion_Kind kind, const QString& what);

    std::deque<TScripted> Script;
};

} // namespace Vexlor::Test
