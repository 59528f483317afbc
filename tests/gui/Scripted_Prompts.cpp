#include "Scripted_Prompts.h"

#include <QTest>

namespace Vexlor::Test {

std::optional<TScripted_Prompts::TScripted> TScripted_Prompts::Next(TQuestion_Kind kind,
                                                                    const QString& what) {
    if (Script.empty() || Script.front().Kind != kind) {
        if (On_Unscripted)
            On_Unscripted(what);
        else
            QTest::qFail(qPrintable(QStringLiteral("Unscripted question: ") + what), __FILE__, __LINE__);
        return std::nullopt;
    }
    TScripted next = Script.front();
    Script.pop_front();
    return next;
}

void TScripted_Prompts::Answer_Text(std::optional<QString> text) {
    Script.push_back({TQuestion_Kind::Text, std::move(text)});
}

void TScripted_Prompts::Answer_File_Name(std::optional<QString> name) {
    Script.push_back({TQuestion_Kind::File_Name, std::move(name)});
}

bool TScripted_Prompts::Ask_Yes_No(const QString& caption, const QString& text, TAnswer default_answer) {
    Asked.push_back({TQuestion_Kind::Yes_No, caption, text, default_answer, {}, {}, {}});
    const auto next = Next(TQuestion_Kind::Yes_No, caption + QStringLiteral(": ") + text);
    return next && next->Answer && !next->Answer->isEmpty();
}

std::optional<QString> TScripted_Prompts::Ask_Text(const QString& caption, const QString& prompt,
                                                   const QString& default_text) {
    Asked.push_back({TQuestion_Kind::Text, caption, prompt, TAnswer::No, {}, {}, default_text});
    const auto next = Next(TQuestion_Kind::Text, caption + QStringLiteral(": ") + prompt);
    return next ? next->Answer : std::nullopt;
}

std::optional<QString> TScripted_Prompts::Ask_File_Name(const TFile_Question& question) {
    Asked.push_back({TQuestion_Kind::File_Name, QString(), question.Title, TAnswer::No, {}, question, {}});
    const auto next = Next(TQuestion_Kind::File_Name, question.Title);
    if (!next || !next->Answer)
        return std::nullopt;
    return With_Default_Suffix(*next->Answer, question.Default_Suffix);
}

void TScripted_Prompts::Show_Message(TMessage_Kind kind, const QString& caption, const QString& text) {
    Asked.push_back({TQuestion_Kind::Message, caption, text, TAnswer::No, kind, {}, {}});
}

void TScripted_Prompts::Beep() {
    Asked.push_back({TQuestion_Kind::Beep, {}, {}, TAnswer::No, {}, {}, {}});
}

QStringList TScripted_Prompts::Messages() const {
    QStringList texts;
    for (const TAsked& asked : Asked)
        if (asked.Kind == TQuestion_Kind::Message)
            texts << asked.Text;
    return texts;
}

int TScripted_Prompts::Beeps() const {
    return static_cast<int>(std::count_if(
        Asked.begin(), Asked.end(), [](const TAsked& asked) { return asked.Kind == TQuestion_Kind::Beep; }));
}

} // namespace Vexlor::Test
