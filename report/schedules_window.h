// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedules_view.h"

#include <QWidget>
#include <functional>
#include <vector>

class QButtonGroup;
class QChartView;
class QDateEdit;
class QGridLayout;
class QLabel;
class QListWidget;
class QSplitter;
class QStackedWidget;
class QTableView;

namespace report {

class ChartLegend;
class ScheduleChart;
class ScheduleModel;

// The month-by-month schedules of the last Calculate, one plan at a time, with its summary, and a chart of all
// plans over time. A top-level, non-modal window: the calculator creates it when first asked for it and shows the
// same one again after. A first-payment month picked here goes to `firstPaymentPicked`, whose owner answers with
// the schedules from that month.
class SchedulesWindow : public QWidget, public SchedulesView {
    Q_OBJECT

public:
    SchedulesWindow(numtext::LocaleMarks marks, std::function<void(schedule::Month)> firstPaymentPicked,
                    QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    void showSchedules(const std::vector<schedule::Schedule> &schedules, schedule::Month firstPayment) override;
    void showNoCalculation(schedule::Month firstPayment) override;

    schedule::Month firstPayment() const;
    const std::vector<schedule::Schedule> &schedules() const { return m_schedules; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createPlanList();
    QWidget *createPlanView();
    QWidget *createChartView();

    void showFirstPayment(schedule::Month month);
    void showCurrentPlan();
    void showSummary(const schedule::Schedule &schedule);
    void fitColumns();
    void placePanels();
    void updateChart();

    numtext::LocaleMarks m_marks;
    std::function<void(schedule::Month)> m_firstPaymentPicked;
    std::vector<schedule::Schedule> m_schedules;

    QDateEdit *m_firstPayment = nullptr;
    QStackedWidget *m_pages = nullptr; // the message before any Calculate, or the plans
    QSplitter *m_splitter = nullptr;
    bool m_panelsPlaced = false;
    QListWidget *m_planList = nullptr;
    QLabel *m_planTitle = nullptr;
    QStackedWidget *m_planPages = nullptr; // why a plan is not listed, or its summary and table
    QLabel *m_notListed = nullptr;
    QWidget *m_summaryPanel = nullptr;
    QGridLayout *m_summary = nullptr;
    std::vector<QLabel *> m_summaryCaptions;
    std::vector<QLabel *> m_summaryTexts;
    QTableView *m_table = nullptr;
    int m_tableWidth = 0; // what the table needs to show every column whole
    ScheduleModel *m_model = nullptr;
    QButtonGroup *m_chartKind = nullptr;
    ScheduleChart *m_chart = nullptr;
    QChartView *m_chartView = nullptr;
    ChartLegend *m_legend = nullptr;
};

} // namespace report
