// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/MistakeLine.h"

#include "logic/Diagnosis.h"
#include "logic/Mistakes.h"

#include <algorithm>

namespace {

QString LineFor(const Diagnosis::Finding& f, const Mistakes::Shape& shape, const Practice::Key& key)
{
    using Mistakes::Error;
    const bool carry = key.box == Practice::Box::Carry;
    switch (f.error) {
    case Error::ForgetsCarry: return QStringLiteral("¿Has sumado la que te llevabas?");
    case Error::CarryFromNowhere: return QStringLiteral("Aquí no te llevabas ninguna.");
    case Error::WritesTens:
        if (carry)
            return QStringLiteral("Te llevas las decenas, no las unidades.");
        if (key.col == shape.Columns())
            return QStringLiteral("Aquí van las decenas de la última columna.");
        return QStringLiteral("Abajo van las unidades; las decenas te las llevas.");
    case Error::CarryTwice: return QStringLiteral("La que te llevabas se suma una sola vez.");
    case Error::CarriesOne:
        return carry ? QStringLiteral("Fíjate: esta vez te llevas más de una.")
                     : QStringLiteral("Fíjate: te llevabas más de una.");
    case Error::AddsForBlank: return QStringLiteral("No hay que sumarlos: ¿cuánto falta para llegar?");
    case Error::Fact: return QStringLiteral("Cuenta despacio: %1 + %2.").arg(f.fact / 10).arg(f.fact % 10);
    }
    return {};
}

} // namespace

QString MistakeLine(const std::vector<Practice::Sum>& history)
{
    if (history.empty() || history.back().keys.empty())
        return {};
    const Practice::Sum& sum = history.back();
    const Practice::Key& key = sum.keys.back();
    const std::vector<const Practice::Key*> first = Diagnosis::FirstTries(sum);
    if (key.typed == key.expected || std::find(first.begin(), first.end(), &key) == first.end())
        return {};
    const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
    const std::vector<Mistakes::Prediction> candidates = Mistakes::Candidates(shape, key);
    if (candidates.empty())
        return {};
    const Diagnosis::Result result = Diagnosis::Diagnose(history);
    const Diagnosis::Finding* f = Diagnosis::Likeliest(result, candidates);
    // One odd digit is no pattern yet, whatever the rest of the history says.
    return f && f->seen >= 2 ? LineFor(*f, shape, key) : QString();
}
