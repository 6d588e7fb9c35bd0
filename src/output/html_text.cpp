#include "output/html_text.h"

#include "files/text_encoding.h"

namespace vindelkast {

namespace {

const char* htmlEntity(char c) {
    switch (static_cast<unsigned char>(c)) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case 0xe5:
        return "&aring;";
    case 0xe4:
        return "&auml;";
    case 0xf6:
        return "&ouml;";
    case 0xc5:
        return "&Aring;";
    case 0xc4:
        return "&Auml;";
    case 0xd6:
        return "&Ouml;";
    default:
        return nullptr;
    }
}

// The Unicode code point of one Windows-1252 byte.
unsigned codePointOf(char c) {
    const std::string utf8 = cp1252ToUtf8(std::string_view(&c, 1));
    unsigned value = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (i == 0)
            value = utf8.size() == 1 ? byte : utf8.size() == 2 ? (byte & 0x1fu) : (byte & 0x0fu);
        else
            value = (value << 6) | (byte & 0x3fu);
    }
    return value;
}

// The pages are declared ISO-8859-1, and the XHTML page must parse as XML: the
// Windows-1252 characters ISO-8859-1 lacks go as character references, and control
// characters, which XML cannot hold, are left out.
void appendPlain(std::string& out, char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\t') return;
    if (byte >= 0x80 && byte <= 0x9f)
        out += "&#" + std::to_string(codePointOf(c)) + ";";
    else
        out += c;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (const char* entity = htmlEntity(c))
            out += entity;
        else
            appendPlain(out, c);
    }
    return out;
}

std::string escapeHtmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '"')
            out += "&quot;";
        else if (const char* entity = htmlEntity(c))
            out += entity;
        else
            appendPlain(out, c);
    }
    return out;
}

std::string escapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (byte < 0x20 && c != '\t')
            continue;
        else if (byte >= 0x80 && byte <= 0x9f)
            out += "&#" + std::to_string(codePointOf(c)) + ";";
        else
            out += c;
    }
    return out;
}

}  // namespace vindelkast
