#pragma once

#include <istream>
#include <string>

#include "model/contest.h"

namespace vindelkast {

// The deal files the program reads, told apart by the file name's extension.
enum class DealFileFormat { Unknown, Bri, Dup, Cds, Dlm, Pbn };

// "bri" or "BRI" and so on after the last "."; a mixed-case or other extension is Unknown.
DealFileFormat dealFileFormat(const std::string& fileName);

// "Du har redan läst in givar" when board 1 already has a deal, else "".
std::string dealImportRefusal(const Contest& contest);

// Reads the deals of a deal file into boards 1..L (L = boardCount, or 71 when it is 0) and
// lowers dealCount to the leading complete deals; the first incomplete deal is taken off
// its board. Returns "" when the file was read, else the message: the file cannot be
// opened (nothing changed) or its kind is unknown (nothing read, dealCount 0).
std::string importDealFile(Contest& contest, const std::string& fileName);
// The same from an opened stream (binary for BRI, DUP and CDS).
void importDeals(Contest& contest, std::istream& in, DealFileFormat format);

// "Läste 24 givar", or "Läste bara 16 givar" when fewer deals than boards were read.
std::string dealCountMessage(int dealCount, int boardCount);

}  // namespace vindelkast
