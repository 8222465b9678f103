// Cuts text that arrives in pieces into lines. A line ends at CR LF as the
// program writes it, and also at a lone LF or a lone CR, so that a file
// passed through another system's editor still reads; the last line may have
// no ending. A UTF-8 byte-order mark that an editor put before the first
// line is left out.
#pragma once

#include <string>
#include <string_view>

#include "config/FileStore.h"

namespace wendox {

class LineSplitter {
public:
    explicit LineSplitter(const LineTaker& take) : take_(take) {}

    // False once the taker refused a line or a line ran too long; then
    // Outcome() says which. The byte-order mark is looked for whole at the
    // start of the first piece.
    bool Feed(std::string_view piece);
    // Hands over a last line that had no ending.
    ReadOutcome Finish();
    ReadOutcome Outcome() const { return outcome_; }

private:
    bool Hand();

    const LineTaker& take_;
    std::string line_;
    bool afterCr_ = false;  // an LF right after a CR ends nothing
    bool started_ = false;  // the first piece has arrived
    ReadOutcome outcome_ = ReadOutcome::Done;
};

}  // namespace wendox
