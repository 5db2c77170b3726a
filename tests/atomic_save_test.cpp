// SPDX-License-Identifier: GPL-3.0-or-later
#include "saving/atomic_save.h"
#include "saving/system_reason.h"

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A FIFO named as the file to save takes the bytes in place and stays a FIFO; with no one reading, the save fails
// at once rather than wait. A folder is never saved over.
TEST(AtomicSave, writes_a_fifo_in_place)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath("out.csv");
    const QByteArray name = QFile::encodeName(fifo);
    ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(saving::saveBytesAtomically(fifo, "unread", error));
    EXPECT_EQ(error, "The file could not be saved: nothing is reading from it.");

    const int reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(saving::saveBytesAtomically(fifo, "a,b\n", error)) << error.toStdString();
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 4);
    ::close(reader);
    EXPECT_EQ(std::string(buffer), "a,b\n");
    struct stat status { };
    ASSERT_EQ(::stat(name.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    EXPECT_FALSE(saving::saveBytesAtomically(folder.path(), "x", error));
    EXPECT_EQ(error, "The file could not be saved: a folder of that name is in the way.");
}

// A write the device refuses fails the save, even one small enough to wait in a buffer until it is flushed. The
// device is the test's own where it may make one, so that a fault cannot replace the system's /dev/full.
TEST(AtomicSave, fails_where_the_device_refuses_the_bytes)
{
    QTemporaryDir folder;
    const QString full = folder.filePath("full");
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
        GTEST_SKIP() << "no device of the test's own can be made here";
    QString error;
    EXPECT_FALSE(saving::saveBytesAtomically(full, "x", error));
    EXPECT_EQ(error, "The file could not be saved: no space left on device.");
    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(full).constData(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

struct ClauseCase {
    const char *messagesLocale;
    const char *language; // LANGUAGE, or none
    const char *expected;
};

// The operating system's words follow a colon: lower-cased as English and French write them, kept where the C
// library writes German, whose nouns keep their capital; LANGUAGE counts unless the locale is C, as for the C library.
TEST(SystemReason, takes_a_small_letter_after_a_colon_unless_the_words_are_german)
{
    const ClauseCase cases[] = {
        {"C", nullptr, "datei existiert bereits"},
        {"de_DE.UTF-8", nullptr, "Datei existiert bereits"},
        {"de_DE.UTF-8", "fr", "datei existiert bereits"},
        {"C", "de", "datei existiert bereits"},
        {"de_DE.UTF-8", "de:fr", "Datei existiert bereits"},
    };
    const std::string before = std::setlocale(LC_MESSAGES, nullptr);
    if (!std::setlocale(LC_MESSAGES, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not generated on this machine";
    for (const ClauseCase &clause : cases) {
        ASSERT_NE(std::setlocale(LC_MESSAGES, clause.messagesLocale), nullptr) << clause.messagesLocale;
        if (clause.language)
            qputenv("LANGUAGE", clause.language);
        else
            qunsetenv("LANGUAGE");
        EXPECT_EQ(saving::asClause(QStringLiteral("Datei existiert bereits")).toStdString(), clause.expected)
            << clause.messagesLocale << " " << (clause.language ? clause.language : "");
    }
    qunsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, before.c_str());
}

} // namespace
