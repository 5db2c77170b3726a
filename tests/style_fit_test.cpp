// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window under every style this machine offers (run on a 1366 x 768 screen at scales 1 and 1.5):
// a figure is cut short exactly where it is under Fusion, the style the form was measured with, no glyph of a
// shown text is clipped by its field, no caption is cut, and at scale 1 the window still fits the screen.
#include "commands/form_table.h"
#include "modules/worker_threads.h"
#include "private_settings.h"
#include "window/calculator_form.h"
#include "window/result_field.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTest>

class StyleFitTest : public QObject {
    Q_OBJECT

private slots:
    void figures_show_as_under_fusion_and_no_glyph_is_clipped_data();
    void figures_show_as_under_fusion_and_no_glyph_is_clipped();
};

namespace {

using Inputs = std::vector<std::pair<const char *, const char *>>;

const Inputs startingInputs;
const Inputs widestInputs
    = {{"Text1", "10000000"}, {"Text2", "25"}, {"Text3", "50"}, {"Text6", "90000000000000"}, {"Text7", "25"}};

// QLineEdit's own margin beside its text, inside the contents rectangle.
constexpr int textMargin = 2;

// Where QLineEdit clips its text: the style's contents for the box as it paints it, less the text margins.
QRect contentsOf(const QLineEdit &box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    option.state |= QStyle::State_Sunken | (box.isReadOnly() ? QStyle::State_ReadOnly : QStyle::State_None);
    return box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).marginsRemoved(box.textMargins());
}

// Where QLineEdit draws the glyphs of its text, for a text that starts in view: the line centred in the contents.
QRect glyphsOf(const QLineEdit &box)
{
    const QRect contents = contentsOf(box);
    const QFontMetrics metrics = box.fontMetrics();
    const int lineTop = contents.y() + (contents.height() - metrics.height() + 1) / 2;
    return metrics.boundingRect(box.text()).translated(contents.x() + textMargin, lineTop + metrics.ascent());
}

bool fitsAcross(const QLineEdit &box)
{
    return box.fontMetrics().horizontalAdvance(box.text()) <= contentsOf(box).width() - 2 * textMargin;
}

struct Shown {
    QStringList cutShort; // the figures shown with the mark that they go on
    QStringList clipped; // the fields whose glyphs cross their contents' edge, with the text
    bool scrolls = false;
    int clientWidth = 0;
    int formWidth = 0; // the form's width on this screen, before anything widens it
};

Shown shownUnder(const QString &styleName, const Inputs &inputs)
{
    QApplication::setStyle(QStyleFactory::create(styleName));
    window::CalculatorForm form{{".", ",", "$"}, {[](QWidget &, const QString &) {}, [] {}, [] {}, {}, {}}};
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window was never shown");
    QCoreApplication::processEvents(); // what the window does once drawn
    for (const auto &[field, text] : inputs)
        form.findChild<QLineEdit *>(field)->setText(text);
    form.findChild<QPushButton *>("Command1")->click();

    Shown shown;
    for (const QLineEdit *box : form.findChildren<QLineEdit *>()) {
        if (box->text().isEmpty())
            continue;
        const auto *figure = qobject_cast<const window::ResultField *>(box);
        if (figure && figure->overflows())
            shown.cutShort << box->objectName();
        const QRect contents = contentsOf(*box);
        const QRect glyphs = glyphsOf(*box);
        // The text area lies inside the frame the style draws: never over it.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        if (!box->rect().marginsRemoved({frame, frame, frame, frame}).contains(contents))
            shown.clipped << box->objectName() + " (text over the frame)";
        const bool clippedDown = glyphs.top() < contents.top() || glyphs.bottom() > contents.bottom();
        const bool clippedAcross
            = fitsAcross(*box) && (glyphs.left() < contents.left() || glyphs.right() > contents.right());
        if (clippedDown || clippedAcross)
            shown.clipped << box->objectName() + " \"" + box->text() + "\"";
    }
    // The captions, which the window measures only where they are not the form's English, keep room for their words.
    for (const QLabel *label : form.findChild<QScrollArea *>()->widget()->findChildren<QLabel *>()) {
        const bool cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                           : label->sizeHint().width() > label->width();
        if (cut && label->objectName() != "Label7") // the banner overhangs the form by design
            shown.clipped << label->objectName() + " \"" + label->text() + "\"";
    }
    for (const QPushButton *button : form.findChildren<QPushButton *>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 2 * margin
            > button->width())
            shown.clipped << button->objectName() + " \"" + button->text() + "\"";
    }
    shown.cutShort.sort();
    const auto *scroll = form.findChild<QScrollArea *>();
    shown.clientWidth = scroll->widget()->width();
    shown.formWidth = qRound(commands::form::clientWidth * form.logicalDpiX() / 1440.0);
    shown.scrolls = scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible();
    return shown;
}

} // namespace

void StyleFitTest::figures_show_as_under_fusion_and_no_glyph_is_clipped_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<Inputs>("inputs");
    QStringList styles = QStyleFactory::keys();
    for (const char *desktop : {"Adwaita", "Adwaita-Dark"})
        if (!styles.contains(desktop, Qt::CaseInsensitive))
            qWarning("style %s is not installed here: adwaita-qt6 brings it", desktop);
    for (const QString &style : styles) {
        QTest::addRow("%s_starting_inputs", qPrintable(style)) << style << startingInputs;
        QTest::addRow("%s_widest_inputs", qPrintable(style)) << style << widestInputs;
    }
}

void StyleFitTest::figures_show_as_under_fusion_and_no_glyph_is_clipped()
{
    QFETCH(QString, style);
    QFETCH(Inputs, inputs);
    const Shown underFusion = shownUnder("Fusion", inputs);
    const Shown underStyle = shownUnder(style, inputs);
    QVERIFY2(underStyle.clipped.isEmpty(), qPrintable(underStyle.clipped.join(", ")));
    // In English, under the style the form was measured with, nothing needs more room than the form gives it.
    QCOMPARE(underFusion.clientWidth, underFusion.formWidth);
    QCOMPARE(underStyle.cutShort, underFusion.cutShort);
    if (qFuzzyCompare(qApp->devicePixelRatio(), 1.0))
        QVERIFY2(!underStyle.scrolls, "the window no longer fits a 1366 x 768 screen");
}

int main(int argc, char *argv[])
{
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    StyleFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "style_fit_test.moc"
