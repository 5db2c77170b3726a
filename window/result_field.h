// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace window {

// A read-only field that shows a figure. A figure wider than its box shows its leading digits with a mark at the
// right edge saying that it goes on, so that "$2,359,965,161" is never taken for the whole of
// "$2,359,965,161,072.49"; the whole text is its tooltip and its accessible description.
class ResultField : public QLineEdit {
    Q_OBJECT

public:
    explicit ResultField(QWidget *parent);

    bool overflows() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void describeOverflow();
    QRect textArea() const;
};

} // namespace window
