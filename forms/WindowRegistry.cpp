// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/WindowRegistry.h"

#include "forms/TForm_cmental1.h"
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

TForm_menu* Form_menu = nullptr;
TForm_jugadores* Form_jugadores = nullptr;
TForm_sumas2* Form_sumas2 = nullptr;
TForm_sumas1* Form_sumas1 = nullptr;
TForm_sumas3* Form_sumas3 = nullptr;
TForm_sumas3b* Form_sumas3b = nullptr;
TForm_sumas4* Form_sumas4 = nullptr;
TForm_sumas4b* Form_sumas4b = nullptr;
TForm_aviso_error* Form_aviso_error = nullptr;
TForm_Resultados* Form_Resultados = nullptr;
TForm_puntos* Form_puntos = nullptr;
TForm_muchos_aciertos* Form_muchos_aciertos = nullptr;
TForm_Acierto* Form_Acierto = nullptr;
TForm_sumas5* Form_sumas5 = nullptr;
TForm_sumas5b* Form_sumas5b = nullptr;
TForm_sumas5c* Form_sumas5c = nullptr;
TForm_paginas* Form_paginas = nullptr;
TForm_cmental1* Form_cmental1 = nullptr;
TForm_directorio* Form_directorio = nullptr;
TForm_repaso* Form_repaso = nullptr;
TForm_progreso* Form_progreso = nullptr;

TExerciseForm* ExerciseWindow(ExerciseKind kind)
{
    switch (kind) {
    case Kind::Sumas1: return Form_sumas1;
    case Kind::Sumas2: return Form_sumas2;
    case Kind::Sumas3: return Form_sumas3;
    case Kind::Sumas3b: return Form_sumas3b;
    case Kind::Sumas4: return Form_sumas4;
    case Kind::Sumas4b: return Form_sumas4b;
    case Kind::Sumas5: return Form_sumas5;
    case Kind::Sumas5b: return Form_sumas5b;
    case Kind::Sumas5c: return Form_sumas5c;
    case Kind::Cmental1: return Form_cmental1;
    case Kind::Repaso: return Form_repaso;
    default: return nullptr;
    }
}
