// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedules_view.h"

#include <QWidget>
#include <optional>
#include <vector>

class QButtonGroup;
class QChartView;
class QDateEdit;
class QFormLayout;
class QLabel;
class QListWidget;
class QStackedWidget;
class QTableView;

namespace report {

class ChartLegend;
class ScheduleChart;
class ScheduleModel;

// The month-by-month schedules of the last Calculate, one plan at a time, with its summary, and a chart of all
// plans over time. A top-level, non-modal window: the calculator creates it when first asked for it and shows the
// same one again after.
class SchedulesWindow : public QWidget, public SchedulesView {
public:
    explicit SchedulesWindow(numtext::LocaleMarks marks, QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    void showPlans(const schedule::CalculatedPlans &plans, const std::string &unreachedReason) override;
    void showNoCalculation() override;
    schedule::Month firstPayment() const override;
    const std::vector<schedule::Schedule> &schedules() const override { return m_schedules; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createPlanList();
    QWidget *createPlanView();
    QWidget *createChartView();

    void rebuild();
    void showCurrentPlan();
    void showSummary(const schedule::Schedule &schedule);
    void fitColumns();
    void updateChart();

    numtext::LocaleMarks m_marks;
    std::optional<schedule::CalculatedPlans> m_plans;
    std::string m_unreachedReason;
    std::vector<schedule::Schedule> m_schedules;

    QDateEdit *m_firstPayment = nullptr;
    QStackedWidget *m_pages = nullptr; // the message before any Calculate, or the plans
    QListWidget *m_planList = nullptr;
    QLabel *m_planTitle = nullptr;
    QStackedWidget *m_planPages = nullptr; // why a plan is not listed, or its summary and table
    QLabel *m_notListed = nullptr;
    QWidget *m_summaryPanel = nullptr;
    QFormLayout *m_summary = nullptr;
    std::vector<QLabel *> m_summaryTexts;
    QTableView *m_table = nullptr;
    ScheduleModel *m_model = nullptr;
    QButtonGroup *m_chartKind = nullptr;
    ScheduleChart *m_chart = nullptr;
    QChartView *m_chartView = nullptr;
    ChartLegend *m_legend = nullptr;
};

} // namespace report
