// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_cmental1.h"

#include "app/Accessibility.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "logic/SumDigits.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

const QSize kClient(505, 259);
constexpr int kDigitPixels = 34;
// Where the answer box goes over each blank; the box is at top 18.
constexpr int kBoxLeftFirst = 175;
constexpr int kBoxLeftSecond = 290;
constexpr int kBoxLeftResult = 405;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hint);
    a->setCheckable(true);
    return a;
}

QMenu* AddMenu(QMenu* parent, QMenuBar* bar, const char* name, const QString& caption,
               const QString& hint)
{
    QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    m->menuAction()->setStatusTip(hint);
    return m;
}

void CheckOnly(const QList<QAction*>& items, const QAction* checked)
{
    for (QAction* a : items)
        a->setChecked(a == checked);
}


}  // namespace

TForm_cmental1::TForm_cmental1(QWidget* parent)
    : TExerciseForm(Kind::Cmental1, QStringLiteral("Cálculo mental"), kClient, QColor(0xCC, 0xCC, 0xFF),
                    parent, QStringLiteral("mental.bmp"))
{
    setObjectName(QStringLiteral("TForm_cmental1"));
    SetHelpContext(520);
    SetFirstShowOffset({139, 135});
    SetHint(this, QStringLiteral("Escribir el valor correcto y pulsar el botón 'Comprobación'"));
    // The settings start with the window; the menus' marks show them.
    Mental::CurrentSettings() = Mental::Settings{};
}

void TForm_cmental1::BuildControls()
{
    TExerciseForm::BuildControls();
    // The menu bar lies above the designed client area.
    BuildMenus();
    top_ = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClient.width(), top_);
    setFixedSize(kClient.width(), kClient.height() + top_);

    Image1->setGeometry(10, 20 + top_, 151, 221);
    PlaceCounterBoxes({200, 170 + top_}, {370, 170 + top_});

    Label_sumando1 = MakeDigitLabel("Label_sumando1", {185, 25 + top_, 71, 41}, kDigitPixels);
    Label4 = MakeDigitLabel("Label4", {256, 25 + top_, 39, 41}, kDigitPixels);
    Label4->setText(QStringLiteral("+"));
    Label_sumando2 = MakeDigitLabel("Label_sumando2", {295, 25 + top_, 71, 41}, kDigitPixels);
    Label3 = MakeDigitLabel("Label3", {366, 25 + top_, 44, 41}, kDigitPixels);
    Label3->setText(QStringLiteral("="));
    Label_resultado = MakeDigitLabel("Label_resultado", {410, 25 + top_, 71, 41}, kDigitPixels);

    Memo_res = MakeAnswerBox("Memo_res", {kBoxLeftResult, 18 + top_, 81, 48}, 3, kDigitPixels);
    SetHint(Memo_res, QStringLiteral("Haz clic, si no está el cursor. Aqui escribe el número correcto que falta."));
    Memo_res->raise();

    Color95Button1 = MakeCheckButton("Color95Button1", QStringLiteral("&Comprobación"),
                                     {250, 99 + top_, 186, 51}, QColor(0xCC, 0xCC, 0xFF));
    setTabOrder(Memo_res, Color95Button1);
    connect(Color95Button1, &QPushButton::clicked, this, &TForm_cmental1::Color95Button1Click);

    // Centred on the screen when made; the first showing goes beside the
    // main window.
    const QSize screen = ThePlatform().ScreenSize();
    if (screen.isValid())
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TForm_cmental1::BuildMenus()
{
    using Mental::Blank;
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    M_Sumando1 = AddMenu(nullptr, MainMenu1, "M_Sumando1", QStringLiteral("Sumando &1"),
                         QStringLiteral("Configurar valores del sumando 1"));
    firstBoundItems_ = AddBoundItems(M_Sumando1,
                                     {{"Hasta101", nullptr, 11},
                                      {"Hasta201", nullptr, 21},
                                      {"Hasta301", nullptr, 31},
                                      {"Hasta401", nullptr, 41},
                                      {"Hasta501", nullptr, 51},
                                      {"Hasta701", "Hasta601", 101},
                                      {"sinlimite1", "N1", 251}},
                                     QStringLiteral("Valor elegido al azar, sin límite"),
                                     &TForm_cmental1::ChooseFirstBound);
    QAction** firstMembers[] = {&Hasta101, &Hasta201, &Hasta301, &Hasta401, &Hasta501, &Hasta701, &sinlimite1};
    for (int i = 0; i < firstBoundItems_.size(); ++i)
        *firstMembers[i] = firstBoundItems_[i];

    M_Sumando2 = AddMenu(nullptr, MainMenu1, "M_Sumando2", QStringLiteral("Sumando &2"),
                         QStringLiteral("Configurar valores del sumando 2"));
    Elegidoalazarhasta1 = AddMenu(M_Sumando2, nullptr, "Elegidoalazarhasta1",
                                  QStringLiteral("Elegido al azar, hasta..."),
                                  QStringLiteral("Valor elegido al azar, desde '0'  hasta..."));
    Elegidoalazarhasta1->menuAction()->setCheckable(true);
    secondBoundItems_ = AddBoundItems(Elegidoalazarhasta1,
                                      {{"Hasta102", nullptr, 11},
                                       {"Hasta202", nullptr, 21},
                                       {"Hasta302", nullptr, 31},
                                       {"Hasta402", nullptr, 41},
                                       {"Hasta502", nullptr, 51},
                                       {"Hasta1001", "N2", 101},
                                       {"sinlimite2", "N4", 201}},
                                      QStringLiteral("Valor elegido al azar, sin limite"),
                                      &TForm_cmental1::ChooseSecondBound);
    QAction** secondMembers[] = {&Hasta102, &Hasta202, &Hasta302, &Hasta402, &Hasta502, &Hasta1001, &sinlimite2};
    for (int i = 0; i < secondBoundItems_.size(); ++i)
        *secondMembers[i] = secondBoundItems_[i];
    M_Sumando2->addSeparator()->setObjectName(QStringLiteral("N3"));
    for (int32_t n = 1; n <= Mental::kLargestFixedAddend; ++n) {
        const QString caption = n <= 2 ? QStringLiteral("Valor fijo a  +%1 (tabla de sumar del %1)").arg(n)
                                       : QStringLiteral("Valor fijo a  +%1").arg(n);
        const QByteArray name = "Fijo" + QByteArray::number(n) + "1";
        QAction* item = AddItem(M_Sumando2, name.constData(), caption,
                                QStringLiteral("Valor fijo, como una tabla de sumar, siempre será  '%1'").arg(n));
        connect(item, &QAction::triggered, this, [this, item, n] { ChooseFixedSecond(item, n); });
        fixedItems << item;
    }

    M_Incognita = AddMenu(nullptr, MainMenu1, "M_Incognita", QStringLiteral("&Incógnita"),
                          QStringLiteral("Establecer el elemento a calcular, o lugar de la incógnita"));
    Enelsumando1 = AddItem(M_Incognita, "Enelsumando1", QStringLiteral("En el sumando &1"),
                           QStringLiteral("Establecer el sumando 1 como valor a calcular"));
    Enelsumando2 = AddItem(M_Incognita, "Enelsumando2", QStringLiteral("En el sumando &2"),
                           QStringLiteral("Establecer el sumando 2 como valor a calcular"));
    Enelresultado = AddItem(M_Incognita, "Enelresultado", QStringLiteral("En el &resultado"),
                            QStringLiteral("Establecer el resultado como valor a calcular"));
    blankItems_ = {Enelsumando1, Enelsumando2, Enelresultado};
    connect(Enelsumando1, &QAction::triggered, this, [this] { ChooseBlank(Enelsumando1, Blank::FirstAddend); });
    connect(Enelsumando2, &QAction::triggered, this, [this] { ChooseBlank(Enelsumando2, Blank::SecondAddend); });
    connect(Enelresultado, &QAction::triggered, this, [this] { ChooseBlank(Enelresultado, Blank::Result); });

    Hasta101->setChecked(true);
    Elegidoalazarhasta1->menuAction()->setChecked(true);
    Hasta102->setChecked(true);
    Enelresultado->setChecked(true);
}

QList<QAction*> TForm_cmental1::AddBoundItems(QMenu* menu, std::initializer_list<BoundItem> items,
                                              const QString& unlimitedHint,
                                              void (TForm_cmental1::*choose)(QAction*, int32_t))
{
    QList<QAction*> added;
    for (const BoundItem& b : items) {
        if (b.separatorBefore)
            menu->addSeparator()->setObjectName(QLatin1String(b.separatorBefore));
        const int32_t upTo = b.bound - 1;
        // The last item of each menu is the widest bound, "no limit".
        const bool unlimited = upTo > 100;
        const QString caption = unlimited   ? QStringLiteral("Sin límite")
                                : upTo == 100 ? QStringLiteral("Hasta  100")
                                              : QStringLiteral("Hasta %1").arg(upTo);
        const QString hint = unlimited ? unlimitedHint
                                       : QStringLiteral("Valor elegido al azar, desde '0' hasta '%1'").arg(upTo);
        QAction* item = AddItem(menu, b.name, caption, hint);
        const int32_t bound = b.bound;
        connect(item, &QAction::triggered, this, [this, item, bound, choose] { (this->*choose)(item, bound); });
        added << item;
    }
    return added;
}

void TForm_cmental1::ChooseFirstBound(QAction* item, int32_t bound)
{
    Mental::CurrentSettings().firstBound = bound;
    CheckOnly(firstBoundItems_, item);
    NewSum();
}

void TForm_cmental1::ChooseSecondBound(QAction* item, int32_t bound)
{
    Mental::CurrentSettings().secondSetting = bound;
    CheckOnly(secondBoundItems_, item);
    CheckOnly(fixedItems, nullptr);
    Elegidoalazarhasta1->menuAction()->setChecked(true);
    NewSum();
}

void TForm_cmental1::ChooseFixedSecond(QAction* item, int32_t addend)
{
    Mental::CurrentSettings().secondSetting = addend;
    CheckOnly(fixedItems, item);
    CheckOnly(secondBoundItems_, nullptr);
    Elegidoalazarhasta1->menuAction()->setChecked(false);
    NewSum();
}

void TForm_cmental1::ChooseBlank(QAction* item, Mental::Blank blank)
{
    Mental::CurrentSettings().blank = blank;
    CheckOnly(blankItems_, item);
    NewSum();
}

void TForm_cmental1::NewSum()
{
    EnsureControls();
    StartSum();
    sum_ = Mental::DrawSum(Mental::CurrentSettings());
    int left = kBoxLeftResult;
    switch (Mental::CurrentSettings().blank) {
    case Mental::Blank::FirstAddend: left = kBoxLeftFirst; break;
    case Mental::Blank::SecondAddend: left = kBoxLeftSecond; break;
    case Mental::Blank::Result: left = kBoxLeftResult; break;
    }
    Memo_res->move(left, Memo_res->y());
    // All three are written; the box covers the blank one.
    Label_sumando1->setText(QString::number(sum_.first));
    Label_sumando2->setText(QString::number(sum_.second));
    Label_resultado->setText(QString::number(sum_.result));
    ReportDealt(RowsText());
    Memo_res->clear();
    Memo_res->setFocus();
}

QString TForm_cmental1::RowsText() const
{
    int blank = 2;
    switch (Mental::CurrentSettings().blank) {
    case Mental::Blank::FirstAddend: blank = 0; break;
    case Mental::Blank::SecondAddend: blank = 1; break;
    case Mental::Blank::Result: blank = 2; break;
    }
    return Practice::MentalRowsText({sum_.first, sum_.second, sum_.result, blank});
}

void TForm_cmental1::Color95Button1Click()
{
    if (Memo_res->text().isEmpty()) {
        Memo_res->setFocus();
        return;
    }
    const int32_t typed = ReadAnswer(Memo_res->text());
    ReportKey(Practice::Box::Answer, 0, sum_.answer, typed);
    if (typed == sum_.answer)
        AnswerCorrect();
    else
        AnswerWrong();
}

void TForm_cmental1::AnswerCorrect()
{
    ReportFinished();
    if (celebrate_)
        CelebrateHit();
    celebrate_ = !celebrate_;
    DigitCorrect();
    PassTurnIfAutomatic();
    NewSum();
}

void TForm_cmental1::AnswerWrong() { ScoreWrongAnswer(Memo_res); }
