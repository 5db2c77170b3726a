// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a plain Qt window holding the same widgets at the same places with the same texts,
// under a menu bar with the same menus and items and inside a scroll area, and nothing of ours (no fonts,
// colours, focus checks, accessible names, shortcuts or caption fitting). bench/startup.sh preloads first_paint into
// it.
#include "commands/form_table.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QRect pixels(const commands::form::Twips &t)
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
    auto *client = new QWidget;
    client->setFixedSize(commands::form::clientWidth / 15, commands::form::clientHeight / 15);
    for (const auto &spec : commands::form::textBoxes())
        (new QLineEdit(text(spec.initialText), client))->setGeometry(pixels(spec.geometry));
    for (const auto &spec : commands::form::labels())
        (new QLabel(text(spec.caption), client))->setGeometry(pixels(spec.geometry));
    for (const auto &spec : commands::form::buttons())
        (new QPushButton(text(spec.caption), client))->setGeometry(pixels(spec.geometry));
    auto *menuBar = new QMenuBar(&bare);
    const std::pair<const char *, QStringList> menus[] = {
        {"File", {"Save report as PDF", "Print", "Export schedules as CSV", "Exit"}},
        {"Edit", {"Copy results"}},
        {"View", {"Repayment schedules"}},
        {"Help", {"How the figures are defined", "About"}},
    };
    for (const auto &[title, items] : menus) {
        QMenu *menu = menuBar->addMenu(title);
        for (const QString &item : items)
            menu->addAction(item);
    }
    auto *scrollArea = new QScrollArea;
    scrollArea->setWidget(client);
    auto *layout = new QVBoxLayout(&bare);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(scrollArea);
    // As large as the program's window opens: its content, or the screen less the frame it leaves room for.
    const QSize content = client->size() + QSize(0, menuBar->sizeHint().height());
    bare.resize(content.boundedTo(bare.screen()->availableSize() - QSize(16, 48)));
    bare.show();
    return app.exec();
}
