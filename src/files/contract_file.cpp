#include "files/contract_file.h"

#include "files/side_text.h"

namespace vindelkast {

namespace {
const char* const kHeader = "%KONTRAKT 1";
const char* const kFile = "kontraktsfilen";
}  // namespace

std::string writeContracts(const Contest& contest) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const auto& [key, played] : contest.contracts) {
        text += std::to_string(key.board) + ' ' + std::to_string(key.nsPair) + ' ' +
                std::to_string(key.ewPair) + ' ' + contractText(played.contract) + ' ' +
                declarerText(played.declarer) + ' ' + std::to_string(played.tricks) + "\r\n";
    }
    return text;
}

std::string readContracts(Contest& contest, std::string_view text) {
    if (text.size() > kMaxSideFileBytes) return "Kontraktsfilen \xe4r f\xf6r stor";
    const std::vector<std::string_view> lines = sideFileLines(text);
    if (lines.empty() || lines[0] != kHeader) return "Filen \xe4r ingen kontraktsfil (version 1)";
    std::map<ContractKey, PlayedContract> read;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = lineWords(lines[i]);
        if (words.size() != 6) return sideFileFault(kFile, i + 1, "raden ska ha sex f\xe4lt");
        ContractKey key;
        PlayedContract played;
        if (!numberWord(words[0], 1, kMaxBoard, key.board))
            return sideFileFault(kFile, i + 1, "brickan ska vara 1-71");
        if (!numberWord(words[1], 1, kMaxPair, key.nsPair) ||
            !numberWord(words[2], 1, kMaxPair, key.ewPair) || key.nsPair == key.ewPair)
            return sideFileFault(kFile, i + 1, "paren ska vara tv\xe5 olika nummer 1-72");
        const std::string message = parseContract(words[3], played.contract);
        if (!message.empty()) return sideFileFault(kFile, i + 1, message);
        played.declarer = parseDeclarer(words[4]);
        if (played.declarer < 0)
            return sideFileFault(kFile, i + 1, "spelf\xf6raren ska vara N, E, S eller W");
        if (!numberWord(words[5], 0, 13, played.tricks))
            return sideFileFault(kFile, i + 1, "sticken ska vara 0-13");
        if (!read.emplace(key, played).second)
            return sideFileFault(kFile, i + 1, "samma bricka och par finns tv\xe5 g\xe5nger");
    }
    contest.contracts = std::move(read);
    return "";
}

}  // namespace vindelkast
