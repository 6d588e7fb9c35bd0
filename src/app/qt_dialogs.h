#pragma once

#include "session/dialogs.h"

class QWidget;

namespace vindelkast {

// Turns "Score-filer (*.sco)|*.SCO" into Qt's "Score-filer (*.sco *.SCO)"; each pattern is
// offered in both cases, as file names on Linux are case-sensitive, and patterns already
// written in the description are not shown twice.
QString qtFileFilter(const QString& filter);

// The program's dialogs: Qt's own message boxes, input dialogs, file dialogs and printer.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    void messageBox(const QString& title, const QString& text) override;
    bool confirm(const QString& text) override;
    Answer ask(const QString& text) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& defaultText) override;
    std::optional<QString> inputQuery(const QString& title, const QString& prompt,
                                      const QString& defaultText) override;
    QString openFileName(const QString& filter) override;
    QString openFileNameTitled(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& filter, bool askBeforeOverwrite) override;
    QString folderName(const QString& title) override;
    bool printerAvailable() override;
    QString print(const QString& jobTitle, const QTextDocument& document) override;
    bool openWithAssociatedProgram(const QString& path) override;
    bool progress(const QString& title, const std::function<Progress()>& poll) override;
    std::optional<MovementChoice> movementChoice(int pairs) override;
    std::optional<TeamEventChoice> teamEventChoice() override;

private:
    QWidget* m_parent = nullptr;
};

}  // namespace vindelkast
