#pragma once

#include <string>
#include <string_view>

#include "movement/corrections.h"

// The corrections as the window asks for them: one line of words, the way a director reads
// them off the slip ("3 2": table 3, round 2). Pairs and tables go by their labels ("B7") in
// an evening of sections.
namespace vindelkast {

enum class CorrectionKind { TurnTable, MoveResult, ArtificialScore, TurnResult, Renumber, TradePlaces };
inline constexpr CorrectionKind kCorrectionKinds[] = {
    CorrectionKind::TurnTable,  CorrectionKind::MoveResult, CorrectionKind::ArtificialScore,
    CorrectionKind::TurnResult, CorrectionKind::Renumber,   CorrectionKind::TradePlaces};

// The menu's item and the question it asks (Windows-1252).
struct CorrectionQuestion {
    std::string item;    // "Vänd NS/ÖV vid ett bord…"
    std::string prompt;  // "Bord och rond, t.ex. 3 2:"
};
CorrectionQuestion correctionQuestion(CorrectionKind kind);

// Reads the typed words and makes the correction; a word that names nothing is refused
// with the correction's own kind of message, and the contest is left as it was.
Correction typedCorrection(Contest& contest, CorrectionKind kind, std::string_view typed);

}  // namespace vindelkast
