// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_document.h"

#include "commands/form_table.h"
#include "localtext/display_text.h"
#include "saving/atomic_save.h"
#include "scenario/scenario_file.h"
#include "schedule/month_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace window {

namespace {

using localtext::toQString;

const QString recentKey = QStringLiteral("files/recent");
constexpr qsizetype recentCount = 8;

QJsonArray textArray(const auto &texts)
{
    QJsonArray array;
    for (const std::string &text : texts)
        array.append(toQString(text));
    return array;
}

// Fills `texts` from the array when it holds exactly as many strings; false otherwise.
template<class Texts> bool readTexts(const QJsonValue &value, Texts &texts)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || std::size_t(array.size()) != texts.size())
        return false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!array[qsizetype(i)].isString())
            return false;
        texts[i] = array[qsizetype(i)].toString().toStdString();
    }
    return true;
}

// What an earlier session left in its recovery file, if it holds what this one writes.
struct Recovery {
    QString file;
    scenario::WindowTexts texts;
};

QString recoveryFile(const QString &id)
{
    return QDir(ScenarioDocument::recoveryFolder()).filePath(id + QStringLiteral(".json"));
}

std::optional<Recovery> readRecovery(const QString &id)
{
    QFile file{recoveryFile(id)};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(file.read(scenario::largestFile)).object();
    Recovery recovery{root.value("file").toString(), {}};
    const std::optional<schedule::Month> month = schedule::readMonth(root.value("firstMonth").toString().toStdString());
    if (!readTexts(root.value("inputs"), recovery.texts.inputs) || !month)
        return std::nullopt;
    recovery.texts.firstMonth = *month;
    if (root.value("comparison").isArray()) {
        recovery.texts.comparison.emplace();
        if (!readTexts(root.value("comparison"), *recovery.texts.comparison))
            return std::nullopt;
    }
    return recovery;
}

// A copy's lock, taken where that copy is gone: null while it runs. A running copy keeps its lock file locked by
// the system as well (QLockFile does), so its lock is never taken from it however old; a lock the system no
// longer holds is a gone copy's once its process is gone or is not this program, and, where that cannot be told
// (a zombie, another user's process after a restart gave it the PID), once it is older than a second, which no
// starting copy takes to write it.
std::unique_ptr<QLockFile> takeLock(const QString &id)
{
    auto lock = std::make_unique<QLockFile>(QDir(ScenarioDocument::recoveryFolder()).filePath(id + ".lock"));
    lock->setStaleLockTime(1000);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

ScenarioDocument::ScenarioDocument(QWidget &window, numtext::LocaleMarks marks, DesktopServices &services,
                                   Windows windows)
    : QObject(&window)
    , m_window(window)
    , m_marks(std::move(marks))
    , m_services(services)
    , m_windows(std::move(windows))
    , m_starting(m_windows.texts())
    , m_saved(m_starting)
    , m_instance(
          QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()))
    // Without its lock, a copy would write a recovery that any other could take for a gone copy's.
    , m_recoveryWriter([this](const QString &path, const QByteArray &bytes) {
        QString error;
        return holdOwnLock() && saving::saveBytesAtomically(path, bytes, error);
    })
{
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(250);
    connect(&m_recoveryTimer, &QTimer::timeout, this, [this] { m_windows.guard([this] { writeRecovery(); }); });
}

QString ScenarioDocument::recoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}

void ScenarioDocument::open()
{
    const QString path = m_services.chooseOpenFile(m_window, tr("Open a loan scenario"),
                                                   QStringLiteral("%1 (*.loanblend)").arg(tr("Loan scenarios")));
    if (!path.isEmpty())
        open(path);
}

void ScenarioDocument::open(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto read = scenario::readScenarioFile(path);
    if (const QString *reason = std::get_if<QString>(&read)) {
        //: %1 is the file's name, %2 why it could not be read, in lower case.
        say(tr("The scenario \u201C%1\u201D could not be opened: %2.").arg(name, *reason));
        return;
    }
    // Open asks nothing first: the recovery file keeps what the file replaced until the next edit. The file is the
    // whole document: where it holds no comparison, the windows fill the comparison from its inputs, and that is
    // then what the file is.
    if (m_recoveryTimer.isActive()) {
        m_recoveryTimer.stop();
        writeRecovery(); // the last keystrokes too, before the file takes their place
    }
    takeTexts(scenario::textsOf(std::get<scenario::Scenario>(read), m_marks));
    m_saved = m_windows.texts();
    // The title is the file's, unmarked, before Calculate can say anything about its inputs.
    setCurrentFile(path);
    rememberRecent(path);
    m_windows.calculate();
    showTitle();
}

// Sets the windows without counting each field set as an edit of the user's.
void ScenarioDocument::takeTexts(const scenario::WindowTexts &texts)
{
    const QScopedValueRollback taking{m_takingTexts, true};
    m_windows.setTexts(texts);
}

void ScenarioDocument::save()
{
    if (m_file.isEmpty())
        saveAs();
    else
        saveTo(m_file);
}

void ScenarioDocument::saveAs()
{
    //: A file name: no spaces, slashes or accents.
    const QString base = m_file.isEmpty() ? tr("loan-scenario") : QFileInfo(m_file).completeBaseName();
    const QString path = m_services.chooseSaveFile(m_window, tr("Save the loan scenario"), base,
                                                   QStringLiteral("loanblend"), tr("Loan scenarios"));
    if (!path.isEmpty())
        saveTo(path);
}

// Text that is not a number cannot be saved: the user is told which, and the file is left as it was.
bool ScenarioDocument::saveTo(const QString &path)
{
    const scenario::WindowTexts texts = m_windows.texts();
    const auto saved = scenario::scenarioOf(texts, m_marks);
    if (const std::string *unreadable = std::get_if<std::string>(&saved)) {
        //: %1 is a whole sentence saying which input is not a number.
        say(tr("The scenario was not saved. %1").arg(toQString(*unreadable)));
        return false;
    }
    QString error;
    if (!saving::saveBytesAtomically(path, scenario::writeScenario(std::get<scenario::Scenario>(saved)), error)) {
        say(error);
        return false;
    }
    m_saved = texts;
    setCurrentFile(path);
    rememberRecent(path);
    edited();
    return true;
}

void ScenarioDocument::setCurrentFile(const QString &path)
{
    m_file = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    showTitle();
}

// The program's title alone until a file is opened or saved; then the file's name, marked while the inputs differ
// from it.
void ScenarioDocument::showTitle()
{
    const QString program = toQString(commands::form::shown(commands::form::programTitle));
    m_window.setWindowTitle(m_file.isEmpty() ? program
                                             : QStringLiteral("%1[*] - %2").arg(QFileInfo(m_file).fileName(), program));
    m_window.setWindowModified(!m_file.isEmpty() && m_windows.texts() != m_saved);
}

void ScenarioDocument::fillRecentMenu(QMenu &menu)
{
    menu.clear();
    const QStringList recent = QSettings().value(recentKey).toStringList();
    for (const QString &path : recent) {
        QAction *action = menu.addAction(QFileInfo(path).fileName(), this,
                                         [this, path] { m_windows.guard([this, &path] { openRecent(path); }); });
        action->setToolTip(QDir::toNativeSeparators(path));
    }
    if (recent.isEmpty())
        menu.addAction(tr("No scenarios yet"))->setEnabled(false);
}

void ScenarioDocument::openRecent(const QString &path)
{
    if (QFileInfo::exists(path)) {
        open(path);
        return;
    }
    QSettings settings;
    QStringList remaining = settings.value(recentKey).toStringList();
    remaining.removeAll(path);
    settings.setValue(recentKey, remaining);
    say(tr("\u201C%1\u201D is no longer there, so it is taken off the list of recent files.")
            .arg(QDir::toNativeSeparators(path)));
}

void ScenarioDocument::rememberRecent(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(recentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(recentKey, recent.mid(0, recentCount));
}

void ScenarioDocument::edited()
{
    if (m_takingTexts)
        return;
    showTitle();
    if (m_windows.texts() == m_saved) {
        m_recoveryTimer.stop();
        removeRecovery();
    } else if (!m_recoveryTimer.isActive()) {
        m_recoveryTimer.start();
    }
}

void ScenarioDocument::comparisonOpened(const commands::ComparisonTexts &texts)
{
    if (!m_saved.comparison)
        m_saved.comparison = texts;
    if (!m_starting.comparison)
        m_starting.comparison = texts;
    edited();
}

// Taken once, by the recovery writer before its first save, since the lock is written to disk: neither the window's
// start nor a keystroke waits for it.
bool ScenarioDocument::holdOwnLock()
{
    if (!m_lockTried) {
        m_lockTried = true;
        QDir().mkpath(recoveryFolder());
        m_lock = takeLock(m_instance);
    }
    return m_lock != nullptr;
}

bool ScenarioDocument::hasRecovery()
{
    if (m_offered)
        return true;
    const QDir folder{recoveryFolder()};
    // Earlier versions kept one recovery file beside the folder: it is offered as any copy's would be.
    const QString single = QDir(folder.filePath(QStringLiteral(".."))).filePath(QStringLiteral("recovery.json"));
    if (QFileInfo::exists(single) && !QFileInfo::exists(recoveryFile(QStringLiteral("0-earlier-version"))))
        QFile::rename(single, recoveryFile(QStringLiteral("0-earlier-version")));
    // One listing, told apart by suffix: name filters would each compile a pattern, which costs every start more
    // than the listing does.
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Time);
    const auto ofType = [](const QFileInfo &file, QLatin1String suffix) { return file.suffix() == suffix; };
    // The locks of copies gone without a recovery are only in the way.
    for (const QFileInfo &lock : files)
        if (const QString id = lock.completeBaseName();
            ofType(lock, QLatin1String("lock")) && id != m_instance && !QFileInfo::exists(recoveryFile(id)))
            takeLock(id); // and let go of at once, which removes it
    for (const QFileInfo &file : files) {
        const QString id = file.completeBaseName();
        if (!ofType(file, QLatin1String("json")) || id == m_instance || !readRecovery(id))
            continue;
        if ((m_offered = takeLock(id))) {
            m_offeredId = id;
            return true;
        }
    }
    return false;
}

// The earlier session's texts as they were typed, and the file they belonged to, or none; nothing is calculated.
void ScenarioDocument::restore()
{
    const std::optional<Recovery> recovery = m_offered ? readRecovery(m_offeredId) : std::nullopt;
    if (!recovery) {
        dropOffered();
        return;
    }
    m_saved = m_starting;
    setCurrentFile({});
    if (!recovery->file.isEmpty())
        if (const auto read = scenario::readScenarioFile(recovery->file);
            std::holds_alternative<scenario::Scenario>(read)) {
            m_saved = scenario::textsOf(std::get<scenario::Scenario>(read), m_marks);
            // A file without a comparison is what the comparison window filled from its inputs.
            if (!m_saved.comparison && recovery->texts.comparison)
                m_saved.comparison = scenario::comparisonFilledFrom(m_saved.inputs, m_marks);
            setCurrentFile(recovery->file);
        }
    takeTexts(recovery->texts);
    // This copy's now: written as its own before the earlier one goes, or gone with it where it is the file's.
    if (!writeRecovery())
        dropOffered();
    showTitle();
}

void ScenarioDocument::discardRecovery()
{
    dropOffered();
}

// The recovery offered back goes, and the lock of the copy that wrote it with it.
void ScenarioDocument::dropOffered()
{
    if (m_offered)
        QFile::remove(recoveryFile(m_offeredId));
    m_offered.reset();
}

// Asks for the recovery to be written, and says whether it did: the inputs may be those saved, which leaves none.
bool ScenarioDocument::writeRecovery()
{
    const scenario::WindowTexts texts = m_windows.texts();
    if (texts == m_saved) {
        removeRecovery();
        return false;
    }
    QJsonObject root{
        {"file", m_file},
        {"inputs", textArray(texts.inputs)},
        {"firstMonth", QString::fromStdString(schedule::monthText(texts.firstMonth))},
        {"comparison", texts.comparison ? QJsonValue(textArray(*texts.comparison)) : QJsonValue(QJsonValue::Null)}};
    // A recovery that cannot be written is no reason to interrupt the typing: the next edit tries again.
    // Typing on instead of restoring replaces the earlier session's recovery, once this one's is safe: the writer
    // removes it after this save, and its lock, held until then, goes after.
    m_recoveryWriter.save(
        recoveryFile(m_instance), QJsonDocument(root).toJson(QJsonDocument::Compact), this,
        [this](bool saved) {
            if (!saved || !m_offered)
                return;
            m_offered.reset();
            if (recoveryTaken)
                recoveryTaken();
        },
        m_offered ? recoveryFile(m_offeredId) : QString());
    return true;
}

// This copy's own alone: no other copy writes or removes it while this one holds its lock, and this one's writer
// removes it after any write of it under way.
void ScenarioDocument::removeRecovery()
{
    m_recoveryWriter.remove(recoveryFile(m_instance));
}

void ScenarioDocument::say(const QString &text) const
{
    m_services.showMessage(m_window, text);
}

} // namespace window
