// The bytes a client sends to the table server, in whatever pieces the network cuts them: the
// first byte of the input says where to cut. Whatever they are, following them must end, a
// refusal must stay, and the pieces must come to the same as the whole.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "tables/request_framing.h"

using namespace vindelkast;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t piece = data[0] + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    RequestFraming whole;
    const FramingStep all = whole.feed(bytes);

    RequestFraming cut;
    FramingStep last;
    int completed = 0;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const int refusedBefore = last.refusal;
        last = cut.feed(bytes.substr(at, piece));
        fuzz::require(refusedBefore == 0 || last.refusal == refusedBefore);
        completed += last.completed;
        fuzz::require(last.refusal == 0 || last.refusal == 400 || last.refusal == 413 || last.refusal == 431);
    }
    if (bytes.empty()) return 0;
    fuzz::require(last.refusal == all.refusal);
    if (all.refusal == 0) fuzz::require(completed == all.completed && last.inRequest == all.inRequest);
    return 0;
}
