#include "base/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace kvarn {

namespace {

// Code points that a terminal does not print as a character of their own.
bool nonPrinting(std::uint32_t c) {
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f)) return true; // C0, DEL and C1 controls
    if (c == 0x061c || c == 0x180e) return true; // Arabic letter mark, Mongolian separator
    if (c >= 0x200b && c <= 0x200f) return true; // zero widths and direction marks
    if (c >= 0x2028 && c <= 0x202e) return true; // separators and bidirectional embeddings
    if (c >= 0x2060 && c <= 0x206f) return true; // joiners, isolates, deprecated formats
    if (c == 0xfeff || (c >= 0xfff9 && c <= 0xfffb)) return true; // byte order mark, annotations
    if ((c & 0xfffe) == 0xfffe || (c >= 0xfdd0 && c <= 0xfdef)) return true; // non-characters
    if (c >= 0xe0000 && c <= 0xe007f) return true;                           // tag characters
    return false;
}

void appendEscape(std::string& out, std::uint32_t c) {
    char text[16];
    if (c <= 0xffff)
        std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(c));
    else
        std::snprintf(text, sizeof text, "\\U%08x", static_cast<unsigned>(c));
    out += text;
}

// The length of the valid UTF-8 sequence at text[at] and its code point;
// 0 when the bytes there are not one (overlong forms and surrogates
// included).
std::size_t decode(std::string_view text, std::size_t at, std::uint32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t least = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, c = lead & 0x1fu, least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, c = lead & 0x0fu, least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, c = lead & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xc0) != 0x80) return 0;
        c = (c << 6) | (byte(k) & 0x3fu);
    }
    if (c < least || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff)) return 0;
    return length;
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        std::uint32_t c = 0;
        const std::size_t length = decode(text, at, c);
        if (length == 0) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x",
                          static_cast<unsigned>(static_cast<unsigned char>(text[at])));
            out += escape;
            ++at;
            continue;
        }
        if (nonPrinting(c))
            appendEscape(out, c);
        else
            out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

} // namespace kvarn
