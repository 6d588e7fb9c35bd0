// The USEBIO reader where the build has no XML parser (the Windows build, for now: Debian has
// no libxml2 built for MinGW). Every file is refused with the reason, so nothing half-read
// ever becomes a contest; other programs' PBN results are read as everywhere.
#include "files/usebio_reader.h"

namespace vindelkast {

SessionReading readUsebio(std::string_view) {
    SessionReading reading;
    reading.refusal =
        "USEBIO-filer kan inte l\xe4sas i den h\xe4r versionen av Vindelkast f\xf6r Windows \xe4n";
    return reading;
}

bool usebioReadable() { return false; }

}  // namespace vindelkast
