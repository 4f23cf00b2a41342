#include <gtest/gtest.h>

#include "cli/Options.h"

using cli::Options;

namespace {
Options parse(std::initializer_list<const char*> args) {
    QStringList list{QStringLiteral("paper_catalogue")};
    for (const char* a : args) list << QString::fromUtf8(a);
    return cli::parse(list);
}
}  // namespace

TEST(CommandLine, NoArgumentIsTheWindow) {
    EXPECT_EQ(parse({}).mode, Options::Mode::Window);
    EXPECT_TRUE(parse({}).error.isEmpty());
}

TEST(CommandLine, ImportTakesEveryFileAndItsOptions) {
    const Options o = parse({"--import", "a.bib", "b.ris", "--user", "editor", "--update", "--dir=/papers",
                             "--format", "BibTeX", "--", "--odd.csv"});
    EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
    EXPECT_EQ(o.mode, Options::Mode::Import);
    EXPECT_EQ(o.files, (QStringList{"a.bib", "b.ris", "--odd.csv"}));
    EXPECT_EQ(o.user, QStringLiteral("editor"));
    EXPECT_TRUE(o.update);
    EXPECT_EQ(o.dir, QStringLiteral("/papers"));
    EXPECT_EQ(o.format, QStringLiteral("bibtex"));
}

TEST(CommandLine, ExportTakesItsFileAndPatterns) {
    const Options o = parse({"--export", "out.bib", "--user", "guest", "--title", "数据"});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.mode, Options::Mode::Export);
    EXPECT_EQ(o.exportFile, QStringLiteral("out.bib"));
    EXPECT_EQ(o.title, QStringLiteral("数据"));
}

TEST(CommandLine, WrongArgumentsAreRefusedWithAReason) {
    for (const auto& args : std::vector<std::initializer_list<const char*>>{
             {"--import"},                                     // no file
             {"--import", "a.bib"},                            // no user
             {"--import", "a.bib", "--user"},                  // no value
             {"--import", "a.bib", "--user", "x", "--export", "o.csv"},
             {"--export", "o.csv", "--user", "x", "--format", "xml"},
             {"--import", "a.bib", "--user", "x", "--encoding", "latin1"},
             {"--frobnicate"},
             {"stray.bib"},
             {"--user", "x"},
             {"--update=yes", "--import", "a.bib", "--user", "x"}}) {
        const Options o = parse(args);
        EXPECT_FALSE(o.error.isEmpty()) << *args.begin();
    }
}

TEST(CommandLine, HelpAndVersionNeedNothingElse) {
    EXPECT_EQ(parse({"--help"}).mode, Options::Mode::Help);
    EXPECT_EQ(parse({"-v"}).mode, Options::Mode::Version);
    EXPECT_TRUE(parse({"--version"}).error.isEmpty());
    EXPECT_TRUE(cli::helpText(QStringLiteral("p")).contains(QLatin1String("--import FILE")));
}
