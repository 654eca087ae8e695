// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/ColumnShapes.h"

#include <map>

const ColumnShape& ColumnShapeOf(ExerciseKind kind)
{
    using enum PairRule;
    static const std::map<ExerciseKind, ColumnShape> shapes = {
        {Kind::Sumas3, {2, {NoCarry, NoCarry}}},
        {Kind::Sumas3b, {2, {NoCarry, NoCarry, NoCarry}}},
        {Kind::Sumas4, {2, {Carry, Free}}},
        {Kind::Sumas4b, {2, {Carry, Carry, Free}}},
        {Kind::Sumas5, {3, {Free, Free, Free}}},
        {Kind::Sumas5b, {4, {Free, Free, Free}}},
        {Kind::Sumas5c, {5, {Free, Free, Free, Free}}},
        // The largest review sum; each dealt sum brings its own size.
        {Kind::Repaso, {3, {Free, Free, Free, Free, Free}}},
    };
    static const ColumnShape none{0, {}};
    const auto it = shapes.find(kind);
    return it == shapes.end() ? none : it->second;
}
