// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_model.h"

#include "localtext/display_text.h"

#include <QCoreApplication>

namespace report {

using localtext::moneyText;
using localtext::monthText;
using localtext::wholeNumberText;

ScheduleModel::ScheduleModel(numtext::LocaleMarks marks, QObject *parent)
    : QAbstractTableModel(parent)
    , m_marks(std::move(marks))
{ }

void ScheduleModel::setPayments(std::vector<schedule::Payment> payments)
{
    beginResetModel();
    m_payments = std::move(payments);
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_payments.size());
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(m_payments[std::size_t(index.row())], index.column(), m_marks, m_locale);
    case Qt::TextAlignmentRole:
        return index.column() == Month ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return heading(section);
}

QString ScheduleModel::heading(int column)
{
    switch (column) {
    case Number:
        //: The column of the payments' numbers, 1, 2, 3 ...: keep it short.
        return QCoreApplication::translate("ScheduleModel", "No.");
    case Month:
        return QCoreApplication::translate("ScheduleModel", "Month");
    case Amount:
        return QCoreApplication::translate("ScheduleModel", "Payment");
    case Interest:
        return QCoreApplication::translate("ScheduleModel", "Interest");
    case Principal:
        return QCoreApplication::translate("ScheduleModel", "Principal repaid");
    case Balance:
        return QCoreApplication::translate("ScheduleModel", "Balance");
    }
    return {};
}

QString ScheduleModel::cellText(const schedule::Payment &payment, int column, const numtext::LocaleMarks &marks,
                                const QLocale &locale)
{
    switch (column) {
    case Number:
        return wholeNumberText(payment.number, locale);
    case Month:
        return monthText(payment.month, locale);
    case Amount:
        return moneyText(payment.amount, marks);
    case Interest:
        return moneyText(payment.interest, marks);
    case Principal:
        return moneyText(payment.principal, marks);
    case Balance:
        return moneyText(payment.balance, marks);
    }
    return {};
}

} // namespace report
