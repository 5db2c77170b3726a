// SPDX-License-Identifier: GPL-3.0-or-later
#include "saving/atomic_save.h"

#include <QFile>
#include <QTemporaryDir>
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

} // namespace
