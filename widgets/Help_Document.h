// The help document read as topics. The document is HTML; each help context is marked by an anchor
// whose name is the context number, written exactly as <a name="12">Title</a>, and the first
// paragraph after that anchor is what a context pop-up shows.
#pragma once

#include <map>
#include <string>

namespace Vexlor {

struct THelp_Topic {
    std::string Title;     // the anchor's text, entities decoded
    std::string Paragraph; // the HTML inside the topic's first <p>, empty when it has none
};

class THelp_Document {
  public:
    explicit THelp_Document(const std::string& html);

    // The topic of context, or nothing when the document has no anchor for it.
    // When two anchors carry the same number, the first one counts, as the help window shows it.
    const THelp_Topic* Topic(int context) const;
    const std::map<int, THelp_Topic>& Topics() const { return _Topics; }

  private:
    std::map<int, THelp_Topic> _Topics;
};

// The anchor name that marks context in the document.
std::string Help_Anchor(int context);

} // namespace Vexlor
