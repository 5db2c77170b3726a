// SPDX-License-Identifier: GPL-3.0-or-later
#include "loanblend_version.h"
#include "window/calculator_form.h"
#include "window/system_marks.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(loanblendVersion);
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName("org.loanblend.LoanBlend");
    window::CalculatorForm form{window::marksOf(QLocale::system()), window::DesktopServices::system()};
    form.show();
    return app.exec();
}
