// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_reason.h"

#include <clocale>
#include <cstring>

namespace saving {

namespace {

bool messagesInGerman()
{
    const QByteArray locale{std::setlocale(LC_MESSAGES, nullptr)};
    if (locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C."))
        return false;
    const QByteArray languages = qgetenv("LANGUAGE");
    return (languages.isEmpty() ? locale : languages).startsWith("de");
}

} // namespace

QString systemReason(int error)
{
    return asClause(QString::fromLocal8Bit(std::strerror(error)));
}

QString asClause(QString systemMessage)
{
    if (!systemMessage.isEmpty() && !messagesInGerman())
        systemMessage[0] = systemMessage[0].toLower();
    return systemMessage;
}

} // namespace saving
