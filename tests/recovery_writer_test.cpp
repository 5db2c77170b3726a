// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_name.h"
#include "saving/atomic_save.h"
#include "window/recovery_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace {

// A save that holds the writer's thread until let go, so that what is asked meanwhile meets a save under way.
class HeldSaves {
public:
    window::RecoveryWriter::Save save()
    {
        return [this](const QString &path, const QByteArray &bytes) {
            std::unique_lock lock{m_mutex};
            m_started.push_back(QFileInfo(path).fileName() + '=' + QString::fromUtf8(bytes));
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_open; });
            QFile file{path};
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
    }

    void waitForStart(qsizetype count)
    {
        std::unique_lock lock{m_mutex};
        m_changed.wait(lock, [this, count] { return m_started.size() >= count; });
    }

    void letGo()
    {
        const std::lock_guard lock{m_mutex};
        m_open = true;
        m_changed.notify_all();
    }

    QStringList started()
    {
        const std::lock_guard lock{m_mutex};
        return m_started;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QStringList m_started;
    bool m_open = false;
};

enum class Ask { Save1, Save2, Remove };

// What is asked while a save of another file holds the thread, or (underWay) while the first save asked is itself
// the one under way; then what the file holds once all is done (none: no file), and the saves made.
struct Case {
    const char *name;
    bool underWay;
    std::vector<Ask> asks;
    const char *expected; // nullptr: no file
    QStringList saves;
};

const Case cases[] = {
    {"removal_after_a_save_under_way_leaves_no_file", true, {Ask::Save1, Ask::Remove}, nullptr, {"own.json=1"}},
    {"removal_after_a_waiting_save_leaves_no_file_and_the_save_is_not_made",
     false,
     {Ask::Save1, Ask::Remove},
     nullptr,
     {"other.json=0"}},
    {"waiting_saves_give_way_to_the_newest", false, {Ask::Save1, Ask::Save2}, "2", {"other.json=0", "own.json=2"}},
    {"save_after_a_removal_brings_the_file_back",
     false,
     {Ask::Remove, Ask::Save2},
     "2",
     {"other.json=0", "own.json=2"}},
    {"save_under_way_then_a_newer_one", true, {Ask::Save1, Ask::Save2}, "2", {"own.json=1", "own.json=2"}},
};

class RecoveryWriterTest : public testing::TestWithParam<Case> { };

TEST_P(RecoveryWriterTest, leaves_the_file_as_the_last_thing_asked_makes_it)
{
    const Case &c = GetParam();
    QTemporaryDir folder;
    const QString own = folder.filePath("own.json");
    HeldSaves held;
    {
        window::RecoveryWriter writer{held.save()};
        if (!c.underWay) {
            writer.save(folder.filePath("other.json"), "0");
            held.waitForStart(1);
        }
        for (const Ask ask : c.asks) {
            if (ask == Ask::Remove)
                writer.remove(own);
            else
                writer.save(own, ask == Ask::Save1 ? "1" : "2");
            if (c.underWay && held.started().isEmpty())
                held.waitForStart(1);
        }
        held.letGo();
        writer.finish();
        EXPECT_EQ(held.started(), c.saves);
        if (!c.expected) {
            EXPECT_FALSE(QFile::exists(own));
        } else {
            QFile file{own};
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), QByteArray(c.expected));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RecoveryWriter, RecoveryWriterTest, testing::ValuesIn(cases), RowName{});

// Destroyed with work still asked for, the writer does it all first: what Exit leaves is written.
TEST(RecoveryWriter, finishes_what_was_asked_before_it_goes)
{
    QTemporaryDir folder;
    {
        window::RecoveryWriter writer{[](const QString &path, const QByteArray &bytes) {
            QString error;
            return saving::saveBytesAtomically(path, bytes, error);
        }};
        writer.save(folder.filePath("a.json"), "a");
        writer.save(folder.filePath("b.json"), "b");
        writer.remove(folder.filePath("a.json"));
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("a.json")));
    EXPECT_TRUE(QFile::exists(folder.filePath("b.json")));
}

// An earlier session's recovery goes once this session's is saved, and stays where it could not be.
TEST(RecoveryWriter, removes_the_file_a_save_replaces_only_once_the_save_is_made)
{
    for (const bool saves : {true, false}) {
        QTemporaryDir folder;
        const QString earlier = folder.filePath("earlier.json");
        QFile file{earlier};
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        {
            window::RecoveryWriter writer{[saves](const QString &, const QByteArray &) { return saves; }};
            writer.save(folder.filePath("own.json"), "1", nullptr, {}, earlier);
        }
        EXPECT_EQ(QFile::exists(earlier), !saves) << saves;
    }
}

} // namespace
