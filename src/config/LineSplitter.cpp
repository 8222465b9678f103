#include "config/LineSplitter.h"

namespace wendox {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // UTF-8

}  // namespace

bool LineSplitter::Hand() {
    const bool taken = take_(line_);
    line_.clear();
    if (!taken) outcome_ = ReadOutcome::Stopped;
    return taken;
}

bool LineSplitter::Feed(std::string_view piece) {
    if (outcome_ != ReadOutcome::Done) return false;
    if (!started_) {
        started_ = true;
        if (piece.starts_with(kByteOrderMark)) piece.remove_prefix(kByteOrderMark.size());
    }
    for (const char ch : piece) {
        const bool crlf = afterCr_ && ch == '\n';
        afterCr_ = ch == '\r';
        if (crlf) continue;
        if (ch == '\r' || ch == '\n') {
            if (!Hand()) return false;
            continue;
        }
        if (line_.size() == kMaxLineLength) {
            outcome_ = ReadOutcome::Failed;
            return false;
        }
        line_.push_back(ch);
    }
    return true;
}

ReadOutcome LineSplitter::Finish() {
    if (outcome_ == ReadOutcome::Done && !line_.empty()) Hand();
    return outcome_;
}

}  // namespace wendox
