#pragma once

#include <QString>
#include <QStringList>

namespace vindelkast {

// What `vindelkast` was asked to do on its command line: "vindelkast [--bord [PORT]]
// [TÄVLING.sco]", "--help", "--version".
struct StartOptions {
    QString contestFile;    // opened once the window is up; "" for none
    quint16 tablePort = 0;  // the table server on from the start on this port; 0: off
    bool askAboutRecovery = true;
    bool help = false;
    bool version = false;
    QString error;  // wrong usage: what was wrong (the help text follows it)
};

// Reads the arguments (the program's name first), as QCommandLineParser reads them.
StartOptions readStartOptions(QStringList arguments);

// The Swedish text of --help and of --version.
QString startHelpText();
QString startVersionText();

}  // namespace vindelkast
