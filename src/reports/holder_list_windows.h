#pragma once

#include "reports/report_window.h"

class QComboBox;

namespace zova {

// Holders by status and city: every holder when no filter is set, ordered by name.
class HoldersReportWindow : public ReportWindow {
    Q_OBJECT

public:
    explicit HoldersReportWindow(Session& session, QWidget* parent = nullptr);

    QComboBox* statusList() const { return m_status; }
    QComboBox* cityList() const { return m_city; }

protected:
    HoldersReportWindow(Session& session, bool usedPlanOnly, QWidget* parent);

    void composeQuery(SqlText& sql) const override;
    QString printTitle() const override;
    ReportLayout printLayout() const override;

private:
    bool m_usedPlanOnly;
    QComboBox* m_status;
    QComboBox* m_city;
};

// The same list narrowed to the holders who used the plan.
class HoldersUsedPlanReportWindow : public HoldersReportWindow {
    Q_OBJECT

public:
    explicit HoldersUsedPlanReportWindow(Session& session, QWidget* parent = nullptr);
};

} // namespace zova
