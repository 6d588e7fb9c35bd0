#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstring>
#include <vector>

#include "model/shared_library.h"

// The USEBIO reader's way into libxml2: the parser's functions looked up when the first file
// is read, and the walk over a document's elements.
namespace vindelkast {

// The parser's functions, from libxml2 loaded when the first USEBIO file is read: linked, it
// (and ICU, which it stands on) was loaded in every process.
struct XmlLibrary {
    decltype(&xmlInitParser) initParser = nullptr;
    decltype(&xmlNewParserCtxt) newParserCtxt = nullptr;
    decltype(&xmlFreeParserCtxt) freeParserCtxt = nullptr;
    decltype(&xmlCtxtReadMemory) ctxtReadMemory = nullptr;
    decltype(&xmlCtxtGetLastError) ctxtGetLastError = nullptr;
    decltype(&xmlFreeDoc) freeDoc = nullptr;
    decltype(&xmlDocGetRootElement) docGetRootElement = nullptr;
    decltype(&xmlGetLineNo) getLineNo = nullptr;
    decltype(&xmlGetProp) getProp = nullptr;
    xmlFreeFunc* free = nullptr;  // a variable of the library's, holding its deallocator
};

inline void resolveXml(LibrarySymbols& symbols, XmlLibrary& xml) {
    symbols.function("xmlInitParser", xml.initParser);
    symbols.function("xmlNewParserCtxt", xml.newParserCtxt);
    symbols.function("xmlFreeParserCtxt", xml.freeParserCtxt);
    symbols.function("xmlCtxtReadMemory", xml.ctxtReadMemory);
    symbols.function("xmlCtxtGetLastError", xml.ctxtGetLastError);
    symbols.function("xmlFreeDoc", xml.freeDoc);
    symbols.function("xmlDocGetRootElement", xml.docGetRootElement);
    symbols.function("xmlGetLineNo", xml.getLineNo);
    symbols.function("xmlGetProp", xml.getProp);
    symbols.variable("xmlFree", xml.free);
}

inline const xmlChar* name(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

inline bool isElement(const xmlNode* node, const char* element) {
    return node && node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(node->name), element) == 0;
}

inline const xmlNode* child(const xmlNode* parent, const char* element) {
    for (const xmlNode* n = parent ? parent->children : nullptr; n; n = n->next)
        if (isElement(n, element)) return n;
    return nullptr;
}

inline std::vector<const xmlNode*> children(const xmlNode* parent, const char* element) {
    std::vector<const xmlNode*> found;
    for (const xmlNode* n = parent ? parent->children : nullptr; n; n = n->next)
        if (isElement(n, element)) found.push_back(n);
    return found;
}

inline int lineIn(const XmlLibrary& xml, const xmlNode* node) {
    const long line = node ? xml.getLineNo(node) : 0;
    return line > 0 && line < INT_MAX ? static_cast<int>(line) : 0;
}

}  // namespace vindelkast
