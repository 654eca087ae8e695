// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Windows.h"

#include "app/FirstAnswer.h"
#include "logic/Scoring.h"

#include "forms/TForm_Acierto.h"
#include "forms/TForm_Resultados.h"
#include "forms/TForm_aviso_error.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_directorio.h"
#include "forms/TForm_jugadores.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_muchos_aciertos.h"
#include "forms/TForm_paginas.h"
#include "forms/TForm_progreso.h"
#include "forms/TForm_puntos.h"
#include "forms/TForm_repaso.h"
#include "forms/TForm_sumas1.h"
#include "forms/TForm_sumas2.h"
#include "forms/TForm_sumas3.h"
#include "forms/TForm_sumas3b.h"
#include "forms/TForm_sumas4.h"
#include "forms/TForm_sumas4b.h"
#include "forms/TForm_sumas5.h"
#include "forms/TForm_sumas5b.h"
#include "forms/TForm_sumas5c.h"

void CreateWindows()
{
    SetWindowAccess({
        .exercise = [](ExerciseKind kind) -> QDialog* { return ExerciseWindow(kind); },
        .hitNotice = []() -> QDialog* { return Form_Acierto; },
        .resetExerciseCounters =
            [] {
                // Windows that share their partner's counters reset them once
                // more, which does no harm.
                for (ExerciseKind kind : Kind::All)
                    if (TExerciseForm* w = ExerciseWindow(kind))
                        w->ResetKindCounters();
            },
        .choosePlayersFile = [] { return Form_Resultados->ReadPlayersFromFile(); },
        .countingSlot =
            [](ExerciseKind kind) {
                const TExerciseForm* w = ExerciseWindow(kind);
                return w ? w->CountingSlot() : CounterSlotFor(kind);
            },
    });
    // The other windows are owned by the main window: they stay above it and
    // share its taskbar entry.
    Form_menu = new TForm_menu;
    QWidget* owner = Form_menu;
    Form_jugadores = new TForm_jugadores(owner);
    Form_sumas2 = new TForm_sumas2(owner);
    Form_sumas1 = new TForm_sumas1(owner);
    Form_sumas3 = new TForm_sumas3(owner);
    Form_sumas3b = new TForm_sumas3b(owner);
    Form_sumas4 = new TForm_sumas4(owner);
    Form_sumas4b = new TForm_sumas4b(owner);
    Form_aviso_error = new TForm_aviso_error(owner);
    Form_Resultados = new TForm_Resultados(owner);
    Form_puntos = new TForm_puntos(owner);
    Form_muchos_aciertos = new TForm_muchos_aciertos(owner);
    Form_Acierto = new TForm_Acierto(owner);
    Form_sumas5 = new TForm_sumas5(owner);
    Form_sumas5b = new TForm_sumas5b(owner);
    Form_sumas5c = new TForm_sumas5c(owner);
    Form_paginas = new TForm_paginas(owner);
    Form_cmental1 = new TForm_cmental1(owner);
    Form_directorio = new TForm_directorio(owner);
    Form_repaso = new TForm_repaso(owner);
    Form_progreso = new TForm_progreso(owner);

    // The harder variants without carrying and with carrying count in the
    // counters of the window they are reached from.
    Form_sumas3b->ShareKindCounters(Form_sumas3);
    Form_sumas4b->ShareKindCounters(Form_sumas4);

    for (QDialog* dialog : std::initializer_list<QDialog*>{
             Form_jugadores, Form_aviso_error, Form_Resultados, Form_puntos, Form_muchos_aciertos,
             Form_Acierto, Form_paginas, Form_directorio})
        KeepFirstAnswer(dialog);
}

void DestroyWindows()
{
    // The program ends: a sum on screen is abandoned.
    for (ExerciseKind kind : Kind::All)
        if (TExerciseForm* w = ExerciseWindow(kind))
            w->ReportAbandoned();
    // The owned windows go with the main window.
    delete Form_menu;
    Form_menu = nullptr;
    Form_jugadores = nullptr;
    Form_sumas2 = nullptr;
    Form_sumas1 = nullptr;
    Form_sumas3 = nullptr;
    Form_sumas3b = nullptr;
    Form_sumas4 = nullptr;
    Form_sumas4b = nullptr;
    Form_aviso_error = nullptr;
    Form_Resultados = nullptr;
    Form_puntos = nullptr;
    Form_muchos_aciertos = nullptr;
    Form_Acierto = nullptr;
    Form_sumas5 = nullptr;
    Form_sumas5b = nullptr;
    Form_sumas5c = nullptr;
    Form_paginas = nullptr;
    Form_cmental1 = nullptr;
    Form_directorio = nullptr;
    Form_repaso = nullptr;
    Form_progreso = nullptr;
}
