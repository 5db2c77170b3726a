// The yardstick for start-up: a plain Qt window holding the same widgets at the same places with the same texts,
// and nothing of ours (no fonts, colours, focus checks, accessible names or caption fitting).
#include "first_paint.h"
#include "window/form_table.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QRect pixels(const window::form::Twips &t)
{
    return {t.left / 15, t.top / 15, t.width / 15, t.height / 15};
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget bare;
    bare.setFixedSize(window::form::clientWidth / 15, window::form::clientHeight / 15);
    for (const auto &spec : window::form::textBoxes())
        (new QLineEdit(text(spec.initialText), &bare))->setGeometry(pixels(spec.geometry));
    for (const auto &spec : window::form::labels())
        (new QLabel(text(spec.caption), &bare))->setGeometry(pixels(spec.geometry));
    for (const auto &spec : window::form::buttons())
        (new QPushButton(text(spec.caption), &bare))->setGeometry(pixels(spec.geometry));
    FirstPaint firstPaint;
    bare.installEventFilter(&firstPaint);
    bare.show();
    return app.exec();
}
