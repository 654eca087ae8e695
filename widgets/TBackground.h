// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QColor>
#include <QWidget>

// A left-to-right two-colour gradient that covers its parent (inside the
// parent's frame, if it has one), lies under the parent's other children
// and lets every click through to the parent.
class TBackground : public QWidget {
    Q_OBJECT
public:
    explicit TBackground(QWidget* parent);

    void setColors(const QColor& from, const QColor& to);
    QColor fromColor() const { return from_; }
    QColor toColor() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void followParent();

    QColor from_{0x00, 0x80, 0xFF};
    QColor to_{0x00, 0x42, 0x84};
    QWidget* watched_ = nullptr;
};
