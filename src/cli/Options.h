#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// What the command line asks for.
struct Options {
    enum class Mode { Window, Help, Version, Import, Export };
    Mode mode = Mode::Window;
    QString error;  // the arguments do not make sense (exit status 2)

    QString user;         // --user
    QString passwordEnv;  // --password-env: the variable holding the password
    // Import
    QStringList files;
    QString format;    // --format: bibtex, ris, csv, tsv (empty: detected)
    QString encoding;  // --encoding: utf-8, gbk (empty: detected)
    QString dir;       // --dir: folder of entries that name none (default the file's)
    bool update = false;  // --update: papers already in the catalogue are updated, else skipped
    // Export
    QString exportFile;
    QString title, author, keyword;  // --title, --author, --keyword: search patterns
};

// The exit statuses of the command line.
enum Exit {
    kOk = 0,           // every chosen row written (or the export saved)
    kRowsFailed = 1,   // some chosen rows were not written
    kUsage = 2,        // the arguments do not make sense
    kRefused = 3,      // the sign-in was refused, or the account may not do this
    kUnreadable = 4,   // a file could not be read, or offered nothing to import
    kFailed = 5,       // the database or the file system failed
};

// The password variable used when --password-env names none.
inline constexpr char kDefaultPasswordEnv[] = "PAPER_CATALOGUE_PASSWORD";

// Reads the program's arguments (the program name first). No option at all
// is the window.
Options parse(const QStringList& arguments);
// The text of --help.
QString helpText(const QString& program);

}  // namespace cli
