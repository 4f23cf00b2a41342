#include "cli/Options.h"

#include <QCoreApplication>

namespace cli {

namespace {

bool takesValue(const QString& option) {
    static const QStringList valued{QStringLiteral("--user"),   QStringLiteral("--password-env"),
                                    QStringLiteral("--format"), QStringLiteral("--encoding"),
                                    QStringLiteral("--dir"),    QStringLiteral("--export"),
                                    QStringLiteral("--title"),  QStringLiteral("--author"),
                                    QStringLiteral("--keyword")};
    return valued.contains(option);
}

}  // namespace

Options parse(const QStringList& arguments) {
    Options o;
    bool import = false;
    bool onlyFiles = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString a = arguments[i];
        QString value;
        bool hasValue = false;
        if (!onlyFiles && a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='))) {
            value = a.section(QLatin1Char('='), 1);
            a = a.section(QLatin1Char('='), 0, 0);
            hasValue = true;
        }
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            if (!import) {
                o.error = QStringLiteral("unexpected argument: %1").arg(a);
                return o;
            }
            o.files << arguments[i];
            continue;
        }
        if (a == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        if (takesValue(a) && !hasValue) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("%1 needs a value").arg(a);
                return o;
            }
            value = arguments[++i];
        } else if (!takesValue(a) && hasValue) {
            o.error = QStringLiteral("%1 takes no value").arg(a);
            return o;
        }
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) o.mode = Options::Mode::Help;
        else if (a == QLatin1String("-v") || a == QLatin1String("--version")) o.mode = Options::Mode::Version;
        else if (a == QLatin1String("--import")) import = true;
        else if (a == QLatin1String("--export")) o.exportFile = value;
        else if (a == QLatin1String("--user")) o.user = value;
        else if (a == QLatin1String("--password-env")) o.passwordEnv = value;
        else if (a == QLatin1String("--format")) o.format = value.toLower();
        else if (a == QLatin1String("--encoding")) o.encoding = value.toLower();
        else if (a == QLatin1String("--dir")) o.dir = value;
        else if (a == QLatin1String("--update")) o.update = true;
        else if (a == QLatin1String("--title")) o.title = value;
        else if (a == QLatin1String("--author")) o.author = value;
        else if (a == QLatin1String("--keyword")) o.keyword = value;
        else {
            o.error = QStringLiteral("unknown option: %1").arg(a);
            return o;
        }
    }
    if (o.mode == Options::Mode::Help || o.mode == Options::Mode::Version) return o;
    if (import && !o.exportFile.isEmpty()) {
        o.error = QStringLiteral("--import and --export cannot be used together");
        return o;
    }
    if (import) {
        o.mode = Options::Mode::Import;
        if (o.files.isEmpty()) o.error = QStringLiteral("--import needs at least one file");
    } else if (!o.exportFile.isEmpty()) {
        o.mode = Options::Mode::Export;
    } else if (arguments.size() > 1) {
        o.error = QStringLiteral("--import or --export is needed with these options");
        return o;
    }
    if (o.mode != Options::Mode::Window && o.user.isEmpty()) o.error = QStringLiteral("--user is needed");
    static const QStringList formats{QString(), QStringLiteral("bibtex"), QStringLiteral("ris"),
                                     QStringLiteral("csv"), QStringLiteral("tsv")};
    static const QStringList encodings{QString(), QStringLiteral("utf-8"), QStringLiteral("utf8"),
                                       QStringLiteral("gbk")};
    if (o.mode == Options::Mode::Import && !formats.contains(o.format))
        o.error = QStringLiteral("unknown format: %1 (bibtex, ris, csv or tsv)").arg(o.format);
    if (o.mode == Options::Mode::Export && !o.format.isEmpty() && !formats.mid(1, 3).contains(o.format))
        o.error = QStringLiteral("unknown format: %1 (csv, bibtex or ris)").arg(o.format);
    if (!encodings.contains(o.encoding)) o.error = QStringLiteral("unknown encoding: %1 (utf-8 or gbk)").arg(o.encoding);
    return o;
}

QString helpText(const QString& program) {
    return QStringLiteral(
               "Usage: %1                      the program with its windows\n"
               "       %1 --import FILE... --user NAME [options]\n"
               "       %1 --export FILE --user NAME [options]\n"
               "\n"
               "Without a window: signs in with NAME (the password is read from the variable\n"
               "%2, or the one --password-env names, else from the first line of\n"
               "standard input; \"guest\" needs none) with the same rights as the menus give.\n"
               "\n"
               "  --import FILE...     reads BibTeX, RIS or CSV/TSV files as the import window\n"
               "                       does and writes every paper it would tick (senior users\n"
               "                       and administrators); prints the counts and each row's\n"
               "                       status and reason\n"
               "    --format F         bibtex, ris, csv or tsv (default: found from the file)\n"
               "    --encoding E       utf-8 or gbk (default: found from the file)\n"
               "    --dir FOLDER       folder of the papers that name none (default: the file's)\n"
               "    --update           papers already in the catalogue are updated (default: skipped)\n"
               "  --export FILE        saves the papers found as CSV, BibTeX or RIS (by the\n"
               "                       name's ending .csv, .bib, .ris, or --format)\n"
               "    --title T, --author A, --keyword K   only papers whose title, first author\n"
               "                       or a keyword contains the text\n"
               "  --user NAME          the account to sign in with\n"
               "  --password-env VAR   the variable that holds the password\n"
               "  -h, --help           this text\n"
               "  -v, --version        the version\n"
               "\n"
               "Exit status: 0 every chosen row written (or the export saved); 1 some rows not\n"
               "written; 2 wrong arguments; 3 sign-in refused or not allowed; 4 a file could\n"
               "not be read or offered nothing to import; 5 a database or file error.\n"
               "The settings file (data source) is found as the program finds it.\n")
        .arg(program, QLatin1String(kDefaultPasswordEnv));
}

}  // namespace cli
