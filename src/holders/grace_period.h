#pragma once

#include "db/connection.h"

#include <QDate>
#include <QString>

namespace zova {

// The outcome of the grace-period check at a holder save.
struct GraceCheck {
    enum class Result {
        NoParameter, // no usable `CarenciaDias`: the save ends without a message
        Passed,
        Refused, // show graceRefusalText and end the save
    };
    Result result = Result::Passed;
    int carenciaDias = 0;
    qint64 days = 0; // whole days from the stored contract date to today
};

// `VerificaCarencia`: a holder marked as having used the plan ("SIM") must have been a member
// for `CarenciaDias` days, counted from the contract date stored (not the one being typed, so a
// reactivation cannot restart the count in the same save). A new holder (id 0), a parameter of
// 0 or less, or `utilizou` other than "SIM" passes. A holder without a stored contract date (or
// with one after today) counts 0 days.
GraceCheck VerificaCarencia(Connection& conn, const QDate& today, qint64 holderId, const QString& utilizou);

// The refusal shown captioned "Atenção" with the warning icon.
QString graceRefusalText(const QString& titular, const GraceCheck& check);

} // namespace zova
