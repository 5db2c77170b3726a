// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for bench/cli.sh: a Qt Core program that only parses its arguments and prints a line. What a command
// costs above it is the command's own work.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("Ignored."));
    parser.addOption({QStringLiteral("format"), QStringLiteral("Ignored."), QStringLiteral("format")});
    parser.addOption({QStringLiteral("rate2"), QStringLiteral("Ignored."), QStringLiteral("X")});
    parser.process(app);
    const QByteArray line = parser.positionalArguments().join(' ').toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    return 0;
}
