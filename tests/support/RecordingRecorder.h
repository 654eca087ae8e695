// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/PracticeRecorder.h"

#include <QStringList>

// Writes down every report in order: "dealt:Ana:4:47+38",
// "key:result:0:5:4" (box, column, expected, typed), "ended:1".
class RecordingRecorder final : public PracticeRecorder {
public:
    QStringList reports;

    RecordingRecorder() { SetRecorder(this); }
    ~RecordingRecorder() override { SetRecorder(nullptr); }

    void SumDealt(const QString& player, ExerciseKind kind, const QString& rows, const QDateTime&) override
    {
        reports << QStringLiteral("dealt:%1:%2:%3").arg(player).arg(kind).arg(rows);
    }
    void KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed,
                    const QDateTime&) override
    {
        reports << QStringLiteral("key:%1:%2:%3:%4").arg(Practice::BoxName(box)).arg(col).arg(expected).arg(typed);
    }
    void SumEnded(bool finished, const QDateTime&) override
    {
        reports << QStringLiteral("ended:%1").arg(finished ? 1 : 0);
    }
};
