// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"

class TExerciseForm;
class TForm_menu;
class TForm_jugadores;
class TForm_sumas1;
class TForm_sumas2;
class TForm_sumas3;
class TForm_sumas3b;
class TForm_sumas4;
class TForm_sumas4b;
class TForm_aviso_error;
class TForm_Resultados;
class TForm_puntos;
class TForm_muchos_aciertos;
class TForm_Acierto;
class TForm_sumas5;
class TForm_sumas5b;
class TForm_sumas5c;
class TForm_paginas;
class TForm_cmental1;
class TForm_directorio;
class TForm_repaso;
class TForm_progreso;

// The windows created at start-up; they live until the program ends.
extern TForm_menu* Form_menu;
extern TForm_jugadores* Form_jugadores;
extern TForm_sumas2* Form_sumas2;
extern TForm_sumas1* Form_sumas1;
extern TForm_sumas3* Form_sumas3;
extern TForm_sumas3b* Form_sumas3b;
extern TForm_sumas4* Form_sumas4;
extern TForm_sumas4b* Form_sumas4b;
extern TForm_aviso_error* Form_aviso_error;
extern TForm_Resultados* Form_Resultados;
extern TForm_puntos* Form_puntos;
extern TForm_muchos_aciertos* Form_muchos_aciertos;
extern TForm_Acierto* Form_Acierto;
extern TForm_sumas5* Form_sumas5;
extern TForm_sumas5b* Form_sumas5b;
extern TForm_sumas5c* Form_sumas5c;
extern TForm_paginas* Form_paginas;
extern TForm_cmental1* Form_cmental1;
extern TForm_directorio* Form_directorio;
extern TForm_repaso* Form_repaso;
extern TForm_progreso* Form_progreso;

// The exercise window of a kind code, or nullptr for 0 and unknown codes.
TExerciseForm* ExerciseWindow(ExerciseKind kind);
