// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TColumnSumForm.h"
#include "logic/Review.h"

#include <functional>

class QLabel;

// "Repaso": column sums chosen for the current player from what the
// diagnosis says of them (see Review::Dealer), on the several-column engine.
// Each sum brings its own size (two or three rows, two to five columns) and
// counts in the results slot of its kind, with or without carrying.
class TForm_repaso : public TColumnSumForm {
    Q_OBJECT
public:
    explicit TForm_repaso(QWidget* parent = nullptr);

    // What the review aims at for a player, by name. The game installs one
    // that reads the practice history; without one, every player gets the
    // mix that gathers evidence.
    using NeedsSource = std::function<Review::Needs(const QString& player)>;
    static void SetNeedsSource(NeedsSource source);
    // The needs of a player from the installed source.
    static Review::Needs NeedsOf(const QString& player);

    void NewSum() override;
    int CountingSlot() const override;
    // What the sum on screen was dealt for (empty: mixed review).
    QString Aim() const { return aim_; }

    // The encouraging line when an error has stopped showing.
    QLabel* Label_animo = nullptr;

protected:
    void DealNext(ColumnSum& sum) override;
    void BuildControls() override;
    void changeEvent(QEvent* event) override;

private:
    void ShowCaption();
    // A two-row sum stands on the lower two rows, beside the plus sign.
    void PlaceRows();

    Review::Dealer dealer_;
    Review::Encourager encourager_;
    QString aim_;
    bool aimDiagnosed_ = false;
    QString sumPlayer_;
    int32_t missesAtDeal_ = 0;
    bool dealt_ = false;
};
