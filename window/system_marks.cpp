#include "system_marks.h"

#include <QLocale>

namespace window {

numtext::LocaleMarks marksOf(const QLocale &locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
            locale.currencySymbol(QLocale::CurrencySymbol).toStdString()};
}

} // namespace window
