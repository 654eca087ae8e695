// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// A push button with a coloured, shaded face. QPushButton keeps the
// behaviour (clicks, keyboard, '&' mnemonics); only the face is ours.
class TColor95Button : public QPushButton {
    Q_OBJECT
public:
    enum class GradientStyle { None, Vertical, Horizontal };

    explicit TColor95Button(QWidget* parent = nullptr);
    explicit TColor95Button(const QString& text, QWidget* parent = nullptr);

    void setFaceColor(const QColor& color);
    QColor faceColor() const { return faceColor_; }

    void setGradientStyle(GradientStyle style);
    GradientStyle gradientStyle() const { return gradientStyle_; }

    // Optional glyph drawn to the left of the caption.
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }

    // The face brightens while the mouse is over the button.
    void setHotTrack(bool on);
    bool hotTrack() const { return hotTrack_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    // The picture, or else the icon that QPushButton was given.
    QPixmap glyph() const;

    QColor faceColor_{0x89, 0xB8, 0xEB};
    GradientStyle gradientStyle_ = GradientStyle::Vertical;
    QPixmap picture_;
    bool hotTrack_ = true;
};
