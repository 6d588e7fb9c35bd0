#include "output/base64.h"

#include <algorithm>

namespace vindelkast {

namespace {
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kBytesPerLine = 57;
}  // namespace

std::string base64Lines(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 3 * 4 + bytes.size() / kBytesPerLine * 2 + 8);
    for (std::size_t line = 0; line < bytes.size(); line += kBytesPerLine) {
        const std::size_t end = std::min(bytes.size(), line + kBytesPerLine);
        for (std::size_t i = line; i < end; i += 3) {
            const std::size_t n = std::min<std::size_t>(3, end - i);
            unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
            if (n > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
            if (n > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
            out += kAlphabet[(group >> 18) & 63];
            out += kAlphabet[(group >> 12) & 63];
            out += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
            out += n > 2 ? kAlphabet[group & 63] : '=';
        }
        if (end - line == kBytesPerLine) out += "\r\n";
    }
    return out;
}

}  // namespace vindelkast
