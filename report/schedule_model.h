// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <vector>

namespace report {

// One plan's payments as a table: number, month, payment, interest, principal repaid, balance. Texts are made
// when a view asks for them, so a schedule of 1,200 months costs only the rows on screen.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Number, Month, Amount, Interest, Principal, Balance, ColumnCount };

    explicit ScheduleModel(numtext::LocaleMarks marks, QObject *parent = nullptr);

    void setPayments(std::vector<schedule::Payment> payments);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column headings, shared with the report's tables.
    static QString heading(int column);
    // The text of one cell, shared with the report's tables.
    static QString cellText(const schedule::Payment &payment, int column, const numtext::LocaleMarks &marks,
                            const QLocale &locale);

private:
    numtext::LocaleMarks m_marks;
    QLocale m_locale;
    std::vector<schedule::Payment> m_payments;
};

} // namespace report
