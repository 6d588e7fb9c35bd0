#include "app/qt_dialogs.h"

#include "app/movement_dialog.h"
#include "app/paper_print.h"
#include "app/team_event_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

namespace vindelkast {

QString qtFileFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf('|');
    if (bar < 0) return filter;
    QString description = filter.left(bar).trimmed();
    // "Score-filer (*.sco)" already names its patterns: Qt adds the real ones, once.
    if (description.endsWith(')') && description.contains(" ("))
        description = description.left(description.lastIndexOf(" (")).trimmed();
    QStringList patterns;
    for (const QString& pattern : filter.mid(bar + 1).split(';', Qt::SkipEmptyParts)) {
        for (const QString& spelling : {pattern.toLower(), pattern.toUpper(), pattern}) {
            if (!patterns.contains(spelling)) patterns << spelling;
        }
    }
    return description + " (" + patterns.join(' ') + ")";
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "Vindelkast", text, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtDialogs::messageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, "Vindelkast", text, QMessageBox::NoButton, m_parent);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    box.addButton("Nej", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

Dialogs::Answer QtDialogs::ask(const QString& text) {
    QMessageBox box(QMessageBox::Question, "Vindelkast", text, QMessageBox::NoButton, m_parent);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nej", QMessageBox::NoRole);
    QPushButton* cancel = box.addButton("Avbryt", QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    // Esc and the window's close button must never be taken for an answer.
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

QString QtDialogs::inputBox(const QString& title, const QString& prompt, const QString& defaultText) {
    return inputQuery(title, prompt, defaultText).value_or(defaultText);
}

std::optional<QString> QtDialogs::inputQuery(const QString& title, const QString& prompt,
                                             const QString& defaultText) {
    // The program's own button texts, whatever Qt's translation says.
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Avbryt");
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

namespace {

// "sco" for "Score-filer: |*.SCO": the ending of the filter's first pattern.
QString defaultSuffix(const QString& filter) {
    const QString first = filter.mid(filter.indexOf('|') + 1).section(';', 0, 0).trimmed();
    return first.startsWith("*.") ? first.mid(2).toLower() : QString();
}

// The chosen file, or "" when the dialog is cancelled; Swedish labels where Qt draws the dialog itself.
// The accept button says what is done ("Öppna"), and so does the title unless it names what is asked for.
QString chooseFile(QWidget* parent, const QString& action, const QString& filter, bool save,
                   bool askBeforeOverwrite, const QString& title = {}) {
    QFileDialog dialog(parent, title.isEmpty() ? action : title, QString(), qtFileFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog takes a typed name as it is: the command adds its ending and tells
    // the director, in Swedish, when no such file exists.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeOverwrite);
    // A name typed without an ending must be checked against the file it will really replace.
    if (save) dialog.setDefaultSuffix(defaultSuffix(filter));
    dialog.setLabelText(QFileDialog::LookIn, "Leta i:");
    dialog.setLabelText(QFileDialog::FileName, "Filnamn:");
    dialog.setLabelText(QFileDialog::FileType, "Filtyp:");
    dialog.setLabelText(QFileDialog::Accept, action);
    dialog.setLabelText(QFileDialog::Reject, "Avbryt");
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace

QString QtDialogs::openFileName(const QString& filter) {
    return chooseFile(m_parent, "\u00d6ppna", filter, false, false);
}

QString QtDialogs::openFileNameTitled(const QString& title, const QString& filter) {
    return chooseFile(m_parent, "\u00d6ppna", filter, false, false, title);
}

QString QtDialogs::saveFileName(const QString& filter, bool askBeforeOverwrite) {
    return chooseFile(m_parent, "Spara", filter, true, askBeforeOverwrite);
}

QString QtDialogs::folderName(const QString& title) {
    QFileDialog dialog(m_parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::LookIn, "Leta i:");
    dialog.setLabelText(QFileDialog::FileName, "Mapp:");
    dialog.setLabelText(QFileDialog::Accept, "V\u00e4lj");
    dialog.setLabelText(QFileDialog::Reject, "Avbryt");
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

bool QtDialogs::printerAvailable() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

QString QtDialogs::print(const QString& jobTitle, const QTextDocument& document) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return printJob(printer, jobTitle, document);
}

bool QtDialogs::openWithAssociatedProgram(const QString& path) {
    // Qt counts a document opened once the desktop's opener has started; xdg-open finds that
    // no browser is installed only after that, and says so in its exit code alone.
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    // A browser started in the foreground keeps the opener running: it must live on.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {path});
    if (!process->waitForStarted()) {
        process->deleteLater();
        return false;
    }
    constexpr int kOpenerVerdictMs = 2000;
    if (!process->waitForFinished(kOpenerVerdictMs)) return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

bool QtDialogs::progress(const QString& title, const std::function<Progress()>& poll) {
    QProgressDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setCancelButtonText("Avbryt");
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QEventLoop loop;
    bool cancelled = false;
    QTimer timer;
    // The window's event loop keeps running: it repaints and answers while the work goes on.
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        const Progress now = poll();
        dialog.setLabelText(now.text);
        dialog.setMaximum(std::max(1, now.total));
        dialog.setValue(now.done);
        if (now.finished) loop.quit();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    timer.start(100);
    dialog.show();
    loop.exec();
    return !cancelled;
}

std::optional<Dialogs::MovementChoice> QtDialogs::movementChoice(int pairs) {
    MovementDialog dialog(pairs, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<Dialogs::TeamEventChoice> QtDialogs::teamEventChoice() {
    TeamEventDialog dialog(m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

}  // namespace vindelkast
