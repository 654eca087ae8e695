// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TColor95Button;

// The correct-answer notice: 20 points more for every player and the way to
// the bonus window of faces. "&Seguir" is its only way out.
class TForm_Acierto : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Acierto(QWidget* parent = nullptr);

    void FormShow();
    void Color95Button1Click();
    void Button_nuloClick();

    // Neither Escape nor the window manager closes the notice.
    void reject() override;

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    TColor95Button* Color95Button1 = nullptr;
    QPushButton* Button_nulo = nullptr;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    // Reads acierto.bmp into Image1 the first time only; a picture that
    // cannot be read is said then.
    void LoadPicture();
    bool pictureWanted_ = false;
};
