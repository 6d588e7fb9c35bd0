#pragma once

#include <string>
#include <string_view>

namespace vindelkast {

// The file an HTML export writes: ".html" is appended unless the name ends in "html" or
// ".htm" (any case); names shorter than 5 characters always get it.
std::string htmlFileName(const std::string& chosen);

// The file the XML export writes: ".xml" is appended unless the name ends in ".xml"
// (any case); names shorter than 5 characters always get it.
std::string xmlFileName(const std::string& chosen);

// The questions of the export commands.
inline constexpr const char* kOrderQuestionTitle = "Vilken sorteringsordning: ";
inline constexpr const char* kOrderQuestionPrompt = "Resultat (R), Par (P), Spelordn (S)";
inline constexpr const char* kOrderQuestionDefault = "R";
inline constexpr const char* kRoundQuestionTitle = "Rond";
inline constexpr const char* kRoundQuestionPrompt = "F\xf6r rond: ";
inline constexpr const char* kHtmlFileFilter = "HTML-filer |*.HTML;*.html;*.HTM;*.htm";
inline constexpr const char* kRoundHtmlFileFilter = "HTML-filer |*.html;*.htm";
inline constexpr const char* kXmlFileFilter = "XML-filer: |*.xml";

// The result order picked by the answer to "Resultat (R), Par (P), Spelordn (S)": P gives
// NS pair-number order, S table order, anything else (also nothing) result order.
int resultOrderFromAnswer(std::string_view answer);

// The round typed in answer to "För rond: "; an answer that is not a number keeps the
// proposal.
int roundFromAnswer(std::string_view answer, int proposal);

}  // namespace vindelkast
