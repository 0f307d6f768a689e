#include "webmgmt/reply_lookup.h"
#include <algorithm>

namespace {
// Hands out the reply piece by piece: each ends after a line feed or after kReplyPieceLength bytes. A piece is
// used as C text, so it ends at a zero byte.
class ReplyPieces {
public:
    explicit ReplyPieces(const std::string& bytes) : m_bytes(bytes) {}

    bool Next(std::string& piece) {
        if (m_pos >= m_bytes.size()) return false;
        std::string text;
        while (m_pos < m_bytes.size() && text.size() < kReplyPieceLength) {
            char c = m_bytes[m_pos++];
            if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') c = m_bytes[m_pos++];
            text += c;
            if (c == '\n') break;
        }
        piece = text.substr(0, text.find('\0'));
        return true;
    }

private:
    const std::string& m_bytes;
    size_t m_pos = 0;
};

std::string CutValue(const std::string& line) {
    const size_t open = line.find('[');
    if (open == std::string::npos) return line;
    std::string value = line.substr(open + 1);
    value.erase(std::remove(value.begin(), value.end(), '"'), value.end());
    return value.substr(0, value.find(']'));
}
}  // namespace

std::string FindReplyValueIn(const std::string& replyBytes, const std::string& marker) {
    ReplyPieces pieces(replyBytes);
    std::string line;
    bool found = false;
    while (!found && pieces.Next(line)) found = line.find(marker) != std::string::npos;
    if (!found) return "";
    // The value line is two lines below the marker; a reply that ends sooner leaves the last line read.
    for (int i = 0; i < 2; ++i) pieces.Next(line);
    return CutValue(line);
}
