// The session keeps its evening in the club's archive.
#include "archive/archive_place.h"
#include "archive/evening_record.h"
#include "session/contest_session.h"

namespace vindelkast {

ArchiveKeeping ContestSession::keepInArchive(const std::string& place, const std::string& date) {
    const std::string givenDate = date.empty() ? m_archiveDate : date;
    EveningReading reading = eveningFromContest(m_contest, givenDate);
    if (!reading.message.empty()) return {reading.message, reading.dateUnreadable, reading.nothingScored};
    OpenedArchive opened = openArchive(place);
    if (!opened.archive) return {opened.message};
    // A date typed anew or a name corrected since the last save must not leave the evening
    // kept twice, once under its old name.
    if (std::string message = opened.archive->add(reading.evening, m_keptEvening); !message.empty())
        return {message};
    m_archiveDate = givenDate;
    m_keptEvening = keyOf(reading.evening);
    return {};
}

// Another contest is another evening: nothing given or kept for this one carries over.
void ContestSession::forgetArchiveState() {
    m_archiveDate.clear();
    m_keptEvening = {};
}

}  // namespace vindelkast
