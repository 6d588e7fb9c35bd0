#pragma once

#include <optional>

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "session/dialogs.h"

namespace vindelkast::test {

// A scripted stand-in for the person at the screen: answers come from queues (an empty
// queue answers as a cancel or No would), and every question, message and print job is
// recorded for the test to look at.
class FakeDialogs : public Dialogs {
public:
    struct PrintJob {
        QString title;
        QString text;
    };

    QStringList messages;       // plain messages and message boxes ("title|text" for boxes)
    QStringList questions;      // Yes/No questions asked
    QStringList prompts;        // input boxes asked ("title|prompt|default")
    QStringList fileFilters;    // filters of the file dialogs shown
    QStringList fileTitles;     // titles of the open dialogs that ask for something named
    QList<PrintJob> printJobs;  // jobs sent to the printer
    QStringList opened;         // documents opened with their associated program
    bool openerFound = true;    // false: the desktop has no program to open them with

    QQueue<bool> confirmAnswers;
    // Answers to Yes/No/Avbryt questions; when empty, confirmAnswers answer Yes or No.
    QQueue<Answer> askAnswers;
    QQueue<std::optional<QString>> inputAnswers;  // nothing = cancel
    QQueue<QString> fileNames;                    // "" = cancel
    QQueue<QString> folderNames;                  // "" = cancel
    QStringList folderTitles;                     // titles of the folder dialogs shown
    bool printerInstalled = true;
    QString paperFolder;        // when set, each job is also printed there as a PDF file
    QStringList paperFiles;     // the PDF files printed so far
    QStringList progressTexts;  // each different text a progress dialog showed
    int cancelProgressAt = -1;  // the progress dialog is cancelled once this much is done
    QQueue<std::optional<MovementChoice>> movementChoices;    // nothing = cancel
    QList<int> movementPairs;                                 // the pairs each movement dialog was opened for
    QQueue<std::optional<TeamEventChoice>> teamEventChoices;  // nothing = cancel

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
    bool printerAvailable() override { return printerInstalled; }
    QString print(const QString& jobTitle, const QTextDocument& document) override;
    bool openWithAssociatedProgram(const QString& path) override;
    bool progress(const QString& title, const std::function<Progress()>& poll) override;
    std::optional<MovementChoice> movementChoice(int pairs) override;
    std::optional<TeamEventChoice> teamEventChoice() override;

    // The last message shown, or "" when none was.
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last(); }
};

}  // namespace vindelkast::test
