// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HistoryDiagnosis.h"

#include "app/GameFolder.h"
#include "app/History.h"
#include "app/ServerAddress.h"
#include "app/SharedHistory.h"
#include "logic/Diagnosis.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>
#include <algorithm>

int RunDiagnosisCommand(const QStringList& args, const QString& programDir, QTextStream& out,
                        QTextStream& err)
{
    if (args.size() > 1) {
        err << QStringLiteral("Uso: cifrolo --diagnostico [ARCHIVO]\n");
        return 1;
    }
    const bool ownHistory = args.isEmpty();
    const QString file = ownHistory ? DefaultHistoryFile(programDir) : args.first();
    if (ownHistory) {
        // A computer room reads the whole class from its server.
        const ServerAddress::Setting setting = ServerAddress::FindForThisUser();
        if (!setting.uri.isEmpty()) {
            QString problem;
            const auto address = ServerAddress::Parse(setting.uri, &problem);
            if (!address) {
                err << QStringLiteral("El servidor del historial no se puede usar (%1): %2\n")
                           .arg(setting.source, problem);
                return 1;
            }
            SharedHistory::SetServer(*address);
        }
    }
    if (!SharedHistory::Server() && !QFileInfo(file).isFile()) {
        err << QStringLiteral("No se encuentra el historial de prácticas: %1\n").arg(file);
        return 1;
    }
    History::Read read = History::ReadSums(file);
    SharedHistory::SetServer(std::nullopt);
    if (!read.ok) {
        err << read.problem << '\n';
        return 1;
    }
    QMap<QString, std::vector<Practice::Sum>> byPlayer;
    for (Practice::Sum& sum : read.sums)
        byPlayer[sum.player].push_back(std::move(sum));
    QStringList names = byPlayer.keys();
    QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    for (const QString& name : names) {
        const Diagnosis::Result result = Diagnosis::Diagnose(byPlayer.value(name));
        out << name << '\t' << result.ids.join(u',') << '\t' << result.WeakFactsText() << '\n';
    }
    out.flush();
    return 0;
}

QString DefaultHistoryFile(const QString& programDir) { return HistoryFileBeside(GameFolderFor(programDir)); }
