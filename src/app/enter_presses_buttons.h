#pragma once

#include <QObject>

namespace vindelkast {

// Enter (or Return) on a focused push button presses it, as Space does. Qt gives a plain
// push button outside a dialog no Enter of its own, and a director who tabs to "Klar"
// presses Enter. Installed on the application, so buttons made later are included.
class EnterPressesButtons : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vindelkast
