// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "calculation_json.h"
#include "commands/commands.h"
#include "commands/comparison_outcome.h"
#include "commands/comparison_results.h"
#include "commands/failure_messages.h"
#include "commands/form_table.h"
#include "commands/plans_reached.h"
#include "commands/report_rows.h"
#include "commands/result_map.h"
#include "commands/text_form.h"
#include "loanblend_version.h"
#include "localtext/display_text.h"
#include "localtext/system_marks.h"
#include "localtext/translations.h"
#include "report/report_module.h"
#include "saving/atomic_save.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_texts.h"
#include "schedule/month_text.h"
#include "schedule/schedules_csv.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLocale>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

// Qt's own words for the help options addHelpOption adds. Debian's French catalog of Qt lacks them, so this
// program's catalog gives them; a catalog installed later is asked first.
[[maybe_unused]] constexpr const char *qtHelpOptionWords[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// The options a command takes, as bits: any other is a usage error, whatever the format.
enum Takes { Inputs = 1, Format = 2, FirstMonth = 4, Output = 8 };

struct Command {
    std::string_view name;
    int takes;
    const char *synopsis; // translated where it is listed
};

// The command's name, its options and the values json and - are what is typed, in every language.
constexpr Command commandTable[] = {
    {"calculate", Inputs | Format | FirstMonth,
     //: Keep "calculate", "-", "--format", "text" and "json": they are typed as they are.
     QT_TRANSLATE_NOOP("CommandLine", "calculate [FILE | -]  the window's 26 results (--format text or json)")},
    {"schedules", Inputs | FirstMonth | Output,
     //: Keep "schedules", "-" and "-o": they are typed as they are. File > Export is the window's menu item.
     QT_TRANSLATE_NOOP("CommandLine",
                       "schedules [FILE | -] -o OUT.csv  every payment of the five plans, as File > Export does")},
    {"compare", Format | FirstMonth,
     //: Keep "compare", "--format", "text" and "json": they are typed as they are.
     QT_TRANSLATE_NOOP("CommandLine",
                       "compare FILE          the scenario's comparison with an offer (--format text or json)")},
    {"report", Inputs | FirstMonth | Output,
     //: Keep "report" and "-o": they are typed as they are. File > Save report as PDF is the window's menu item.
     QT_TRANSLATE_NOOP("CommandLine", "report FILE -o OUT.pdf  the report, as File > Save report as PDF does")},
};

const Command *commandNamed(std::string_view name)
{
    for (const Command &command : commandTable)
        if (command.name == name)
            return &command;
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

QString commandList()
{
    QString list = QCoreApplication::translate("CommandLine", "Commands:");
    for (const Command &command : commandTable)
        list += QStringLiteral("\n  ") + translated(command.synopsis);
    return list;
}

// Whether a window could open: a display, or a Qt platform named, such as offscreen.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

enum class Exit { Success = 0, NotCalculated = 1, Usage = 2 };

// A failure that ends the command with its status and a message on standard error.
struct Stop {
    Exit status;
    QString message;
};

[[noreturn]] void usage(const QString &message)
{
    throw Stop{Exit::Usage, message};
}

[[noreturn]] void outputFailed(int error)
{
    throw Stop{Exit::Usage,
               QCoreApplication::translate("CommandLine", "the output could not be written: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(error)))};
}

// Output lost on the way, to a full disk or a closed pipe, fails the command rather than pass for success.
void print(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size()))
        outputFailed(errno);
}

void flushOutput()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        outputFailed(errno);
}

void printError(const QString &message)
{
    const QByteArray bytes = QStringLiteral("loanblend: %1\n").arg(message).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

struct InputOption {
    const char *name;
    commands::Field field;
    const char *description;
};

constexpr InputOption inputOptions[] = {
    {"principal1", commands::Field::Text1, QT_TRANSLATE_NOOP("CommandLine", "Loan 1's principal, in your notation.")},
    {"rate1", commands::Field::Text2,
     QT_TRANSLATE_NOOP("CommandLine", "Loan 1's annual interest rate in percent, in your notation.")},
    {"years", commands::Field::Text3,
     QT_TRANSLATE_NOOP("CommandLine", "The amortization period of both loans, in years, in your notation.")},
    {"principal2", commands::Field::Text6,
     QT_TRANSLATE_NOOP("CommandLine", "Loan 2's principal; empty for no loan 2, in your notation.")},
    {"rate2", commands::Field::Text7,
     QT_TRANSLATE_NOOP("CommandLine", "Loan 2's annual interest rate in percent, in your notation.")},
};

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // Its words are those of the catalogs installed when it is made.
    explicit CommandLine(const QStringList &arguments)
        : m_marks(localtext::marksOf(QLocale::system()))
    {
        //: Lines of at most 100 characters. Keep the command names, the options and "-"; FILE as in the synopsis
        //: of each command.
        const QString inputsAndExits
            = tr("Inputs start as the window's, then the scenario FILE's (- reads it from standard input), then the\n"
                 "options'. Without a command, the window opens, with the scenario FILE where one is given.\n"
                 "calculate takes the inputs, --format and --first-month; schedules and report the inputs,\n"
                 "--first-month and -o; compare --format and --first-month.\n"
                 "Exit status: 0 done (a comparison that cannot be made is an answer too); 1 a figure could not be\n"
                 "calculated; 2 a usage error, a file that cannot be read or written, or an input that is not a\n"
                 "number or out of its range.");
        m_parser.setApplicationDescription(tr("Blends two loans into one and compares the ways to repay them.")
                                           + QStringLiteral("\n\n") + commandList() + u'\n' + inputsAndExits);
        m_parser.addHelpOption();
        m_parser.addVersionOption();
        m_parser.addPositionalArgument(
            //: The first argument's name in the list of arguments.
            tr("command"),
            //: Keep the command names and "-": they are typed as they are.
            tr("calculate, schedules, compare or report; then a scenario FILE, or - for one on standard input "
               "(calculate and schedules only)."),
            //: The arguments in the usage line: "command" and FILE as translated elsewhere.
            tr("[command] [FILE]"));
        for (const InputOption &option : inputOptions)
            m_parser.addOption({QString::fromLatin1(option.name), translated(option.description), QStringLiteral("X")});
        m_parser.addOption({QStringLiteral("format"),
                            //: Keep "text" and "json": they are typed as they are.
                            tr("text (the default) or json."),
                            //: The value's name in --format <format>.
                            tr("format"), QStringLiteral("text")});
        m_parser.addOption(
            {QStringLiteral("first-month"),
             tr("The month of the schedules' first payments; by default the scenario's, or the month after this one."),
             //: The month's form in --first-month <YYYY-MM>: year and month in digits.
             tr("YYYY-MM")});
        m_parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                            //: Keep "-": it is typed as it is.
                            tr("The file to write (schedules, report); - for standard output (schedules)."),
                            //: The file's name in -o <OUT>, as in OUT.csv and OUT.pdf elsewhere.
                            tr("OUT")});
        m_parsed = m_parser.parse(arguments);
    }

    // Whether what the command writes is read by people, in their own language, rather than by a script: JSON
    // stays English, and so does whatever is said beside it, a refused option too, whatever the user's language.
    bool writesForPeople() const
    {
        return m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))
            || m_parser.value(QStringLiteral("format")) != QLatin1String("json");
    }

    int run()
    {
        if (!m_parsed)
            usage(m_parser.errorText());
        if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))) {
            print(m_parser.helpText().toLocal8Bit());
            return int(Exit::Success);
        }
        if (m_parser.isSet(QStringLiteral("version"))) {
            print(QStringLiteral("%1 %2\n")
                      .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                      .toLocal8Bit());
            return int(Exit::Success);
        }
        const QStringList positional = m_parser.positionalArguments();
        const Command *command = commandOf(positional.value(0));
        if (positional.size() > 2)
            usage(tr("too many arguments: %1").arg(shown(positional.mid(2).join(' '))));
        m_file = positional.value(1);
        checkOptions(*command);
        const QString format = m_parser.value(QStringLiteral("format"));
        if (format != QLatin1String("text") && format != QLatin1String("json"))
            //: Keep "--format", "text" and "json": they are typed as they are. %1 is the value given.
            usage(tr("--format is text or json, not \u201C%1\u201D").arg(shown(format)));
        m_json = format == QLatin1String("json");
        m_firstMonth = firstMonthOption();
        if (command->name == "calculate")
            return calculate();
        if (command->name == "schedules")
            return schedules();
        if (command->name == "compare")
            return compare();
        return report();
    }

private:
    static QString shown(const QString &text)
    {
        return QString::fromStdString(commands::visibleText(text.toStdString()));
    }

    // The command the first word names. Without a display anything else ends here, FILE alone too, as does a word
    // that names neither a command nor a file where the window could open.
    static const Command *commandOf(const QString &word)
    {
        if (const Command *command = commandNamed(word.toStdString()))
            return command;
        if (word.isEmpty())
            usage(tr("there is no display to open the window on; give a command.") + u'\n' + commandList());
        if (!hasDisplay() && QFileInfo::exists(word))
            //: %1 is the scenario file named.
            usage(tr("there is no display to open \u201C%1\u201D on; give a command.").arg(shown(word)) + u'\n'
                  + commandList());
        if (!hasDisplay())
            usage(tr("no such command: \u201C%1\u201D.").arg(shown(word)) + u'\n' + commandList());
        usage(tr("no such command or file: \u201C%1\u201D.").arg(shown(word)) + u'\n' + commandList());
    }

    void checkOptions(const Command &command) const
    {
        for (const QString &name : m_parser.optionNames()) {
            if (command.takes & takesOf(name))
                continue;
            QStringList taken;
            if (command.takes & Inputs)
                //: What a command takes, listed with options such as --format: --principal1, --rate1 and the others.
                taken << tr("the inputs");
            if (command.takes & Format)
                taken << QStringLiteral("--format");
            if (command.takes & FirstMonth)
                taken << QStringLiteral("--first-month");
            if (command.takes & Output)
                taken << QStringLiteral("-o");
            //: %1 is the command, %2 the option it refused (such as --rate1), %3 the options it takes, with commas.
            usage(tr("%1 takes no %2; it takes %3")
                      .arg(QLatin1String(command.name.data(), qsizetype(command.name.size())),
                           (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name,
                           taken.join(QStringLiteral(", "))));
        }
    }

    static int takesOf(const QString &option)
    {
        for (const InputOption &input : inputOptions)
            if (option == QLatin1String(input.name))
                return Inputs;
        if (option == QLatin1String("format"))
            return Format;
        if (option == QLatin1String("first-month"))
            return FirstMonth;
        if (option == QLatin1String("o") || option == QLatin1String("output"))
            return Output;
        return 0;
    }

    // The scenario named on the command line, if one is.
    std::optional<scenario::Scenario> scenarioFile(bool standardInputAllowed)
    {
        if (m_file.isEmpty())
            return std::nullopt;
        const bool standardInput = m_file == QLatin1String("-");
        if (standardInput && !standardInputAllowed)
            usage(tr("this command reads its scenario from a file, not from standard input"));
        const auto read = standardInput ? scenario::readScenarioFrom(STDIN_FILENO) : scenario::readScenarioFile(m_file);
        if (const QString *reason = std::get_if<QString>(&read)) {
            //: %1 is why, such as "it is empty".
            if (standardInput)
                usage(tr("the scenario on standard input could not be opened: %1").arg(*reason));
            //: %1 is the file's name, %2 why, such as "no such file or directory".
            usage(tr("the scenario \u201C%1\u201D could not be opened: %2").arg(shown(m_file), *reason));
        }
        return std::get<scenario::Scenario>(read);
    }

    // An output that is the scenario read would be replaced by the very thing made from it.
    void refuseWritingOverTheScenario(const QString &output) const
    {
        if (m_file.isEmpty() || m_file == QLatin1String("-"))
            return;
        struct stat read { };
        struct stat written { };
        if (::stat(QFile::encodeName(m_file).constData(), &read) == 0
            && ::stat(QFile::encodeName(output).constData(), &written) == 0 && read.st_dev == written.st_dev
            && read.st_ino == written.st_ino)
            //: %1 is the file named by -o, which is also the scenario read.
            usage(tr("\u201C%1\u201D is the scenario read: the output would replace it").arg(shown(output)));
    }

    // The starting inputs, then the file's, then the options': what the window would hold.
    commands::TextForm inputs(const std::optional<scenario::Scenario> &file)
    {
        commands::TextForm form{m_marks};
        if (file) {
            const scenario::WindowTexts texts = scenario::textsOf(*file, m_marks);
            for (std::size_t i = 0; i < texts.inputs.size(); ++i)
                form.setText(scenario::scenarioInputFields[i], texts.inputs[i]);
        }
        for (const InputOption &option : inputOptions)
            if (m_parser.isSet(QString::fromLatin1(option.name)))
                form.setText(option.field, m_parser.value(QString::fromLatin1(option.name)).toStdString());
        return form;
    }

    // Calculate as the window runs it: loan 1's checks first, then every figure.
    commands::CalculationOutcome calculateChecked(commands::TextForm &form)
    {
        for (const auto check : {commands::Text1_LostFocus, commands::Text2_LostFocus, commands::Text3_LostFocus})
            if (!check(form, m_marks))
                usage(localtext::toQString(form.messages().back()));
        commands::CalculationOutcome outcome = commands::Command1_Click(form, m_marks);
        if (outcome.unreadable)
            usage(localtext::toQString(form.messages().back()));
        return outcome;
    }

    // Read whether the command uses it or not, so that a bad month is refused alike in every format.
    std::optional<schedule::Month> firstMonthOption() const
    {
        if (!m_parser.isSet(QStringLiteral("first-month")))
            return std::nullopt;
        const std::optional<schedule::Month> month
            = schedule::readMonth(m_parser.value(QStringLiteral("first-month")).toStdString());
        if (!month)
            //: Keep "--first-month". YYYY-MM as translated for the option's value.
            usage(tr("--first-month is a month from 1900-01 to 2999-12 written as YYYY-MM"));
        return *month;
    }

    schedule::Month firstMonth(const std::optional<scenario::Scenario> &file) const
    {
        if (m_firstMonth)
            return *m_firstMonth;
        return file ? file->firstMonth : localtext::defaultFirstPayment();
    }

    // Where a figure could not be calculated, the window's message; the figures before it are out already.
    int finish(const commands::CalculationOutcome &outcome) const
    {
        if (!outcome.stop)
            return int(Exit::Success);
        printError(localtext::toQString(commands::calculationFailureMessage(*outcome.stop)));
        return int(Exit::NotCalculated);
    }

    int calculate()
    {
        const std::optional<scenario::Scenario> file = scenarioFile(true);
        commands::TextForm form = inputs(file);
        const commands::CalculationOutcome outcome = calculateChecked(form);
        if (m_json) {
            const auto plans = schedule::buildSchedules(commands::plansReached(outcome), firstMonth(file));
            std::optional<QJsonObject> comparison;
            if (file && file->comparison)
                comparison = comparisonJson(*file);
            print(QJsonDocument(calculationJson(outcome, {plans.begin(), plans.end()}, comparison, m_marks))
                      .toJson(QJsonDocument::Indented));
        } else {
            for (const commands::ReportGroup &group : commands::reportGroups(outcome, m_marks))
                for (const commands::CaptionedText &row : group.rows)
                    if (commands::form::textBox(row.field).role == commands::form::Role::Result && !row.text.empty())
                        print(QByteArray::fromStdString(row.caption + '\t' + row.text + '\n'));
        }
        return finish(outcome);
    }

    int schedules()
    {
        const std::optional<scenario::Scenario> file = scenarioFile(true);
        const QString output = m_parser.value(QStringLiteral("output"));
        if (output.isEmpty())
            //: Keep "schedules", "-o" and "-"; OUT as translated for the option's value.
            usage(tr("schedules needs -o OUT.csv, or -o - for standard output"));
        commands::TextForm form = inputs(file);
        const commands::CalculationOutcome outcome = calculateChecked(form);
        const auto schedules = schedule::buildSchedules(commands::plansReached(outcome), firstMonth(file));
        const std::string csv = schedule::schedulesCsv(schedules, m_marks.decimal);
        QString error;
        if (output != QLatin1String("-"))
            refuseWritingOverTheScenario(output);
        if (output == QLatin1String("-"))
            print(QByteArray::fromStdString(csv));
        else if (!saving::saveBytesAtomically(output, csv, error))
            usage(error);
        return finish(outcome);
    }

    // The file's comparison, compared once from its numbers by the window's reading and limits, so its figures
    // are the same in every locale and none is made from what the window refuses.
    commands::ComparisonOutcome comparisonOutcome(const scenario::Scenario &file) const
    {
        return commands::compareValues(scenario::comparisonValues(*file.comparison), firstMonth(file),
                                       scenario::offerNames(*file.comparison));
    }

    // What the window would mark beside the first input it refuses, or nothing.
    static QString firstProblem(const commands::ComparisonOutcome &outcome)
    {
        if (outcome.reading.problems.empty())
            return {};
        const commands::FieldProblem &first = outcome.reading.problems.front();
        //: %1 is an input's name, %2 what is wrong with it.
        return tr("%1: %2").arg(localtext::toQString(commands::comparisonFieldName(first.field)),
                                localtext::toQString(first.message));
    }

    QJsonObject comparisonJson(const scenario::Scenario &file) const
    {
        const commands::ComparisonOutcome outcome = comparisonOutcome(file);
        if (const QString problem = firstProblem(outcome); !problem.isEmpty())
            return {{"refused", problem}};
        return comparisonFigures(outcome.result);
    }

    int compare()
    {
        const std::optional<scenario::Scenario> file = scenarioFile(false);
        if (!file)
            usage(tr("compare needs a scenario FILE"));
        if (!file->comparison)
            usage(tr("the scenario \u201C%1\u201D has no comparison with an offer").arg(shown(m_file)));
        // An input the window marks is refused here as it is there, in every format: no figure is made from it.
        const commands::ComparisonOutcome outcome = comparisonOutcome(*file);
        if (const QString problem = firstProblem(outcome); !problem.isEmpty())
            //: %1 is the scenario file, %2 the input and what is wrong with it.
            usage(
                tr("the comparison in \u201C%1\u201D has an input the window refuses: %2").arg(shown(m_file), problem));
        const compare::Comparison &comparison = outcome.result;
        if (m_json) {
            print(QJsonDocument(comparisonFigures(comparison)).toJson(QJsonDocument::Indented));
            return int(Exit::Success);
        }
        const QLocale locale;
        const commands::MonthNamer monthName
            = [&locale](schedule::Month month) { return localtext::monthText(month, locale).toStdString(); };
        std::string lines;
        const commands::ComparisonTable table = commands::comparisonTable(comparison, m_marks, monthName);
        for (const std::string &heading : table.headings)
            lines += '\t' + heading;
        lines += '\n';
        for (const std::vector<std::string> &row : table.rows) {
            for (std::size_t cell = 0; cell < row.size(); ++cell)
                lines += (cell > 0 ? "\t" : "") + row[cell];
            lines += '\n';
        }
        lines += commands::comparisonSentence(comparison, outcome.reading.inputs.savingsRatePercent, m_marks, monthName)
            + '\n';
        print(QByteArray::fromStdString(lines));
        return int(Exit::Success);
    }

    int report()
    {
        const std::optional<scenario::Scenario> file = scenarioFile(false);
        if (!file)
            usage(tr("report needs a scenario FILE"));
        const QString output = m_parser.value(QStringLiteral("output"));
        if (output.isEmpty())
            usage(tr("report needs -o OUT.pdf"));
        if (output == QLatin1String("-"))
            usage(tr("report writes a PDF file, not standard output: give -o OUT.pdf"));
        refuseWritingOverTheScenario(output);
        commands::TextForm form = inputs(file);
        const commands::CalculationOutcome outcome = calculateChecked(form);
        QString error;
        report::ReportModule *module = report::loadReportModule(error);
        if (!module)
            usage(error);
        const schedule::Month month = firstMonth(file);
        const auto schedules = schedule::buildSchedules(commands::plansReached(outcome), month);
        std::optional<commands::ComparisonOutcome> comparison;
        if (file->comparison) {
            comparison = comparisonOutcome(*file);
            // Listed as the window would show them, in the user's notation.
            comparison->texts = *scenario::textsOf(*file, m_marks).comparison;
        }
        const report::ReportContent content = report::reportContentOf(
            outcome, {schedules.begin(), schedules.end()}, std::move(comparison), month, m_marks, QDate::currentDate());
        if (!module->saveReportPdf(content, output, error))
            usage(error);
        return finish(outcome);
    }

    numtext::LocaleMarks m_marks;
    QCommandLineParser m_parser;
    bool m_parsed = false;
    QString m_file;
    bool m_json = false;
    std::optional<schedule::Month> m_firstMonth;
};

} // namespace

bool needsWidgets(int argc, char *argv[])
{
    return argc > 1 && std::string_view(argv[1]) == "report";
}

// Qt's widgets draw the report's chart, so `report` needs a GUI, but never a screen: the offscreen one, so that a
// display that cannot be reached (a stale DISPLAY over ssh or in cron) cannot end it, unless a platform is named.
void chooseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool wantsCommandLine(int argc, char *argv[])
{
    // Without a display the window would end in Qt's abort: say what can be done instead.
    if (!hasDisplay())
        return true;
    if (argc < 2)
        return false;
    const std::string_view first = argv[1];
    if (commandNamed(first) || first == "--help" || first == "-h" || first == "-?" || first == "--help-all"
        || first == "--version" || first == "-v")
        return true;
    // A word that is neither a command nor a file is a command mistyped; Qt's own options (-style) go to the window.
    return !first.empty() && first.front() != '-' && !QFileInfo::exists(QFile::decodeName(argv[1]));
}

int run(int argc, char *argv[])
{
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance())
        core.emplace(argc, argv);
    // Decided before any catalog is installed, and the command line then made again in the user's words. The
    // plain libraries' catalog is installed with the command line's, for the words they give it: the CSV's words
    // are never translated, as the window's export has them English too.
    if (CommandLine{QCoreApplication::arguments()}.writesForPeople()) {
        localtext::installQtCatalog();
        localtext::installCatalog(QStringLiteral("loanblend"));
        localtext::installCatalog(QStringLiteral("loanblend-cli"));
    } else {
        // The C library's words too, such as why a file could not be opened, which QCoreApplication took from
        // the user's locale.
        std::setlocale(LC_MESSAGES, "C");
    }
    if (needsWidgets(argc, argv) && !QCoreApplication::instance()->inherits("QApplication")) {
        printError(
            CommandLine::tr("report draws with Qt's widgets, which only the window's part of the program starts"));
        return int(Exit::Usage);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("loanblend"));
    QCoreApplication::setApplicationName(QStringLiteral("loanblend"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(loanblendVersion));
    try {
        const int status = CommandLine{QCoreApplication::arguments()}.run();
        flushOutput();
        return status;
    } catch (const Stop &stop) {
        printError(stop.message);
        return int(stop.status);
    } catch (const std::exception &error) {
        //: %1 is why, in English as the system gave it.
        printError(CommandLine::tr("the command could not be completed: %1").arg(QString::fromUtf8(error.what())));
        return int(Exit::Usage);
    }
}

} // namespace cli
