// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_paginas.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "widgets/TxpButton.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QValidator>

namespace {

// Up to maxLength digits 0-9, nothing else. (A regular expression would do,
// but its engine and compiler are then loaded at start-up for two boxes.)
class DigitsValidator : public QValidator {
public:
    DigitsValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override
    {
        if (input.size() > maxLength_)
            return Invalid;
        for (QChar c : input)
            if (c < u'0' || c > u'9')
                return Invalid;
        return Acceptable;
    }

private:
    int maxLength_;
};

QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int w, int h, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(x, y, w, h);
    e->setMaxLength(maxLength);
    // Digits only: a sign or a letter would make no page count or length.
    e->setValidator(new DigitsValidator(maxLength, e));
    return e;
}

constexpr int kSamplePixels = 15;

// The number in an edit box, or a fallback for a text that is no number.
int32_t NumberOr(const QString& text, int32_t fallback)
{
    bool ok = false;
    const int32_t n = text.trimmed().toInt(&ok, 10);
    return ok ? n : fallback;
}

}  // namespace

TForm_paginas::TForm_paginas(QWidget* parent)
    // Above an exercise window, which stays on top too; close box only.
    : TFirstUseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm_paginas"));
    setWindowTitle(QStringLiteral("Número de páginas a imprimir"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 13));
    setFixedSize(467, 322);
}

void TForm_paginas::BuildControls()
{
    const QFont font = this->font();

    Label1 =
        MakeLabel(this, "Label1", QStringLiteral("¿ Cuántas hojas o páginas de cuentas deseas imprimir ?"),
                  16, 16, 360, 24, font, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    Edit1 = MakeEdit(this, "Edit1", 384, 15, 40, 26, 2);
    SetHint(Edit1, QStringLiteral("Número de páginas a crear e imprimir"));
    Label1->setBuddy(Edit1);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("Ejemplo:"), 16, 50, 160, 18, font, Qt::black,
                       Qt::AlignLeft | Qt::AlignVCenter);
    // Blanks line the sample's digits up: a fixed-pitch face.
    Label_ej = MakeLabel(this, "Label_ej", QString(), 16, 70, 170, 134,
                         DesignFont(QStringLiteral("Courier New"), kSamplePixels, true), Qt::black,
                         Qt::AlignHCenter | Qt::AlignTop);
    Label_ej->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackgroundColour(Label_ej, Qt::white);
    SetHint(Label_ej, QStringLiteral("Ejemplo del tipo de cuentas que se imprimirán"));

    GroupBox1 = new QGroupBox(QStringLiteral(" Tamaño zona de impresión  "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(200, 62, 250, 142);
    SetHint(GroupBox1,
            QStringLiteral("Medidas de la zona de impresión, que puede ser menor que tamaño del papel"));
    Label4 = MakeLabel(GroupBox1, "Label4", QStringLiteral("Ancho :"), 10, 36, 70, 24, font, Qt::black,
                       Qt::AlignRight | Qt::AlignVCenter);
    Edit_ancho = MakeEdit(GroupBox1, "Edit_ancho", 84, 35, 50, 26, 4);
    Edit_ancho->setText(QStringLiteral("210"));
    Edit_ancho->setEnabled(false);
    Label5 = MakeLabel(GroupBox1, "Label5", QStringLiteral("mm"), 138, 36, 30, 24, font, Qt::black,
                       Qt::AlignLeft | Qt::AlignVCenter);
    Label6 = MakeLabel(GroupBox1, "Label6", QStringLiteral("Longitud : "), 10, 76, 70, 24, font, Qt::black,
                       Qt::AlignRight | Qt::AlignVCenter);
    Edit_long = MakeEdit(GroupBox1, "Edit_long", 84, 75, 50, 26, 4);
    Label6->setBuddy(Edit_long);
    Label7 = MakeLabel(GroupBox1, "Label7", QStringLiteral("mm"), 138, 76, 30, 24, font, Qt::black,
                       Qt::AlignLeft | Qt::AlignVCenter);
    Label3 = MakeLabel(GroupBox1, "Label3", QString(), 170, 28, 72, 80, font, Qt::black, Qt::AlignCenter);

    GroupBox2 =
        new QGroupBox(QStringLiteral(" Impresión de soluciones para facilitar la corrección  "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(16, 214, 434, 56);
    RadioButton_soluciones =
        new QRadioButton(QStringLiteral("Imprimir soluciones en pie de página"), GroupBox2);
    RadioButton_soluciones->setObjectName(QStringLiteral("RadioButton_soluciones"));
    RadioButton_soluciones->setGeometry(12, 24, 240, 24);
    RadioButton_soluciones->setChecked(true);
    RadioButton_no_soluciones = new QRadioButton(QStringLiteral("No imprimir soluciones"), GroupBox2);
    RadioButton_no_soluciones->setObjectName(QStringLiteral("RadioButton_no_soluciones"));
    RadioButton_no_soluciones->setGeometry(262, 24, 164, 24);

    xpButton1 = new TxpButton(QStringLiteral("&Ver - Imprimir"), this);
    xpButton1->setObjectName(QStringLiteral("xpButton1"));
    xpButton1->setGeometry(110, 280, 130, 32);
    xpButton1->setDefault(true);
    SetHint(xpButton1, QStringLiteral("Previsualización de las páginas creadas para imprimir"));
    xpButton2 = new TxpButton(QStringLiteral("&Cancelar"), this);
    xpButton2->setObjectName(QStringLiteral("xpButton2"));
    xpButton2->setGeometry(256, 280, 110, 32);
    xpButton2->setAutoDefault(false);
    connect(xpButton1, &QPushButton::clicked, this, &TForm_paginas::xpButton1Click);
    connect(xpButton2, &QPushButton::clicked, this, &TForm_paginas::xpButton2Click);
}

TForm_paginas::~TForm_paginas() = default;

void TForm_paginas::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm_paginas::FormShow()
{
    EnsureControls();
    Label3->setText(QStringLiteral("Papel A4\n210 mm\nx\n297 mm"));
    Edit_long->setText(QString::number(printLength / 10));
    Edit1->clear();
    Edit1->setFocus();
    // A tall sample (the mental one) is set smaller rather than cut.
    QFont f = Label_ej->font();
    f.setPixelSize(kSamplePixels);
    const QRect room = Label_ej->contentsRect();
    while (f.pixelSize() > 8 &&
           QFontMetrics(f).boundingRect(room, int(Label_ej->alignment()), Label_ej->text()).height() >
               room.height()) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    Label_ej->setFont(f);
}

bool TForm_paginas::SolutionsWanted() const
{
    // Solutions are chosen until the window says otherwise.
    return !RadioButton_soluciones || RadioButton_soluciones->isChecked();
}

QPrinter* TForm_paginas::Printer()
{
    // Made on first use: asking the print system for its printers takes a while.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return printer_.get();
}

void TForm_paginas::xpButton1Click()
{
    EnsureControls();
    if (!ThePlatform().PrintDialog(Printer(), this)) {
        done(QDialog::Rejected);
        return;
    }
    game.pagesToPrint = NumberOr(Edit1->text(), 0);
    printWidth = NumberOr(Edit_ancho->text(), 210) * 10;
    printLength = NumberOr(Edit_long->text(), 297) * 10;
    done(QDialog::Accepted);
}

void TForm_paginas::xpButton2Click()
{
    game.pagesToPrint = 0;
    done(QDialog::Rejected);
}
