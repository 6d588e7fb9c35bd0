#pragma once

#include <string_view>

#include "files/imported_session.h"

namespace vindelkast {

// Reads a pairs session from a USEBIO file, version 1.0 (the event holds the participants
// and boards) to 1.2 (sessions and sections, and a hand set with the deals). Every section
// of the first session is read, each section's pairs numbered on from the section before
// (`ImportedSession::sections`); further sessions are named in a note. The XML is parsed
// by libxml2 without network, DTD or entity expansion. A team event (SWISS_TEAMS, TEAMS) is
// read from its TEAM participants and its MATCH elements (`ImportedSession::teams`). A file
// that is not well-formed, not USEBIO, an individual event, or that has a word where a number
// belongs is refused with the line.
SessionReading readUsebio(std::string_view bytes);

// Whether this build reads USEBIO files (every build has libxml2, loaded when used).
bool usebioReadable();

}  // namespace vindelkast
