// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QAbstractButton>
#include <QColor>

// A round push button that looks like a lit dome; pressed, it sinks into
// its rim.
class THemisphereButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit THemisphereButton(QWidget* parent = nullptr);
    explicit THemisphereButton(const QString& text, QWidget* parent = nullptr);

    void setFaceColor(const QColor& color);
    QColor faceColor() const { return faceColor_; }

    // Off: a flat disc with a plain rim.
    void setShading(bool on);
    bool shading() const { return shading_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QColor faceColor_{0xE0, 0x30, 0x30};
    bool shading_ = true;
};
