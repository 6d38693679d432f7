#pragma once
// Shared by the calc tests: numbers in the general format and what a calculator's button puts on
// screen.
#include "../TestSupport.h"
#include "Calculators.h"
#include "NumberText.h"

#include <QStringList>
#include <QtTest>

inline QString general(long double value) {
    return QString::fromStdString(calc::formatGeneral(value));
}

// The result texts, or the one box the button leads to: "message: …" or "error: …".
inline QStringList shown(const calc::Outcome& outcome) {
    if (!outcome.message.empty())
        return {QStringLiteral("message: ") + QString::fromStdString(outcome.message)};
    if (!outcome.error.empty())
        return {QStringLiteral("error: ") + QString::fromStdString(outcome.error)};
    QStringList texts;
    for (const std::string& text : outcome.texts)
        texts << QString::fromStdString(text);
    return texts;
}
