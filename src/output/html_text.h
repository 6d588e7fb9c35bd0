#pragma once

#include <string>
#include <string_view>

namespace vindelkast {

// Text for a page: "&", "<", ">" and the Swedish letters å ä ö Å Ä Ö become entities,
// the Windows-1252 characters that ISO-8859-1 lacks (€, curly quotes ...) character
// references; control characters are left out; every other byte passes unchanged ("é"
// stays "é").
std::string escapeHtml(std::string_view text);

// As escapeHtml, and the double-quote character too, for attribute values.
std::string escapeHtmlAttribute(std::string_view text);

// Text for an XML document declared ISO-8859-1: "&", "<" and ">" become entities, the
// Windows-1252 characters that ISO-8859-1 lacks (€, curly quotes ...) become character
// references, and control characters that XML cannot hold are left out.
std::string escapeXml(std::string_view text);

}  // namespace vindelkast
