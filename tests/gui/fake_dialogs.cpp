#include "fake_dialogs.h"

#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <QThread>

#include "app/paper_print.h"

namespace vindelkast::test {

void FakeDialogs::message(const QString& text) { messages << text; }

void FakeDialogs::messageBox(const QString& title, const QString& text) { messages << title + "|" + text; }

bool FakeDialogs::confirm(const QString& text) {
    questions << text;
    return confirmAnswers.isEmpty() ? false : confirmAnswers.dequeue();
}

Dialogs::Answer FakeDialogs::ask(const QString& text) {
    if (askAnswers.isEmpty()) return confirm(text) ? Answer::Yes : Answer::No;
    questions << text;
    return askAnswers.dequeue();
}

QString FakeDialogs::inputBox(const QString& title, const QString& prompt, const QString& defaultText) {
    return inputQuery(title, prompt, defaultText).value_or(defaultText);
}

std::optional<QString> FakeDialogs::inputQuery(const QString& title, const QString& prompt,
                                               const QString& defaultText) {
    prompts << title + "|" + prompt + "|" + defaultText;
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
}

QString FakeDialogs::openFileName(const QString& filter) {
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakeDialogs::openFileNameTitled(const QString& title, const QString& filter) {
    fileTitles << title;
    return openFileName(filter);
}

QString FakeDialogs::saveFileName(const QString& filter, bool) {
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakeDialogs::folderName(const QString& title) {
    folderTitles << title;
    return folderNames.isEmpty() ? QString() : folderNames.dequeue();
}

QString FakeDialogs::print(const QString& jobTitle, const QTextDocument& document) {
    printJobs.append({jobTitle, document.toPlainText()});
    if (paperFolder.isEmpty()) return {};
    // The printer is a PDF file: the same job as on paper, for the test to measure.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString file = QString("%1/%2.pdf").arg(paperFolder).arg(printJobs.size());
    printer.setOutputFileName(file);
    const QString problem = printJob(printer, jobTitle, document);
    if (problem.isEmpty()) paperFiles << file;
    return problem;
}

bool FakeDialogs::openWithAssociatedProgram(const QString& path) {
    opened << path;
    return openerFound;
}

bool FakeDialogs::progress(const QString&, const std::function<Progress()>& poll) {
    // The work runs on its own thread; the stand-in watches it as the real dialog would.
    for (Progress now = poll();; now = poll()) {
        if (progressTexts.isEmpty() || progressTexts.last() != now.text) progressTexts << now.text;
        if (now.finished) return true;
        if (cancelProgressAt >= 0 && now.done >= cancelProgressAt) return false;
        QThread::msleep(5);
    }
}

std::optional<Dialogs::MovementChoice> FakeDialogs::movementChoice(int pairs) {
    movementPairs << pairs;
    return movementChoices.isEmpty() ? std::nullopt : movementChoices.dequeue();
}

std::optional<Dialogs::TeamEventChoice> FakeDialogs::teamEventChoice() {
    return teamEventChoices.isEmpty() ? std::nullopt : teamEventChoices.dequeue();
}

}  // namespace vindelkast::test
