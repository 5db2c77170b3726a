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
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

// The options a command takes, as bits: any other is a usage error, whatever the format.
enum Takes { Inputs = 1, Format = 2, FirstMonth = 4, Output = 8 };

struct Command {
    std::string_view name;
    int takes;
    const char *synopsis;
};

constexpr Command commandTable[] = {
    {"calculate", Inputs | Format | FirstMonth,
     "calculate [FILE | -]  the window's 26 results (--format text or json)"},
    {"schedules", Inputs | FirstMonth | Output,
     "schedules [FILE | -] -o OUT.csv  every payment of the five plans, as File > Export does"},
    {"compare", Format | FirstMonth,
     "compare FILE          the scenario's comparison with an offer (--format text or json)"},
    {"report", Inputs | FirstMonth | Output, "report FILE -o OUT.pdf  the report, as File > Save report as PDF does"},
};

const Command *commandNamed(std::string_view name)
{
    for (const Command &command : commandTable)
        if (command.name == name)
            return &command;
    return nullptr;
}

QString commandList()
{
    QString list = QStringLiteral("Commands:");
    for (const Command &command : commandTable)
        list += QStringLiteral("\n  ") + QString::fromLatin1(command.synopsis);
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
               QStringLiteral("the output could not be written: %1").arg(QString::fromLocal8Bit(std::strerror(error)))};
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
    {"principal1", commands::Field::Text1, "Loan 1's principal"},
    {"rate1", commands::Field::Text2, "Loan 1's annual interest rate in percent"},
    {"years", commands::Field::Text3, "The amortization period of both loans, in years"},
    {"principal2", commands::Field::Text6, "Loan 2's principal; empty for no loan 2"},
    {"rate2", commands::Field::Text7, "Loan 2's annual interest rate in percent"},
};

class CommandLine {
public:
    explicit CommandLine(const QStringList &arguments)
        : m_marks(localtext::marksOf(QLocale::system()))
    {
        m_parser.setApplicationDescription(
            QStringLiteral("Blends two loans into one and compares the ways to repay them.\n\n") + commandList()
            + QStringLiteral(
                "\nInputs start as the window's, then the scenario FILE's (- reads it from standard input), then the\n"
                "options'. Without a command, the window opens, with the scenario FILE where one is given.\n"
                "calculate takes the inputs, --format and --first-month; schedules and report the inputs,\n"
                "--first-month and -o; compare --format and --first-month.\n"
                "Exit status: 0 done (a comparison that cannot be made is an answer too); 1 a figure could not be\n"
                "calculated; 2 a usage error, a file that cannot be read or written, or an input that is not a\n"
                "number or out of its range."));
        m_parser.addHelpOption();
        m_parser.addVersionOption();
        m_parser.addPositionalArgument(
            QStringLiteral("command"),
            QStringLiteral("calculate, schedules, compare or report; then a scenario FILE, or - for one on standard "
                           "input (calculate and schedules only)."),
            QStringLiteral("[command] [FILE]"));
        for (const InputOption &option : inputOptions)
            m_parser.addOption({QString::fromLatin1(option.name),
                                QString::fromLatin1(option.description) + QStringLiteral(", in your notation."),
                                QStringLiteral("X")});
        m_parser.addOption({QStringLiteral("format"), QStringLiteral("text (the default) or json."),
                            QStringLiteral("format"), QStringLiteral("text")});
        m_parser.addOption({QStringLiteral("first-month"),
                            QStringLiteral("The month of the schedules' first payments; by default the scenario's, "
                                           "or the month after this one."),
                            QStringLiteral("YYYY-MM")});
        m_parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("The file to write (schedules, report); - for standard output (schedules)."),
                            QStringLiteral("OUT")});
        if (!m_parser.parse(arguments))
            usage(m_parser.errorText());
    }

    int run()
    {
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
            usage(QStringLiteral("too many arguments: %1").arg(shown(positional.mid(2).join(' '))));
        m_file = positional.value(1);
        checkOptions(*command);
        const QString format = m_parser.value(QStringLiteral("format"));
        if (format != QLatin1String("text") && format != QLatin1String("json"))
            usage(QStringLiteral("--format is text or json, not \u201C%1\u201D").arg(shown(format)));
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
            usage(QStringLiteral("there is no display to open the window on; give a command.\n") + commandList());
        if (!hasDisplay() && QFileInfo::exists(word))
            usage(QStringLiteral("there is no display to open \u201C%1\u201D on; give a command.\n").arg(shown(word))
                  + commandList());
        if (!hasDisplay())
            usage(QStringLiteral("no such command: \u201C%1\u201D.\n").arg(shown(word)) + commandList());
        usage(QStringLiteral("no such command or file: \u201C%1\u201D.\n").arg(shown(word)) + commandList());
    }

    void checkOptions(const Command &command) const
    {
        for (const QString &name : m_parser.optionNames()) {
            if (command.takes & takesOf(name))
                continue;
            QStringList taken;
            if (command.takes & Inputs)
                taken << QStringLiteral("the inputs");
            if (command.takes & Format)
                taken << QStringLiteral("--format");
            if (command.takes & FirstMonth)
                taken << QStringLiteral("--first-month");
            if (command.takes & Output)
                taken << QStringLiteral("-o");
            usage(QStringLiteral("%1 takes no %2%3; it takes %4")
                      .arg(QLatin1String(command.name.data(), qsizetype(command.name.size())),
                           name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name,
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
            usage(QStringLiteral("this command reads its scenario from a file, not from standard input"));
        const QString name
            = standardInput ? QStringLiteral("on standard input") : QStringLiteral("\u201C%1\u201D").arg(shown(m_file));
        const auto read = standardInput ? scenario::readScenarioFrom(STDIN_FILENO) : scenario::readScenarioFile(m_file);
        if (const QString *reason = std::get_if<QString>(&read))
            usage(QStringLiteral("the scenario %1 could not be opened: %2").arg(name, *reason));
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
            usage(
                QStringLiteral("\u201C%1\u201D is the scenario read: the output would replace it").arg(shown(output)));
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
            usage(QStringLiteral("--first-month is a month from 1900-01 to 2999-12 written as YYYY-MM"));
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
            usage(QStringLiteral("schedules needs -o OUT.csv, or -o - for standard output"));
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
        return commands::compareValues(scenario::comparisonValues(*file.comparison), firstMonth(file));
    }

    // What the window would mark beside the first input it refuses, or nothing.
    static QString firstProblem(const commands::ComparisonOutcome &outcome)
    {
        if (outcome.reading.problems.empty())
            return {};
        const commands::FieldProblem &first = outcome.reading.problems.front();
        return QStringLiteral("%1: %2").arg(localtext::toQString(commands::comparisonFieldName(first.field)),
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
            usage(QStringLiteral("compare needs a scenario FILE"));
        if (!file->comparison)
            usage(QStringLiteral("the scenario \u201C%1\u201D has no comparison with an offer").arg(shown(m_file)));
        // An input the window marks is refused here as it is there, in every format: no figure is made from it.
        const commands::ComparisonOutcome outcome = comparisonOutcome(*file);
        if (const QString problem = firstProblem(outcome); !problem.isEmpty())
            usage(QStringLiteral("the comparison in \u201C%1\u201D has an input the window refuses: %2")
                      .arg(shown(m_file), problem));
        const compare::Comparison &comparison = outcome.result;
        if (m_json) {
            print(QJsonDocument(comparisonFigures(comparison)).toJson(QJsonDocument::Indented));
            return int(Exit::Success);
        }
        const QLocale locale;
        const commands::MonthNamer monthName
            = [&locale](schedule::Month month) { return localtext::monthText(month, locale).toStdString(); };
        std::string lines;
        for (const commands::ComparisonColumn column :
             {commands::ComparisonColumn::Keep, commands::ComparisonColumn::Offer,
              commands::ComparisonColumn::Difference})
            lines += '\t' + std::string(commands::comparisonColumnTitle(column, comparison.keep.schedules.size()));
        lines += '\n';
        for (const commands::ComparisonRow &row : commands::comparisonRows(comparison, m_marks, monthName))
            lines += std::string(row.caption) + '\t' + row.texts[0] + '\t' + row.texts[1] + '\t' + row.texts[2] + '\n';
        lines += commands::comparisonSentence(comparison, outcome.reading.inputs.savingsRatePercent, m_marks, monthName)
            + '\n';
        print(QByteArray::fromStdString(lines));
        return int(Exit::Success);
    }

    int report()
    {
        const std::optional<scenario::Scenario> file = scenarioFile(false);
        if (!file)
            usage(QStringLiteral("report needs a scenario FILE"));
        const QString output = m_parser.value(QStringLiteral("output"));
        if (output.isEmpty())
            usage(QStringLiteral("report needs -o OUT.pdf"));
        if (output == QLatin1String("-"))
            usage(QStringLiteral("report writes a PDF file, not standard output: give -o OUT.pdf"));
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
    if (needsWidgets(argc, argv) && !QCoreApplication::instance()->inherits("QApplication")) {
        printError(
            QStringLiteral("report draws with Qt's widgets, which only the window's part of the program starts"));
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
        printError(QStringLiteral("the command could not be completed: %1").arg(QString::fromUtf8(error.what())));
        return int(Exit::Usage);
    }
}

} // namespace cli
