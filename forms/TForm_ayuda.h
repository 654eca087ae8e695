// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The game's own help window, for a computer with no program that opens web
// pages: the help is shown all the same. Not modal, like the help opened in
// a browser, so the exercise window stays in play.
class TForm_ayuda : public QDialog {
    Q_OBJECT
public:
    explicit TForm_ayuda(QWidget* parent = nullptr);

    // Shows a page; a missing one gives a page that says where it should be.
    void ShowPage(const QString& path);

    QTextBrowser* TextBrowser_ayuda = nullptr;
    QPushButton* Button_atras = nullptr;
    QPushButton* Button_indice = nullptr;
    QPushButton* Button_cerrar = nullptr;

private:
    QString index_;
};
