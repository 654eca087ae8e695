// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HistoryDeletion.h"

#include "app/History.h"
#include "app/Platform.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The chosen name, or an empty text when cancelled.
QString ChoosePlayer(QWidget* parent, const QStringList& names)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Dialog_borrarhistorial"));
    dialog.setWindowTitle(QStringLiteral("Borrar el historial de un jugador"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("¿De qué jugador se borra el historial de prácticas?"), &dialog));
    auto* list = new QComboBox(&dialog);
    list->setObjectName(QStringLiteral("ComboBox_jugadores"));
    list->addItems(names);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Borrar..."));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    list->setFocus();
    if (ThePlatform().RunModal(&dialog) != QDialog::Accepted)
        return {};
    return list->currentText();
}

}  // namespace

void DeletePlayerHistory(QWidget* parent, const QString& file)
{
    QString problem;
    const QStringList names = History::Players(file, &problem);
    if (names.isEmpty()) {
        ThePlatform().ShowMessage(problem.isEmpty()
                                      ? QStringLiteral("El historial de prácticas no tiene ningún jugador.")
                                      : problem);
        return;
    }
    const QString name = ChoosePlayer(parent, names);
    if (name.isEmpty())
        return;
    const QString question = QStringLiteral(
        "¿Borrar todo el historial de prácticas de %1?\n\n"
        "Sus resultados y sus puntos no se borran.").arg(name);
    if (ThePlatform().Ask(question, Platform::Icon::Question, Platform::Buttons::YesNoDefaultNo) !=
        Platform::Answer::Yes)
        return;
    if (!History::DeletePlayer(file, name, &problem))
        ThePlatform().ShowMessage(problem);
}
