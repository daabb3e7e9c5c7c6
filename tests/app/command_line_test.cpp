// The command line: a table of good and bad command lines against what they choose or what they
// say, and the real program run with them where no display can be opened: help, version and every
// wrong command line answer at once, and nothing but a wrong command line ends with status 2.
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include "app/command_line.h"

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

using command_line::Language;

// The words of `line`, split at blanks outside double quotes.
std::vector<std::string> Split(const QString& line)
{
    std::vector<std::string> arguments;
    for (const QString& argument : QProcess::splitCommand(line))
        arguments.push_back(argument.toStdString());
    return arguments;
}

QString FirstLine(const std::string& text) { return QString::fromStdString(text.substr(0, text.find('\n'))); }

struct Run {
    int status = -1;
    QString output;
    QStringList errorLines;
    qint64 milliseconds = 0;
};

// The program with `arguments` where no display can be opened, its language chosen by `locale`
// ("NAME=value" entries).
Run RunProgram(const QStringList& arguments, const QStringList& locale = {"LANG=C.UTF-8"})
{
    QProcess program;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    for (const QString& entry : locale)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    program.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(CONJUGACIO_PROGRAM), arguments);
    Run run;
    if (!program.waitForFinished(10000))
        return run;
    run.milliseconds = timer.elapsed();
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.output = QString::fromUtf8(program.readAllStandardOutput());
    run.errorLines = QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'));
    if (run.errorLines.last().isEmpty())
        run.errorLines.removeLast();
    return run;
}

const QStringList kTensePhrases{"1 present d'indicatiu.",
                                "2 present de subjuntiu.",
                                "3 present d'imperatiu.",
                                "4 pretèrit imperfet d'indicatiu.",
                                "5 pretèrit imperfet de subjuntiu.",
                                "6 pretèrit perfet d'indicatiu.",
                                "7 futur d'indicatiu.",
                                "8 present de condicional."};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void goodCommandLinesChoose_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<std::vector<int>>("tenses");
        QTest::addColumn<std::vector<int>>("verbs");
        QTest::addColumn<bool>("feedback");
        QTest::addColumn<QStringList>("forQt");
        using V = std::vector<int>;
        QTest::newRow("nothing") << "" << V{} << V{} << false << QStringList{};
        QTest::newRow("tenses joined") << "--tenses=4,5" << V{4, 5} << V{} << false << QStringList{};
        QTest::newRow("tenses apart") << "--tenses 3" << V{3} << V{} << false << QStringList{};
        QTest::newRow("repeats once") << "--tenses=8,1,8" << V{8, 1} << V{} << false << QStringList{};
        QTest::newRow("blanks around items") << "--tenses \"2, 6\"" << V{2, 6} << V{} << false << QStringList{};
        QTest::newRow("given twice adds") << "--tenses 1 --tenses=2,1" << V{1, 2} << V{} << false << QStringList{};
        QTest::newRow("case and accents ignored")
            << "--verbs Ser,coneixer,ARGUIR,Comencar" << V{} << V{40, 11, 52, 53} << false << QStringList{};
        QTest::newRow("accents as written") << "--verbs=conèixer,témer" << V{} << V{11, 2} << false << QStringList{};
        QTest::newRow("as the drill shows it")
            << "\"--verbs=lluir(forma pura)\"" << V{} << V{25} << false << QStringList{};
        QTest::newRow("without its note") << "--verbs=lluir" << V{} << V{25} << false << QStringList{};
        QTest::newRow("everything") << "--feedback --verbs cantar --tenses 7" << V{7} << V{1} << true << QStringList{};
        QTest::newRow("Qt's options pass through")
            << "-platform offscreen --feedback -display :5 -style=fusion --reverse -qwindowgeometry 800x600+0+0" << V{}
            << V{} << true << QStringList{"-platform",     "offscreen", "-display",         ":5",
                                          "-style=fusion", "--reverse", "-qwindowgeometry", "800x600+0+0"};
        QTest::newRow("a Qt option's value is its own")
            << "-title --feedback" << V{} << V{} << false << QStringList{"-title", "--feedback"};
        QTest::newRow("nothing after the end of options") << "--feedback --" << V{} << V{} << true << QStringList{};
    }
    void goodCommandLinesChoose()
    {
        QFETCH(QString, line);
        QFETCH(std::vector<int>, tenses);
        QFETCH(std::vector<int>, verbs);
        QFETCH(bool, feedback);
        QFETCH(QStringList, forQt);
        const std::vector<std::string> arguments = Split(line);
        const command_line::Request request = command_line::Parse(arguments, Language::English);
        QVERIFY2(!request.exitStatus, request.errors.c_str());
        QCOMPARE(request.practice.choice.tenses, tenses);
        QCOMPARE(request.practice.choice.verbs, verbs);
        QCOMPARE(request.practice.feedback, feedback);
        QStringList leftForQt;
        for (std::size_t at : request.forQt)
            leftForQt << QString::fromStdString(arguments.at(at));
        QCOMPARE(leftForQt, forQt);
        QVERIFY(request.output.empty() && request.errors.empty());
    }

    void badCommandLinesSayWhatIsWrong_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("catalan");
        QTest::newRow("unknown option") << "--tense=3"
                                        << "conjugacio: unrecognized option '--tense=3'"
                                        << "conjugacio: l'opció «--tense=3» no existeix";
        QTest::newRow("one dash for a long option") << "-feedback"
                                                    << "conjugacio: unrecognized option '-feedback'"
                                                    << "conjugacio: l'opció «-feedback» no existeix";
        QTest::newRow("missing value") << "--feedback --verbs"
                                       << "conjugacio: option '--verbs' requires a value"
                                       << "conjugacio: l'opció «--verbs» necessita un valor";
        QTest::newRow("missing value of Qt's") << "-platform"
                                               << "conjugacio: option '-platform' requires a value"
                                               << "conjugacio: l'opció «-platform» necessita un valor";
        QTest::newRow("value not allowed") << "--feedback=yes"
                                           << "conjugacio: option '--feedback' doesn't allow a value"
                                           << "conjugacio: l'opció «--feedback» no admet cap valor";
        QTest::newRow("tense 9") << "--tenses=1,9"
                                 << "conjugacio: no tense '9' (the tenses are numbered 1 to 8)"
                                 << "conjugacio: no hi ha cap temps «9» (els temps van de l'1 al 8)";
        QTest::newRow("tense 0") << "--tenses 0"
                                 << "conjugacio: no tense '0' (the tenses are numbered 1 to 8)"
                                 << "conjugacio: no hi ha cap temps «0» (els temps van de l'1 al 8)";
        QTest::newRow("not a number") << "--tenses=3a"
                                      << "conjugacio: no tense '3a' (the tenses are numbered 1 to 8)"
                                      << "conjugacio: no hi ha cap temps «3a» (els temps van de l'1 al 8)";
        QTest::newRow("a huge number")
            << "--tenses=99999999999999999999"
            << "conjugacio: no tense '99999999999999999999' (the tenses are numbered 1 to 8)"
            << "conjugacio: no hi ha cap temps «99999999999999999999» (els temps van de l'1 al 8)";
        QTest::newRow("no such verb") << "--verbs=ser,Esser"
                                      << "conjugacio: the drill has no verb 'Esser'"
                                      << "conjugacio: l'exercici no té el verb «Esser»";
        QTest::newRow("empty list") << "--verbs="
                                    << "conjugacio: the list of option '--verbs' is empty"
                                    << "conjugacio: la llista de l'opció «--verbs» és buida";
        QTest::newRow("blank list") << "--tenses \" \""
                                    << "conjugacio: the list of option '--tenses' is empty"
                                    << "conjugacio: la llista de l'opció «--tenses» és buida";
        QTest::newRow("empty item") << "--tenses=1,,2"
                                    << "conjugacio: the list '1,,2' of option '--tenses' has an empty item"
                                    << "conjugacio: la llista «1,,2» de l'opció «--tenses» té un element buit";
        QTest::newRow("an operand") << "cantar"
                                    << "conjugacio: unexpected argument 'cantar'"
                                    << "conjugacio: argument inesperat «cantar»";
        QTest::newRow("an operand after the options' end") << "-- --help"
                                                           << "conjugacio: unexpected argument '--help'"
                                                           << "conjugacio: argument inesperat «--help»";
        QTest::newRow("a line break in the bad item") << "\"--verbs=ser\nx\""
                                                      << "conjugacio: the drill has no verb 'ser?x'"
                                                      << "conjugacio: l'exercici no té el verb «ser?x»";
    }
    void badCommandLinesSayWhatIsWrong()
    {
        QFETCH(QString, line);
        QFETCH(QString, english);
        QFETCH(QString, catalan);
        for (const Language language : {Language::English, Language::Catalan}) {
            const command_line::Request request = command_line::Parse(Split(line), language);
            QCOMPARE(request.exitStatus, std::optional<int>(2));
            QVERIFY(request.output.empty());
            QCOMPARE(FirstLine(request.errors), language == Language::English ? english : catalan);
        }
    }

    // What the program itself does, before it looks for a display: the earlier of --help and a
    // fault decides.
    void helpAndVersionEndTheProgram()
    {
        const Run help = RunProgram({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.errorLines.isEmpty());
        QVERIFY(help.output.startsWith(QStringLiteral("Usage: conjugacio [OPTION]...\n")));
        for (const char* option : {"--tenses=LIST", "--verbs=LIST", "--feedback", "--version", "-h, --help"})
            QVERIFY2(help.output.contains(option), qPrintable(option));
        for (const QString& tense : kTensePhrases)
            QVERIFY2(help.output.contains(QStringLiteral("\n  ") + tense + QLatin1Char('\n')), qPrintable(tense));
        QVERIFY(help.output.contains(QStringLiteral("argüir")));
        for (const QString& line : help.output.split(QLatin1Char('\n')))
            QVERIFY2(line.size() < 80, qPrintable(line));

        QCOMPARE(RunProgram({QStringLiteral("-h")}).output, help.output);
        QCOMPARE(RunProgram({QStringLiteral("--feedback"), QStringLiteral("--help"), QStringLiteral("--bad")}).status,
                 0);

        const Run version = RunProgram({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.output, QStringLiteral("conjugacio " CONJUGACIO_VERSION "\n"));
        QVERIFY(version.errorLines.isEmpty());
    }

    void theHelpSpeaksTheLocalesLanguage_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<bool>("catalan");
        QTest::newRow("LANG") << QStringList{"LANG=ca_ES.UTF-8"} << true;
        QTest::newRow("LANG of Andorra") << QStringList{"LANG=ca_AD.UTF-8"} << true;
        QTest::newRow("English") << QStringList{"LANG=en_GB.UTF-8"} << false;
        QTest::newRow("nothing set") << QStringList{} << false;
        QTest::newRow("LC_ALL first") << QStringList{"LC_ALL=C.UTF-8", "LC_MESSAGES=ca_ES.UTF-8", "LANG=ca_ES.UTF-8"}
                                      << false;
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LC_MESSAGES=ca_ES.UTF-8", "LANG=es_ES.UTF-8"} << true;
        QTest::newRow("an empty LC_ALL is not set")
            << QStringList{"LC_ALL=", "LC_MESSAGES=", "LANG=ca_ES.UTF-8"} << true;
        QTest::newRow("Catalan under LC_ALL") << QStringList{"LC_ALL=ca_ES@valencia", "LANG=en_US.UTF-8"} << true;
    }
    void theHelpSpeaksTheLocalesLanguage()
    {
        QFETCH(QStringList, locale);
        QFETCH(bool, catalan);
        const Run help = RunProgram({QStringLiteral("--help")}, locale);
        QCOMPARE(help.status, 0);
        QCOMPARE(help.output.startsWith(QStringLiteral("Ús: conjugacio [OPCIÓ]...")), catalan);
        for (const QString& tense : kTensePhrases)
            QVERIFY(help.output.contains(tense));
        const Run wrong = RunProgram({QStringLiteral("--tenses=9")}, locale);
        QCOMPARE(wrong.errorLines.value(1), catalan ? QStringLiteral("Proveu «conjugacio --help» per a més informació.")
                                                    : QStringLiteral("Try 'conjugacio --help' for more information."));
    }

    void aWrongCommandLineEndsAtOnceWithStatusTwo()
    {
        for (const QStringList& arguments :
             QList<QStringList>{{"--bogus"}, {"--tenses"}, {"--tenses=9"}, {"--verbs=Esser"}, {"--verbs="}, {"x"}}) {
            const Run run = RunProgram(arguments);
            const QString shown = arguments.join(QLatin1Char(' '));
            QVERIFY2(run.status == 2, qPrintable(shown));
            QVERIFY2(run.output.isEmpty(), qPrintable(shown));
            QVERIFY2(run.errorLines.size() == 2, qPrintable(run.errorLines.join(QLatin1Char('|'))));
            QVERIFY(run.errorLines[0].startsWith(QStringLiteral("conjugacio: ")));
            QVERIFY(run.errorLines[1].contains(QStringLiteral("--help")));
            QVERIFY2(run.milliseconds < 1000, qPrintable(shown));
        }
    }

    // Good command lines go on to look for a display, and so end with status 1 here.
    void aGoodCommandLineGoesOnToTheDisplay()
    {
        for (const QStringList& arguments : QList<QStringList>{
                 {}, {"--feedback"}, {"--tenses", "3"}, {"--verbs=Ser,coneixer"}, {"-style", "fusion", "--tenses=1"}}) {
            const Run run = RunProgram(arguments);
            QVERIFY2(run.status == 1, qPrintable(arguments.join(QLatin1Char(' '))));
            QVERIFY(run.output.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
