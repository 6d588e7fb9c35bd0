#include "cli/cli_io.h"

#include <fstream>
#include <iostream>

#include "files/analysis_file.h"
#include "files/contract_file.h"
#include "files/file_platform.h"
#include "files/member_file.h"
#include "files/round_file.h"
#include "files/safe_write.h"
#include "files/text_encoding.h"
#include "model/version.h"

namespace vindelkast::cli {

LoadedContest loadContest(const Args& args, const std::string& path) {
    LoadedContest loaded;
    if (loadRegister(args.option("register", "medlem.txt"), *loaded.reg) < 1)
        loaded.reg->startWithByeMember();
    loaded.contest->reset(*loaded.reg);
    std::ifstream in(filePath(path), std::ios::binary);
    loaded.opened = static_cast<bool>(in);
    if (!loaded.opened) {
        loaded.read = {ContestReadResult::Kind::NotOpen, "Kan inte l\xe4sa filen"};
        return loaded;
    }
    loaded.read = readContestFile(*loaded.contest, in);
    // The analysis kept beside the contest file goes with it; a damaged one is no analysis.
    const std::string analysisMessage = readAnalysisBeside(*loaded.contest, path);
    if (!analysisMessage.empty()) printError(analysisMessage);
    // So are the contracts the tables gave.
    loaded.contractsMessage = readContractsBeside(*loaded.contest, path);
    if (!loaded.contractsMessage.empty()) printError(loaded.contractsMessage);
    // So do the movement's rounds, as the window keeps them.
    if (const std::string message = readRoundsBeside(*loaded.contest, path); !message.empty()) printError(message);
    return loaded;
}

bool reportUnusable(const LoadedContest& loaded, const std::string& path) {
    using Kind = ContestReadResult::Kind;
    switch (loaded.read.kind) {
    case Kind::NotOpen:
        printError(pathText(path) + ": " + loaded.read.message);
        return true;
    case Kind::NotContest:
        printError(pathText(path) + " \xe4r inte en " + loaded.read.message + "-fil");
        return true;
    case Kind::Duplicate:
    case Kind::Damaged:
        printError("Indata ej OK: " + loaded.read.message);
        return true;
    default:
        return false;
    }
}

int saveContest(Contest& contest, const std::string& path) {
    std::string message =
        writeFileSafely(path, [&contest](std::ostream& out) { writeContest(contest, out, kVersionText); });
    if (message.empty()) message = writeRoundsBeside(contest, path);
    if (message.empty()) return 0;
    printError(message);
    return 1;
}

std::string terminalText(std::string cp1252) {
    // Names come from files anybody may have written: an escape sequence in one could
    // retitle, recolour or clear the director's terminal. Line ends and tabs are layout.
    for (char& c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f) c = '?';
    }
    return cp1252ToUtf8(cp1252);
}

void printLine(const std::string& cp1252) { std::cout << terminalText(cp1252) << "\n"; }

void printError(const std::string& cp1252) { std::cerr << terminalText(cp1252) << "\n"; }

std::string argumentText(const std::string& utf8, bool& ok) {
    const auto text = utf8ToCp1252(utf8);
    ok = text.has_value();
    return text.value_or("");
}

}  // namespace vindelkast::cli
