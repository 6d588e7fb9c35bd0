#pragma once

namespace vindelkast {

// Written into every contest file and shown by "Om Vindelkast".
inline constexpr const char* kVersionText = "3.23 2015-07-27";

}  // namespace vindelkast
