// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program's window exactly as the program does and reports when it is first painted.
#include "first_paint.h"
#include "localtext/system_marks.h"
#include "window/calculator_form.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    window::CalculatorForm form{localtext::marksOf(QLocale::system()), window::DesktopServices::system()};
    FirstPaint firstPaint;
    form.installEventFilter(&firstPaint);
    form.show();
    return app.exec();
}
