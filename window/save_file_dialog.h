// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QString>

namespace window {

// Where a name typed into a save dialog goes: into the folder shown, as typed, with ".extension" added where the
// name has no extension of its own. A name that cannot be a file's comes back with the reason instead.
struct SaveTarget {
    QString path; // empty when refused
    QString refusal; // plain words; empty when the name can be used
};

SaveTarget saveTargetFor(const QString &folder, const QString &typed, const QString &extension);

// The save dialog. Qt's own dialog reads quotes in a typed name as a list of names and wildcards as a filter, so
// `say "hi" now.csv` would be saved as "hi"; this one takes the name exactly as typed, in the folder shown, and
// refuses one that cannot be used with a message rather than saving it elsewhere. A desktop's native dialog,
// where there is one, is used as it is.
class SaveFileDialog : public QFileDialog {
    Q_OBJECT

public:
    SaveFileDialog(QWidget *parent, const QString &title, const QString &folder, const QString &baseName,
                   const QString &extension, const QString &description);

    // The file to save to, once the dialog was accepted.
    QString chosenPath() const { return m_chosen; }

public slots:
    void accept() override;

private:
    bool confirmReplacing(const QString &path);

    QString m_extension;
    QString m_chosen;
};

} // namespace window
