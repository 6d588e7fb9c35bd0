#include "cli/cli_verbs.h"

namespace vindelkast::cli {

std::vector<Verb> filesVerbs() { return {}; }

}  // namespace vindelkast::cli
