#include "model/member_register.h"

namespace vindelkast {

std::string longName(const Member& member) {
    if (member.firstName.empty()) return member.surname;
    return member.surname + " " + member.firstName;
}

std::string shortName(const Member& member) {
    std::string name = member.surname + " ";
    if (!member.firstName.empty()) name += member.firstName.front();
    return name;
}

MemberRegister::MemberRegister() : m_bye(std::make_unique<Member>()) {
    m_bye->surname = "fripar";
    m_bye->memberId = 0;
}

Member* MemberRegister::entry(int index) const {
    if (index < 0 || index >= memberCount()) return nullptr;
    return m_entries[static_cast<std::size_t>(index)];
}

void MemberRegister::clear() {
    m_entries.clear();
    m_firstIndexByLongName.clear();
}

void MemberRegister::startWithByeMember() {
    clear();
    m_entries.push_back(m_bye.get());
    m_firstIndexByLongName.emplace(longName(*m_bye), 0);
}

Member* MemberRegister::append(Member member) {
    m_owned.push_back(std::make_unique<Member>(std::move(member)));
    Member* added = m_owned.back().get();
    m_firstIndexByLongName.emplace(longName(*added), memberCount());
    m_entries.push_back(added);
    return added;
}

Member* MemberRegister::findByLongName(std::string_view name) const {
    const auto found = m_firstIndexByLongName.find(std::string(name));
    if (found == m_firstIndexByLongName.end()) return nullptr;
    return m_entries[static_cast<std::size_t>(found->second)];
}

}  // namespace vindelkast
