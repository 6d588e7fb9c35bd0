#pragma once

#include <string>
#include <vector>

#include <QAbstractListModel>

#include "model/member.h"

namespace vindelkast {

// The members ListPers offers. It holds only references, and turns a name into text when
// the list draws that row, so that thousands of matches cost no more than the rows on view.
class NamePanelList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setMembers(std::vector<const Member*> members);
    void clear() { setMembers({}); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_members.size()); }
    // The long name of a row, "" outside the list.
    std::string longNameAt(int row) const;

private:
    // Register members are never freed while the program runs, so these stay valid.
    std::vector<const Member*> m_members;
};

}  // namespace vindelkast
