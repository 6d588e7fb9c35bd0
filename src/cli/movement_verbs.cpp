#include "cli/cli_verbs.h"

namespace vindelkast::cli {

std::vector<Verb> movementVerbs() { return {}; }

}  // namespace vindelkast::cli
