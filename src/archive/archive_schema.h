#pragma once

#include <string>
#include <vector>

namespace vindelkast {

// The statements that bring an archive from schema version `from` - 1 to `from`, for an
// identity column written as the backend writes it.
std::vector<std::string> schemaSteps(int from, const std::string& identityColumn);

}  // namespace vindelkast
