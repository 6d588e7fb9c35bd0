#include "cli/cli_verbs.h"

namespace vindelkast::cli {

std::vector<Verb> outputVerbs() { return {}; }

}  // namespace vindelkast::cli
