// The outcome of an operation that can fail: writing a file, storing a catalogue record, changing
// the parties. Either success, or what the game master is told of the failure: the file or record
// and the cause. The type is [[nodiscard]], so a caller that drops a failure does not compile.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace Vexlor {

class [[nodiscard]] TResult {
  public:
    // Success.
    TResult() = default;

    // A failure; problem names what failed and why. A failure that says nothing is a fault of the
    // program, never shown to the game master as an empty message.
    static TResult Failure(std::string problem) {
        if (problem.empty())
            throw std::logic_error("A failure was reported without saying what failed");
        TResult result;
        result.Text = std::move(problem);
        return result;
    }

    bool Ok() const { return Text.empty(); }
    // What failed and why; empty on success.
    const std::string& Problem() const { return Text; }

  private:
    std::string Text;
};

} // namespace Vexlor
