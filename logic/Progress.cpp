// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Progress.h"

#include "logic/Mistakes.h"
#include "logic/Review.h"

#include <algorithm>
#include <map>

namespace Progress {

namespace {

// A key after a longer wait says how long the child was away, not how long a
// digit takes.
constexpr int64_t kLongestKeyMs = 120000;

const char* const kMonths[12] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                 "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};

const char* const kPlaces[4] = {"las unidades", "las decenas", "las centenas", "las unidades de millar"};

struct Wording {
    const char* id;
    const char* label;     // in the chart and as the heading of the sentence
    const char* happened;  // after the example: "escribió 75: <happened>"
    const char* general;   // without an example
    const char* practice;
};

const Wording kWordings[] = {
    {"olvida-llevada", "Se olvida de la llevada", "se olvidó de la que se llevaba",
     "A veces no suma la que se lleva.",
     "Sumas con llevadas, escribiendo arriba la que se lleva antes de sumar la columna siguiente."},
    {"llevada-sin-motivo", "Se lleva sin motivo", "sumó una llevada que no había",
     "A veces suma una llevada cuando la columna anterior no pasó de 9.",
     "Sumas sin llevarse, preguntándose en cada columna si la anterior pasó de 9."},
    {"escribe-decena", "Escribe la decena abajo", "escribió abajo la decena y se llevó las unidades",
     "A veces escribe abajo la decena y se lleva las unidades.",
     "Inicio de sumas con llevadas: abajo se escriben las unidades y arriba se lleva la decena."},
    {"llevada-doble", "Suma dos veces la llevada", "sumó dos veces la que se llevaba",
     "A veces suma dos veces la que se lleva.",
     "Sumas con llevadas, tachando la que se lleva en cuanto se ha sumado."},
    {"lleva-siempre-uno", "Se lleva siempre 1", "en esa columna se llevaban más",
     "Cuando una columna da 20 o más, se lleva 1 en vez de 2 o más.",
     "Perfeccionamiento de sumas: contar cuántas decenas salen en cada columna, que a veces son 2 o más."},
    {"suma-en-vez-de-completar", "Suma en vez de completar", "sumó los dos números en vez de buscar el que faltaba",
     "En las cuentas con hueco, suma los dos números en vez de buscar el que falta.",
     "Cálculo mental con hueco, contando desde el número que hay hasta el resultado: ¿cuánto le falta a 6 para "
     "llegar a 8?"},
};

const Wording* WordingOf(const QString& id)
{
    for (const Wording& w : kWordings)
        if (id == QLatin1String(w.id))
            return &w;
    return nullptr;
}

QString Place(int32_t col)
{
    if (col >= 0 && col < 4)
        return QString::fromUtf8(kPlaces[col]);
    return QStringLiteral("la columna %1").arg(col + 1);
}

// The fact a first try answers, as written (top digit first), or -1.
int32_t FactOfTry(const Mistakes::Shape& shape, const Practice::Key& key)
{
    auto fact = [](int32_t a, int32_t b) { return a >= 0 && a <= 9 && b >= 0 && b <= 9 ? a * 10 + b : -1; };
    if (shape.form == Mistakes::Shape::Form::Mental)
        return key.box == Practice::Box::Answer ? fact(shape.mental.first, shape.mental.second) : -1;
    if (shape.form != Mistakes::Shape::Form::Columns || shape.Rows() != 2)
        return -1;
    const int32_t n = shape.Columns();
    if (key.box == Practice::Box::Answer)
        return n == 1 ? fact(shape.digits[0][0], shape.digits[0][1]) : -1;
    if (key.box != Practice::Box::Result || key.col < 0 || key.col >= n)
        return -1;
    // With a carry received, the digit says as much about the carry as about the fact.
    if (shape.totals[size_t(key.col)].k != 0)
        return -1;
    return fact(shape.digits[size_t(key.col)][0], shape.digits[size_t(key.col)][1]);
}

bool AnyWrong(const Practice::Sum& sum)
{
    return std::any_of(sum.keys.begin(), sum.keys.end(), [](const Practice::Key& k) { return k.typed != k.expected; });
}

int32_t DigitsOf(const Practice::Key& key)
{
    if (key.box != Practice::Box::Answer)
        return 1;
    return int32_t(QString::number(std::max<int32_t>(0, key.expected)).size());
}

double Median(std::vector<double>& values)
{
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + ptrdiff_t(mid), values.end());
    const double upper = values[mid];
    if (values.size() % 2)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + ptrdiff_t(mid));
    return (lower + upper) / 2;
}

// What the child wrote in the step of an example, in words: the whole result
// when every digit of it has a first try, otherwise the one digit and where.
QString WhatWasWritten(const Diagnosis::Example& example, const Practice::Sum* sum)
{
    using Practice::Box;
    if (example.box == Box::Answer)
        return QStringLiteral("escribió %1").arg(example.typed);
    if (example.box == Box::Carry)
        return QStringLiteral("se llevó %1").arg(example.typed);
    const std::vector<std::vector<int32_t>> digits = Practice::ColumnDigits(example.rows);
    const int32_t n = int32_t(digits.size());
    if (sum && n > 0) {
        const std::vector<Mistakes::ColumnTotal> totals = Mistakes::ColumnTotals(digits);
        const int32_t length = n + (totals.back().Total() >= 10 ? 1 : 0);
        std::vector<int32_t> written(size_t(length), -1);
        for (const Practice::Key* key : Diagnosis::FirstTries(*sum))
            if (key->box == Box::Result && key->col >= 0 && key->col < length)
                written[size_t(key->col)] = key->typed;
        const bool whole = std::all_of(written.begin(), written.end(), [](int32_t d) { return d >= 0 && d <= 9; });
        if (whole && written[size_t(example.col)] == example.typed) {
            QString number;
            for (size_t c = written.size(); c-- > 0;)
                number += QChar(u'0' + char16_t(written[c]));
            // A leading zero the child typed is still what they wrote.
            return QStringLiteral("escribió %1").arg(number);
        }
    }
    if (example.col == n && n > 0)
        return QStringLiteral("escribió %1 delante").arg(example.typed);
    return QStringLiteral("escribió %1 en %2").arg(example.typed).arg(Place(example.col));
}

}  // namespace

QString PeriodName(Period period)
{
    switch (period) {
    case Period::Week: return QStringLiteral("Última semana");
    case Period::Month: return QStringLiteral("Último mes");
    case Period::All: return QStringLiteral("Todo");
    }
    return {};
}

QDateTime PeriodStart(Period period, const QDateTime& now)
{
    // Whole days: the week is today and the six days before it.
    const QDateTime midnight(now.date(), QTime(0, 0));
    switch (period) {
    case Period::Week: return midnight.addDays(-6);
    case Period::Month: return midnight.addMonths(-1).addDays(1);
    case Period::All: break;
    }
    return {};
}

std::vector<Practice::Sum> Since(const std::vector<Practice::Sum>& sums, const QDateTime& since)
{
    if (!since.isValid())
        return sums;
    std::vector<Practice::Sum> out;
    for (const Practice::Sum& s : sums)
        if (s.startedAt >= since)
            out.push_back(s);
    return out;
}

int32_t FactsGrid::Met() const
{
    return int32_t(std::count_if(cells.begin(), cells.end(), [](const FactCell& c) { return c.tries > 0; }));
}

FactsGrid Facts(const std::vector<Practice::Sum>& sums)
{
    FactsGrid grid;
    for (const Practice::Sum& sum : sums) {
        if (sum.keys.empty())
            continue;
        const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
        for (const Practice::Key* key : Diagnosis::FirstTries(sum)) {
            const int32_t fact = FactOfTry(shape, *key);
            if (fact < 0)
                continue;
            FactCell& cell = grid.cells[size_t(fact)];
            ++cell.tries;
            if (key->typed == key->expected)
                ++cell.right;
        }
    }
    return grid;
}

QString FactText(int a, int b, const FactCell& cell)
{
    if (cell.tries == 0)
        return QStringLiteral("%1 + %2: todavía no ha salido").arg(a).arg(b);
    return QStringLiteral("%1 + %2: %3 %4, %5 bien a la primera")
        .arg(a)
        .arg(b)
        .arg(cell.tries)
        .arg(cell.tries == 1 ? QStringLiteral("vez") : QStringLiteral("veces"))
        .arg(cell.right);
}

std::vector<Day> Days(const std::vector<Practice::Sum>& sums)
{
    std::map<QDate, Day> days;
    for (const Practice::Sum& sum : sums) {
        const QDate date = sum.startedAt.date();
        if (!date.isValid())
            continue;
        Day& day = days[date];
        day.date = date;
        if (sum.finished)
            ++day.finished;
        if (!sum.keys.empty()) {
            ++day.answered;
            if (!AnyWrong(sum))
                ++day.rightFirst;
        }
    }
    std::vector<Day> out;
    out.reserve(days.size());
    for (const auto& [date, day] : days)
        out.push_back(day);
    return out;
}

QString FamilyName(Family family)
{
    switch (family) {
    case Family::OneColumn: return QStringLiteral("Inicio sumas sin llevarse");
    case Family::OneColumnCarry: return QStringLiteral("Inicio sumas con llevadas");
    case Family::NoCarry: return QStringLiteral("Sumas sin llevarse");
    case Family::Carry: return QStringLiteral("Sumas con llevadas");
    case Family::Rows: return QStringLiteral("Perfeccionamiento de sumas");
    case Family::Mental: return QStringLiteral("Cálculo mental");
    }
    return {};
}

bool FamilyOf(ExerciseKind kind, Family* family)
{
    Family f;
    switch (kind) {
    case Kind::Sumas1: f = Family::OneColumn; break;
    case Kind::Sumas2: f = Family::OneColumnCarry; break;
    case Kind::Sumas3:
    case Kind::Sumas3b: f = Family::NoCarry; break;
    case Kind::Sumas4:
    case Kind::Sumas4b: f = Family::Carry; break;
    case Kind::Sumas5:
    case Kind::Sumas5b:
    case Kind::Sumas5c: f = Family::Rows; break;
    case Kind::Cmental1: f = Family::Mental; break;
    default: return false;
    }
    *family = f;
    return true;
}

std::vector<Timing> Times(const std::vector<Practice::Sum>& sums)
{
    std::vector<double> seconds[std::size(kFamilies)];
    int32_t digits[std::size(kFamilies)] = {};
    for (const Practice::Sum& sum : sums) {
        Family family;
        if (!FamilyOf(sum.kind, &family))
            continue;
        const size_t f = size_t(family);
        for (const Practice::Key& key : sum.keys) {
            if (key.ms < 0 || key.ms > kLongestKeyMs)
                continue;
            const int32_t n = DigitsOf(key);
            digits[f] += n;
            seconds[f].push_back(double(key.ms) / 1000.0 / n);
        }
    }
    std::vector<Timing> out;
    for (Family family : kFamilies) {
        const size_t f = size_t(family);
        if (seconds[f].empty())
            continue;
        out.push_back({family, digits[f], Median(seconds[f])});
    }
    return out;
}

QString DayText(const QDate& date, const QDate& today)
{
    if (!date.isValid())
        return {};
    QString text = QStringLiteral("%1 de %2").arg(date.day()).arg(QString::fromUtf8(kMonths[date.month() - 1]));
    if (date.year() != today.year())
        text += QStringLiteral(" de %1").arg(date.year());
    return text;
}

QString SumText(const QString& rows)
{
    QString text;
    QString number;
    auto flush = [&] {
        if (number.isEmpty())
            return;
        // Leading zeros fill columns on screen; a parent reads the number.
        qsizetype zeros = 0;
        while (zeros + 1 < number.size() && number[zeros] == u'0')
            ++zeros;
        text += number.mid(zeros);
        number.clear();
    };
    for (QChar ch : rows) {
        if (ch == u'+' || ch == u'=') {
            flush();
            text += QStringLiteral(" %1 ").arg(ch);
        } else if (ch.isDigit()) {
            number += ch;
        } else {
            flush();
            text += ch;
        }
    }
    flush();
    return text;
}

QString ErrorLabel(const QString& id)
{
    if (const Wording* w = WordingOf(id))
        return QString::fromUtf8(w->label);
    if (const auto fact = Mistakes::ParseFactId(id))
        return QStringLiteral("Duda con %1 + %2").arg(*fact / 10).arg(*fact % 10);
    if (id == QLatin1String("descuido"))
        return QStringLiteral("Despistes");
    if (id == QLatin1String("ninguno"))
        return QStringLiteral("Ningún error que se repita");
    return id;
}

std::vector<Sentence> Sentences(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums,
                                const QDate& today)
{
    std::vector<Sentence> out;
    for (const QString& id : result.ids) {
        Sentence s;
        s.id = id;
        if (id == QLatin1String("ninguno")) {
            if (result.sums < Diagnosis::kMinSums) {
                s.text = QStringLiteral("Todavía hay pocas sumas para saber qué le cuesta; según vaya jugando, aquí "
                                        "se verá.");
            } else {
                s.text = QStringLiteral("No tiene ningún error que se repita: ¡lo está haciendo muy bien!");
                s.practice = QStringLiteral("Puede pasar a sumas más difíciles cuando le apetezca.");
            }
            out.push_back(s);
            continue;
        }
        if (id == QLatin1String("descuido")) {
            s.text = QStringLiteral("Sus fallos no siguen ningún patrón: son despistes, como los de cualquiera que "
                                    "está aprendiendo.");
            s.practice = QStringLiteral("Repasar cada suma antes de darla por terminada; no hace falta más.");
            s.seen = result.wrongFirstTries;
            out.push_back(s);
            continue;
        }
        const Diagnosis::Finding* finding = result.Find(id);
        const Wording* wording = WordingOf(id);
        const auto fact = Mistakes::ParseFactId(id);
        if (!finding || (!wording && !fact))
            continue;
        s.seen = finding->seen;
        QString happened, general;
        if (wording) {
            happened = QString::fromUtf8(wording->happened);
            general = QString::fromUtf8(wording->general);
            s.practice = QString::fromUtf8(wording->practice);
        } else {
            const int a = *fact / 10, b = *fact % 10;
            happened = QStringLiteral("%1 + %2 son %3").arg(a).arg(b).arg(a + b);
            general = QStringLiteral("Todavía duda con %1 + %2, que son %3.").arg(a).arg(b).arg(a + b);
            s.practice = a == b ? QStringLiteral("Repasar %1 + %1 = %2 en cálculo mental.").arg(a).arg(a + b)
                                : QStringLiteral("Repasar %1 + %2 = %3 y %2 + %1 = %3 en cálculo mental.")
                                      .arg(a)
                                      .arg(b)
                                      .arg(a + b);
        }
        if (finding->example) {
            const Diagnosis::Example& e = *finding->example;
            const auto it = std::find_if(sums.begin(), sums.end(), [&](const Practice::Sum& x) {
                return x.id == e.sumId && x.rows == e.rows;
            });
            const QString when = DayText(e.startedAt.date(), today.isValid() ? today : e.startedAt.date());
            s.text = QStringLiteral("El %1, en %2, %3: %4.")
                         .arg(when, SumText(e.rows), WhatWasWritten(e, it == sums.end() ? nullptr : &*it), happened);
        } else {
            s.text = general;
        }
        out.push_back(s);
    }
    return out;
}

std::vector<ErrorCount> ErrorCounts(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums)
{
    std::map<QString, int32_t> counts;
    for (const Practice::Sum& sum : sums) {
        const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
        for (const Practice::Key* key : Diagnosis::FirstTries(sum)) {
            if (key->typed == key->expected)
                continue;
            const std::vector<Mistakes::Prediction> candidates = Mistakes::Candidates(shape, *key);
            if (candidates.empty())
                continue;  // a slip
            QString id;
            if (const Diagnosis::Finding* likeliest = Diagnosis::Likeliest(result, candidates))
                id = likeliest->id;
            else if (candidates.front().error != Mistakes::Error::Fact)
                id = candidates.front().Id();
            else
                continue;  // a fact the diagnosis does not name
            counts[id] += 1;
        }
    }
    std::vector<ErrorCount> out;
    for (const auto& [id, seen] : counts)
        out.push_back({id, seen});
    std::stable_sort(out.begin(), out.end(), [&](const ErrorCount& x, const ErrorCount& y) {
        const bool nx = result.ids.contains(x.id), ny = result.ids.contains(y.id);
        return nx != ny ? nx : x.seen > y.seen;
    });
    return out;
}

std::vector<Overcome> Overcomes(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums)
{
    // Only what the child really did: a wrong digit where an error could
    // show is not that error unless the diagnosis saw it there.
    std::vector<Overcome> out;
    for (const std::vector<Diagnosis::Finding>* findings : {&result.errors, &result.facts})
        for (const Diagnosis::Finding& f : *findings)
            if (f.seen > 0 && (Review::ColumnErrors().contains(f.id) || Mistakes::ParseFactId(f.id)))
                if (const std::optional<QDateTime> at = Review::OvercomeAt(f.id, sums))
                    out.push_back({f.id, at->date()});
    return out;
}

void TellOvercome(std::vector<Sentence>& sentences, const std::vector<Overcome>& overcome, const QDate& today)
{
    for (const Overcome& o : overcome) {
        const QString told = QStringLiteral("Ya no le pasa: superado el %1.")
                                 .arg(DayText(o.date, today.isValid() ? today : o.date));
        auto it =
            std::find_if(sentences.begin(), sentences.end(), [&](const Sentence& s) { return s.id == o.id; });
        if (it != sentences.end()) {
            it->text += u' ' + told;
            continue;
        }
        // Nothing left to report but what was overcome: the kind words stay.
        Sentence s;
        s.id = o.id;
        s.text = told;
        sentences.push_back(s);
    }
}

Report Build(const QString& player, Period period, const QDateTime& now, const std::vector<Practice::Sum>& sums)
{
    Report r;
    r.player = player;
    r.period = period;
    r.today = now.date();
    for (const Practice::Sum& s : sums) {
        if (!s.keys.empty())
            ++r.sums;
        if (s.finished)
            ++r.finished;
    }
    r.facts = Facts(sums);
    r.days = Days(sums);
    r.times = Times(sums);
    r.diagnosis = Diagnosis::Diagnose(sums);
    r.sentences = Sentences(r.diagnosis, sums, r.today);
    r.errors = ErrorCounts(r.diagnosis, sums);
    r.overcome = Overcomes(r.diagnosis, sums);
    TellOvercome(r.sentences, r.overcome, r.today);
    return r;
}

QString Summary(const Report& report)
{
    if (report.sums == 0)
        return QStringLiteral("En este periodo no hizo ninguna suma.");
    int32_t right = 0;
    for (const Day& d : report.days)
        right += d.rightFirst;
    const int percent = int(100.0 * right / report.sums + 0.5);
    return QStringLiteral("%1 %2 en %3 %4; %5 % bien a la primera.")
        .arg(report.sums)
        .arg(report.sums == 1 ? QStringLiteral("suma") : QStringLiteral("sumas"))
        .arg(report.days.size())
        .arg(report.days.size() == 1 ? QStringLiteral("día") : QStringLiteral("días"))
        .arg(percent);
}

}  // namespace Progress
