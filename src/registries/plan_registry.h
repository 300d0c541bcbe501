#pragma once

#include "core/money.h"
#include "db/connection.h"

#include <QString>
#include <optional>
#include <stdexcept>

namespace zova {

// Longest description the plan window accepts.
inline constexpr int kPlanDescriptionLength = 380;

// One row of `planos`.
struct PlanRecord {
    qint64 id = 0; // 0: not stored yet
    QString nome;
    QString descricao;
    Money valorPlano;
    Money valorReajusteAnual;
    Money valorDepExtra;
    Money valorSeguro;
};

// An insert refused because a plan of that name exists.
class DuplicatePlanName : public std::runtime_error {
public:
    explicit DuplicatePlanName(QString name)
        : std::runtime_error("duplicate plan name")
        , m_name(std::move(name))
    {
    }
    const QString& name() const { return m_name; }

private:
    QString m_name;
};

// Every plan, by id.
ResultSet loadPlans(Connection& conn);
std::optional<PlanRecord> loadPlan(Connection& conn, qint64 id);
// Whether any holder pays this plan (holders keep the plan's name).
bool planInUse(Connection& conn, const QString& name);
bool planNameExists(Connection& conn, const QString& name);

// Stores a new plan under the next number and returns it; the name is stored without surrounding
// blanks. The name is checked inside the insert's transaction (DuplicatePlanName). DbError on
// failure.
qint64 insertPlan(Connection& conn, const PlanRecord& plan);
// Rewrites plan `plan.id`; DbError when it is gone.
void updatePlan(Connection& conn, const PlanRecord& plan);
// Holders paying the plan keep its name and id.
void deletePlan(Connection& conn, qint64 id);

} // namespace zova
