#include "app/start_options.h"

#include <QCommandLineParser>

#include "model/version.h"
#include "qt/qt_text.h"

namespace vindelkast {

namespace {

constexpr quint16 kDefaultTablePort = 8080;

// "--bord" takes its port only when one follows, which QCommandLineParser cannot say: the
// port is joined to the option ("--bord=8081"), and a bare "--bord" gets the default.
QStringList withTablePortJoined(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != "--bord") continue;
        bool number = false;
        if (i + 1 < arguments.size()) arguments[i + 1].toInt(&number);
        if (number) {
            arguments[i] += "=" + arguments.takeAt(i + 1);
        } else {
            arguments[i] += "=" + QString::number(kDefaultTablePort);
        }
    }
    return arguments;
}

}  // namespace

StartOptions readStartOptions(QStringList arguments) {
    QCommandLineParser parser;
    const QCommandLineOption table("bord", "", "PORT");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    // For the crash tests: the recovery offer taken without a question.
    const QCommandLineOption noQuestion("aterstall-utan-fraga");
    parser.addOptions({table, help, version, noQuestion});
    parser.addPositionalArgument("fil", "");
    StartOptions options;
    if (!parser.parse(withTablePortJoined(std::move(arguments)))) {
        const QStringList unknown = parser.unknownOptionNames();
        options.error =
            unknown.isEmpty()
                ? "Fel i kommandoraden"
                : "Ok\u00e4nd flagga: " + QString(unknown[0].size() == 1 ? "-" : "--") + unknown[0];
        return options;
    }
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.askAboutRecovery = !parser.isSet(noQuestion);
    if (parser.isSet(table)) {
        bool number = false;
        const int port = parser.value(table).toInt(&number);
        if (!number || port < 1 || port > 65535) {
            options.error = "Porten m\u00e5ste vara ett tal fr\u00e5n 1 till 65535";
            return options;
        }
        options.tablePort = static_cast<quint16>(port);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) options.error = "Bara en t\u00e4vlingsfil kan \u00f6ppnas \u00e5t g\u00e5ngen";
    if (files.size() == 1) options.contestFile = files[0];
    return options;
}

QString startHelpText() {
    return "Anv\u00e4ndning: vindelkast [--bord [PORT]] [T\u00c4VLING.sco]\n"
           "R\u00e4knar ut kv\u00e4llens bridget\u00e4vling. Medlemsregistret medlem.txt l\u00e4ses i "
           "arbetsmappen.\n\n"
           "  T\u00c4VLING.sco     \u00f6ppnar t\u00e4vlingen; arbetsmappen blir filens mapp\n"
           "  --bord [PORT]   startar med registreringen vid borden p\u00e5 (port 8080 om ingen ges)\n"
           "  -h, --help      visar den h\u00e4r hj\u00e4lpen\n"
           "  -v, --version   visar versionen\n\n"
           "Handboken: manual.html bredvid programmet i Windows, /usr/share/doc/vindelkast/manual.html "
           "och man vindelkast i Debian.\n";
}

QString startVersionText() { return "Vindelkast " + toQt(kVersionText) + "\n"; }

}  // namespace vindelkast
