// Boxes whose text the game stores (descriptions, amounts, treasure letters) refuse what its files
// cannot hold: an edit that brings in a character outside Windows-1252 is undone at once and the
// note of Unstorable_Note shows beside the box, so nothing is ever stored as "?". Name boxes keep
// such a name with their note beside it and refuse it on OK, as they do a name with |, < or >.
#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace Vexlor {

void Refuse_Unstorable(QLineEdit* box);
void Refuse_Unstorable(QPlainTextEdit* box);

} // namespace Vexlor
