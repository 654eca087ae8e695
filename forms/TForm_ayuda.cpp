// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_ayuda.h"

#include "app/Accessibility.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TForm_ayuda::TForm_ayuda(QWidget* parent)
    // Above the exercise windows, which stay on top too.
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm_ayuda"));
    setWindowTitle(QStringLiteral("Ayuda de Cifrolo"));
    resize(820, 640);

    TextBrowser_ayuda = new QTextBrowser(this);
    TextBrowser_ayuda->setObjectName(QStringLiteral("TextBrowser_ayuda"));
    // Links to other sites go to the browser, if there is one.
    TextBrowser_ayuda->setOpenExternalLinks(true);
    Button_atras = MakeButton(this, "Button_atras", QStringLiteral("< &Atrás"));
    Button_indice = MakeButton(this, "Button_indice", QStringLiteral("Í&ndice"));
    Button_cerrar = MakeButton(this, "Button_cerrar", QStringLiteral("&Cerrar"));
    Button_atras->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_atras);
    buttons->addWidget(Button_indice);
    buttons->addStretch();
    buttons->addWidget(Button_cerrar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(TextBrowser_ayuda);

    connect(Button_atras, &QPushButton::clicked, TextBrowser_ayuda, &QTextBrowser::backward);
    connect(TextBrowser_ayuda, &QTextBrowser::backwardAvailable, Button_atras, &QPushButton::setEnabled);
    connect(Button_indice, &QPushButton::clicked, this, [this] { ShowPage(index_); });
    connect(Button_cerrar, &QPushButton::clicked, this, &QDialog::close);

    PublishControlNames(this);
}

void TForm_ayuda::ShowPage(const QString& path)
{
    index_ = path;
    if (QFileInfo(path).isFile()) {
        TextBrowser_ayuda->setSource(QUrl::fromLocalFile(path));
    } else {
        TextBrowser_ayuda->setHtml(
            QStringLiteral("<h2>No se encuentra la ayuda</h2>"
                           "<p>La ayuda de Cifrolo debería estar en el archivo:</p><p><tt>%1</tt></p>"
                           "<p>Si se ha borrado, puede copiarse de nuevo desde los archivos instalados "
                           "del juego (normalmente <tt>/usr/share/cifrolo/juego/ayuda</tt>).</p>")
                .arg(path.toHtmlEscaped()));
    }
}
