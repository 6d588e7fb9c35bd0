#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/member.h"

namespace vindelkast {

// The persons the club knows. Entry 0 is the bye person ("fripar") once a register
// file has been read; the table grows as needed. Members are never freed while the
// program runs, so participants may keep pointing at them even after an import.
class MemberRegister {
public:
    MemberRegister();
    MemberRegister(const MemberRegister&) = delete;
    MemberRegister& operator=(const MemberRegister&) = delete;

    // The one bye person of the whole run.
    Member& byeMember() { return *m_bye; }
    const Member& byeMember() const { return *m_bye; }

    // Number of entries, entry 0 included.
    int memberCount() const { return static_cast<int>(m_entries.size()); }
    Member* entry(int index) const;

    // Empties the table (memberCount 0); the members stay alive for old references.
    void clear();
    // Entry 0 becomes the bye person; memberCount 1.
    void startWithByeMember();
    // Appends a member as the next entry and returns it.
    Member* append(Member member);

    // The first entry whose long name equals `name`, or nullptr.
    Member* findByLongName(std::string_view name) const;

    const std::vector<Member*>& entries() const { return m_entries; }

private:
    std::unique_ptr<Member> m_bye;
    std::vector<std::unique_ptr<Member>> m_owned;
    std::vector<Member*> m_entries;
    std::unordered_map<std::string, int> m_firstIndexByLongName;
};

}  // namespace vindelkast
