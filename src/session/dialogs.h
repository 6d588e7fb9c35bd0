#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "model/scoring_rule.h"

class QTextDocument;

namespace vindelkast {

// Everything the window asks of the person at the screen, and the printer and the desktop.
// The program passes Qt's dialogs; the window tests pass a scripted stand-in, so no test
// ever waits on a modal dialog. Filters are given as "Beskrivning|*.A;*.B".
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A plain message.
    virtual void message(const QString& text) = 0;
    // A message box with a title and an OK button.
    virtual void messageBox(const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // A Yes/No/Avbryt question; Esc and closing the box answer Cancel.
    virtual Answer ask(const QString& text) = 0;
    // An input box: a cancel gives the default back.
    virtual QString inputBox(const QString& title, const QString& prompt, const QString& defaultText) = 0;
    // An input query: nothing on cancel.
    virtual std::optional<QString> inputQuery(const QString& title, const QString& prompt,
                                              const QString& defaultText) = 0;
    // File dialogs; an empty name when cancelled. They never change the working folder.
    virtual QString openFileName(const QString& filter) = 0;
    // The same, titled with what is asked for ("Guidekort för sektion B (13 par)").
    virtual QString openFileNameTitled(const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(const QString& filter, bool askBeforeOverwrite) = 0;
    // A folder to write into (made there if need be); an empty name when cancelled.
    virtual QString folderName(const QString& title) = 0;

    // Whether a printer is installed at all.
    virtual bool printerAvailable() = 0;
    // Prints the document on the default printer as one job; "" or the message why not.
    virtual QString print(const QString& jobTitle, const QTextDocument& document) = 0;
    // Work in progress elsewhere: the text, how far it has come, and whether it is over.
    struct Progress {
        QString text;
        int done = 0;
        int total = 0;
        bool finished = false;
    };
    // Shows a progress dialog with a Cancel button until `poll`, asked often on the window's
    // thread, says the work is finished. Returns false when the person cancelled.
    virtual bool progress(const QString& title, const std::function<Progress()>& poll) = 0;

    // What "Skapa guidekort..." is asked to make for the night's number of pairs.
    struct MovementChoice {
        bool howell = false;
        int rounds = 0;          // 0: as many as the movement has
        int boardsPerRound = 0;  // 0: about 26 boards in the evening
        bool relay = false;
    };
    // The movement dialog; nothing when cancelled.
    virtual std::optional<MovementChoice> movementChoice(int pairs) = 0;

    // What "Lagtävling…" is asked for: the form, the teams, boards per match, rounds,
    // what a bye is worth, as typed ("12,00"), and the teams' names in number order.
    struct TeamEventChoice {
        bool roundRobin = false;
        bool swissPairs = false;  // Monrad between pairs: `teams` is then the pairs
        ScoringMethod boardScoring = ScoringMethod::Matchpoints;  // Swiss pairs' boards
        int teams = 0;
        int boardsPerMatch = 0;
        int rounds = 0;  // 0: a full round robin
        QString byeVp = "12,00";
        QStringList names;
    };
    // The team event dialog; nothing when cancelled.
    virtual std::optional<TeamEventChoice> teamEventChoice() = 0;

    // Asks the desktop to open a document with its associated program.
    virtual bool openWithAssociatedProgram(const QString& path) = 0;
};

}  // namespace vindelkast
