// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// The program's settings and recovery file in a folder of this test run's own, so that no run sees another's (the
// tests run side by side), nor the user's. Made before the application, and kept while it runs.
class PrivateSettings {
public:
    PrivateSettings()
    {
        qputenv("XDG_CONFIG_HOME", m_folder.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_folder.filePath("data").toLocal8Bit());
    }

private:
    QTemporaryDir m_folder;
};
