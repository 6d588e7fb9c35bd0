#include "entry/name_panel_list.h"

#include "qt/qt_text.h"

namespace vindelkast {

void NamePanelList::setMembers(std::vector<const Member*> members) {
    beginResetModel();
    m_members = std::move(members);
    endResetModel();
}

int NamePanelList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant NamePanelList::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count()) return {};
    return toQt(longNameAt(index.row()));
}

std::string NamePanelList::longNameAt(int row) const {
    if (row < 0 || row >= count()) return {};
    return longName(*m_members[static_cast<std::size_t>(row)]);
}

}  // namespace vindelkast
