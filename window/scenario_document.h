// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop_services.h"
#include "numtext/locale_marks.h"
#include "recovery_writer.h"
#include "scenario/scenario_texts.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace window {

// The windows' inputs as a document: opened from a scenario file and saved to one, the file's name in the title
// with a mark while the inputs differ from it, the files opened last, and a recovery file that holds whatever was
// typed and not saved, for the next start to offer back. Exit stays what it always was: it ends the program at once
// and asks nothing.
class ScenarioDocument : public QObject {
    Q_OBJECT

public:
    // What the document needs of the windows.
    struct Windows {
        std::function<scenario::WindowTexts()> texts;
        std::function<void(const scenario::WindowTexts &texts)> setTexts;
        std::function<void()> calculate; // as the user's click on Calculate runs it, checks first
        std::function<void(const std::function<void()> &work)> guard; // the windows' last resort for failures
    };

    ScenarioDocument(QWidget &window, numtext::LocaleMarks marks, DesktopServices &services, Windows windows);

    void open();
    // Refuses a file that cannot be read, saying why, and changes nothing then.
    void open(const QString &path);
    void save();
    void saveAs();
    // The files opened or saved last, most recent first, into `menu`; one that is gone says so and leaves the
    // list.
    void fillRecentMenu(QMenu &menu);

    // After every change to an input of either window or to the first-payment month.
    void edited();
    // The comparison window filled for the first time: where the scenario holds no comparison, its starting texts
    // are no change to it.
    void comparisonOpened(const commands::ComparisonTexts &texts);

    // Whether an earlier session left inputs it never saved, for the windows to offer back at start: the newest
    // recovery of a copy that is gone, which this copy then holds (by its lock) until it is restored, discarded or
    // replaced by this copy's own typing. A copy still running keeps its own.
    bool hasRecovery();
    void restore();
    void discardRecovery();

    // Where every copy keeps its recovery: ID.json beside the lock file ID.lock it holds while it runs.
    static QString recoveryFolder();

    // Called when this copy's typing takes the place of an earlier session's recovery, which is then gone.
    std::function<void()> recoveryTaken;

    // Returns once every recovery asked to be written or removed so far is.
    void finishRecoveryWriting() { m_recoveryWriter.finish(); }

private:
    bool saveTo(const QString &path);
    void openRecent(const QString &path);
    void takeTexts(const scenario::WindowTexts &texts);
    void setCurrentFile(const QString &path);
    void showTitle();
    void rememberRecent(const QString &path);
    bool holdOwnLock();
    bool writeRecovery();
    void removeRecovery();
    void dropOffered();
    void say(const QString &text) const;

    QWidget &m_window;
    numtext::LocaleMarks m_marks;
    DesktopServices &m_services;
    Windows m_windows;
    QString m_file; // empty: the inputs belong to no file
    scenario::WindowTexts m_starting; // the inputs as the windows start
    scenario::WindowTexts m_saved; // what the inputs were when last opened or saved, or at start
    bool m_takingTexts = false; // the windows are being set from a file or a recovery, not typed into
    QString m_instance; // names this copy's recovery file and lock
    // This copy's, held while it runs from its first recovery on; none where the folder cannot be written. Taken and
    // read on the recovery writer's thread alone.
    std::unique_ptr<QLockFile> m_lock;
    bool m_lockTried = false;
    std::unique_ptr<QLockFile> m_offered; // the lock of the earlier session's recovery offered back, while it is
    QString m_offeredId;
    QTimer m_recoveryTimer; // an edit is written within half a second, however fast the typing goes on
    // Off the window's thread; last, so that it finishes its writing before the lock is let go.
    RecoveryWriter m_recoveryWriter;
};

} // namespace window
