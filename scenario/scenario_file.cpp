// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_file.h"

#include "commands/failure_messages.h"
#include "commands/form_table.h"
#include "saving/system_reason.h"
#include "scenario_texts.h"
#include "schedule/month_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scenario {

namespace {

// An input's key is its field's name.
const char *inputKey(std::size_t input)
{
    return commands::form::textBox(scenarioInputFields[input]).name.data();
}

QJsonValue numberValue(const Number &number)
{
    return number ? QJsonValue(cNumber(*number)) : QJsonValue(QJsonValue::Null);
}

// Why a file is refused: thrown by the reading below, caught once.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString &reason)
{
    throw Refusal{reason};
}

QJsonValue member(const QJsonObject &object, const char *key, const QString &where)
{
    const auto found = object.constFind(QLatin1String(key));
    if (found == object.constEnd())
        //: %1 is a part of the file, such as "the comparison"; %2 is the name of an entry in the file.
        refuse(QCoreApplication::translate("ScenarioFile", "%1 has no \u201C%2\u201D").arg(where, QLatin1String(key)));
    return *found;
}

QJsonObject objectMember(const QJsonObject &object, const char *key, const QString &where)
{
    const QJsonValue value = member(object, key, where);
    if (!value.isObject())
        //: %1 is the name of an entry in the file; %2 is a part of the file, such as "the comparison".
        refuse(QCoreApplication::translate("ScenarioFile", "\u201C%1\u201D in %2 is not an object")
                   .arg(QLatin1String(key), where));
    return value.toObject();
}

Number numberMember(const QJsonObject &object, const char *key, const QString &where)
{
    const QJsonValue value = member(object, key, where);
    if (value.isNull() || (value.isString() && value.toString().isEmpty()))
        return std::nullopt;
    if (!value.isString())
        //: %1 is the name of an entry in the file; %2 is a part of the file, such as "the comparison".
        refuse(QCoreApplication::translate("ScenarioFile", "\u201C%1\u201D in %2 is not a number written as text")
                   .arg(QLatin1String(key), where));
    const std::optional<double> number = readCNumber(value.toString());
    if (!number)
        //: %1 is the name of an entry in the file; %2 is a part of the file; %3 is the entry's text.
        refuse(QCoreApplication::translate("ScenarioFile", "\u201C%1\u201D in %2 is not a number: \u201C%3\u201D")
                   .arg(QLatin1String(key), where,
                        QString::fromStdString(commands::visibleText(value.toString().left(40).toStdString()))));
    return number;
}

schedule::Month monthMember(const QJsonObject &object)
{
    const QJsonValue value = member(object, "firstMonth", QCoreApplication::translate("ScenarioFile", "the scenario"));
    const std::optional<schedule::Month> month = schedule::readMonth(value.toString().toStdString());
    if (!value.isString() || !month)
        refuse(QCoreApplication::translate(
            "ScenarioFile", "its first month is not a month from 1900-01 to 2999-12 written as YYYY-MM"));
    return *month;
}

QJsonArray listMember(const QJsonObject &object, const char *key, qsizetype most, const QString &refusal)
{
    const QJsonValue value = member(object, key, QCoreApplication::translate("ScenarioFile", "the comparison"));
    if (!value.isArray() || value.toArray().isEmpty() || value.toArray().size() > most)
        refuse(refusal);
    return value.toArray();
}

QJsonObject entryObject(const QJsonValue &entry, const QString &where)
{
    if (!entry.isObject())
        //: %1 is a part of the file, such as "loan 1 of the comparison".
        refuse(QCoreApplication::translate("ScenarioFile", "%1 is not an object").arg(where));
    return entry.toObject();
}

ScenarioOffer readOffer(const QJsonObject &offer, const QString &where, int version)
{
    ScenarioOffer read{numberMember(offer, "rate", where),
                       numberMember(offer, "termMonths", where),
                       numberMember(offer, "feesAtSigning", where),
                       numberMember(offer, "feesAdded", where),
                       {},
                       {}};
    if (version >= 2) {
        read.points = numberMember(offer, "points", where);
        const QJsonValue name = member(offer, "name", where);
        if (!name.isString())
            //: %1 is a part of the file, such as "offer 2 of the comparison".
            refuse(QCoreApplication::translate("ScenarioFile", "the name of %1 is not text").arg(where));
        read.name = name.toString().toStdString();
    }
    return read;
}

ScenarioComparison readComparison(const QJsonObject &object, int version)
{
    const QString where = QCoreApplication::translate("ScenarioFile", "the comparison");
    ScenarioComparison comparison;
    const QJsonArray loans
        = listMember(object, "loans", 2,
                     QCoreApplication::translate(
                         "ScenarioFile", "the comparison's \u201Cloans\u201D is not a list of one or two loans"));
    for (const QJsonValue &entry : loans) {
        const QString loanWhere
            = QCoreApplication::translate("ScenarioFile", "loan %1 of the comparison").arg(comparison.loans.size() + 1);
        const QJsonObject loan = entryObject(entry, loanWhere);
        comparison.loans.push_back({numberMember(loan, "balance", loanWhere), numberMember(loan, "rate", loanWhere),
                                    numberMember(loan, "termMonths", loanWhere),
                                    numberMember(loan, "payment", loanWhere),
                                    version >= 2 ? numberMember(loan, "earlyRepaymentCharge", loanWhere) : Number{}});
    }
    if (version >= 2) {
        const QJsonArray offers = listMember(
            object, "offers", 3,
            QCoreApplication::translate("ScenarioFile",
                                        "the comparison's \u201Coffers\u201D is not a list of one to three offers"));
        for (const QJsonValue &entry : offers) {
            const QString offerWhere = QCoreApplication::translate("ScenarioFile", "offer %1 of the comparison")
                                           .arg(comparison.offers.size() + 1);
            comparison.offers.push_back(readOffer(entryObject(entry, offerWhere), offerWhere, version));
        }
        comparison.horizonMonths = numberMember(object, "horizonMonths", where);
    } else {
        comparison.offers.push_back(readOffer(objectMember(object, "offer", where),
                                              QCoreApplication::translate("ScenarioFile", "the offer"), version));
    }
    comparison.extra = numberMember(object, "extra", where);
    comparison.savingsRate = numberMember(object, "savingsRate", where);
    return comparison;
}

// Whether the comparison holds anything version 1 has no place for.
bool needsVersion2(const ScenarioComparison &comparison)
{
    return comparison.offers.size() != 1 || comparison.horizonMonths
        || std::any_of(comparison.offers.begin(), comparison.offers.end(),
                       [](const ScenarioOffer &offer) { return offer.points || !offer.name.empty(); })
        || std::any_of(comparison.loans.begin(), comparison.loans.end(),
                       [](const ScenarioLoan &loan) { return loan.earlyRepaymentCharge.has_value(); });
}

Scenario readDocument(const QByteArray &bytes)
{
    if (bytes.size() > largestFile)
        refuse(QCoreApplication::translate("ScenarioFile", "it is larger than 1 MiB, far larger than any scenario"));
    if (bytes.trimmed().isEmpty())
        refuse(QCoreApplication::translate("ScenarioFile", "it is empty"));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        //: %1 is the JSON reader's own account of the fault; %2 counts bytes from the start.
        refuse(QCoreApplication::translate("ScenarioFile", "it is not a scenario: %1 at byte %2")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!document.isObject())
        refuse(QCoreApplication::translate("ScenarioFile", "it is not a scenario"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(fileFormat))
        refuse(QCoreApplication::translate("ScenarioFile", "it is not a scenario of this program"));
    const QJsonValue version = member(root, "version", QCoreApplication::translate("ScenarioFile", "the scenario"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()))
        refuse(QCoreApplication::translate("ScenarioFile", "its version is not a whole number"));
    if (version.toDouble() < 1)
        refuse(QCoreApplication::translate("ScenarioFile",
                                           "its version, %1, is no scenario version (this one reads version %2)")
                   .arg(version.toDouble())
                   .arg(fileVersion));
    if (version.toDouble() > fileVersion)
        refuse(QCoreApplication::translate("ScenarioFile",
                                           "it was written by a newer version of the program (scenario version %1; "
                                           "this one reads version %2)")
                   .arg(version.toDouble())
                   .arg(fileVersion));

    Scenario scenario;
    const QJsonObject inputs
        = objectMember(root, "inputs", QCoreApplication::translate("ScenarioFile", "the scenario"));
    for (std::size_t i = 0; i < scenario.inputs.size(); ++i)
        scenario.inputs[i]
            = numberMember(inputs, inputKey(i), QCoreApplication::translate("ScenarioFile", "the inputs"));
    scenario.firstMonth = monthMember(root);
    if (root.contains(QStringLiteral("comparison")))
        scenario.comparison = readComparison(
            objectMember(root, "comparison", QCoreApplication::translate("ScenarioFile", "the scenario")),
            int(version.toDouble()));
    return scenario;
}

// Why something that is not a regular file is no scenario, by its kind.
QString kindRefusal(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("ScenarioFile", "it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("ScenarioFile", "it is a FIFO, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("ScenarioFile", "it is a device, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("ScenarioFile", "it is a socket, not a file");
    return QCoreApplication::translate("ScenarioFile", "it is not a regular file");
}

// Everything up to the end, or one byte past the largest file, so that readScenario can say it is too large.
std::variant<QByteArray, QString> readBytes(int descriptor)
{
    QByteArray bytes;
    char buffer[1 << 16];
    while (bytes.size() <= largestFile) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, count);
        } else if (count == 0) {
            return bytes;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor left non-blocking by whoever opened it: wait for more rather than take a part.
            pollfd ready{descriptor, POLLIN, 0};
            ::poll(&ready, 1, -1);
        } else if (errno != EINTR) {
            return saving::systemReason(errno);
        }
    }
    return bytes;
}

std::variant<Scenario, QString> readScenarioBytes(const std::variant<QByteArray, QString> &read)
{
    if (const QString *reason = std::get_if<QString>(&read))
        return *reason;
    return readScenario(std::get<QByteArray>(read));
}

} // namespace

QByteArray writeScenario(const Scenario &scenario)
{
    QJsonObject inputs;
    for (std::size_t i = 0; i < scenario.inputs.size(); ++i)
        inputs.insert(QLatin1String(inputKey(i)), numberValue(scenario.inputs[i]));
    const bool version2 = scenario.comparison && needsVersion2(*scenario.comparison);
    QJsonObject root{
        {"format", QLatin1String(fileFormat)},
        {"version", version2 ? 2 : 1},
        {"inputs", inputs},
        {"firstMonth", QString::fromStdString(schedule::monthText(scenario.firstMonth))},
    };
    if (const auto &comparison = scenario.comparison) {
        QJsonArray loans;
        for (const ScenarioLoan &loan : comparison->loans) {
            QJsonObject entry{{"balance", numberValue(loan.balance)},
                              {"rate", numberValue(loan.rate)},
                              {"termMonths", numberValue(loan.termMonths)},
                              {"payment", numberValue(loan.payment)}};
            if (version2)
                entry.insert("earlyRepaymentCharge", numberValue(loan.earlyRepaymentCharge));
            loans.append(entry);
        }
        const auto offerObject = [version2](const ScenarioOffer &offer) {
            QJsonObject written{{"rate", numberValue(offer.rate)},
                                {"termMonths", numberValue(offer.termMonths)},
                                {"feesAtSigning", numberValue(offer.feesAtSigning)},
                                {"feesAdded", numberValue(offer.feesAdded)}};
            if (version2) {
                written.insert("name", QString::fromStdString(offer.name));
                written.insert("points", numberValue(offer.points));
            }
            return written;
        };
        QJsonObject object{{"loans", loans},
                           {"extra", numberValue(comparison->extra)},
                           {"savingsRate", numberValue(comparison->savingsRate)}};
        if (version2) {
            QJsonArray offers;
            for (const ScenarioOffer &offer : comparison->offers)
                offers.append(offerObject(offer));
            object.insert("offers", offers);
            object.insert("horizonMonths", numberValue(comparison->horizonMonths));
        } else {
            object.insert("offer", offerObject(comparison->offers.front()));
        }
        root.insert("comparison", object);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Scenario, QString> readScenario(const QByteArray &bytes)
{
    try {
        return readDocument(bytes);
    } catch (const Refusal &refusal) {
        return refusal.reason;
    }
}

std::variant<Scenario, QString> readScenarioFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status { };
    if (::stat(name.constData(), &status) != 0)
        return saving::systemReason(errno);
    if (!S_ISREG(status.st_mode))
        return kindRefusal(status.st_mode);
    // Non-blocking, in case the name was given to a FIFO since the look above; the look after it tells.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return saving::systemReason(errno);
    std::variant<QByteArray, QString> read = kindRefusal(status.st_mode);
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode))
        read = readBytes(descriptor);
    ::close(descriptor);
    return readScenarioBytes(read);
}

std::variant<Scenario, QString> readScenarioFrom(int descriptor)
{
    return readScenarioBytes(readBytes(descriptor));
}

std::optional<double> readCNumber(QStringView text)
{
    const QByteArray ascii = text.toLatin1();
    if (ascii.isEmpty() || text.size() != ascii.size())
        return std::nullopt;
    double value = 0;
    const char *end = ascii.constData() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.constData(), end, value, std::chars_format::general);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString cNumber(double value)
{
    // Plain decimals as people write amounts and rates ("400000", not "4e+05"); an exponent only where those
    // would run to more digits than a double holds.
    char buffer[400]; // the longest fixed form of a double has 309 digits before the point
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    if (end - buffer <= 24)
        return QString::fromLatin1(buffer, end - buffer);
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, shortest - buffer);
}

} // namespace scenario
