// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Startup.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

const char* const kNoScreenText =
    "Cifrolo necesita una pantalla gráfica para funcionar y no ha podido abrir ninguna.\n"
    "Inicia el juego desde el escritorio.\n";

namespace {

struct Held {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previous = nullptr;
QList<Held>* held = nullptr;

void StartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Only the toolkit's start can end here: it found no screen.
        std::fputs(kNoScreenText, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Held back: the toolkit's complaints about the display would only
    // muddle the message above.
    held->append({type, QString::fromUtf8(context.category ? context.category : ""), text});
}

} // namespace

void GuardStartup()
{
    held = new QList<Held>;
    previous = qInstallMessageHandler(StartupHandler);
}

void EndStartup()
{
    qInstallMessageHandler(previous);
    // The start went well: what was said meanwhile is said now.
    for (const Held& h : *held) {
        const QByteArray category = h.category.toUtf8();
        QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(h.type, context, h.text);
    }
    delete held;
    held = nullptr;
}
