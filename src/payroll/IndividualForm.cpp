#include "payroll/IndividualForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "core/Text.h"
#include "payroll/CalculationCaptions.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::payroll {

using namespace ui;

void DoubleClickBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClick)
        onDoubleClick();
    event->accept();
}

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QLineEdit* box(QWidget* parent, const char* name, bool readOnly = false) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(readOnly);
    return edit;
}

QLabel* label(QWidget* parent, const char* name) {
    return named(new QLabel(parent), name);
}

// Adds caption / box pairs to a grid, `perRow` pairs to a row.
void addPairs(QGridLayout* grid, const std::vector<std::pair<const char*, QWidget*>>& pairs,
              int perRow) {
    int i = 0;
    for (const auto& [caption, widget] : pairs) {
        grid->addWidget(new QLabel(toQ(yuscii(caption)), widget->parentWidget()), i / perRow,
                        (i % perRow) * 2);
        grid->addWidget(widget, i / perRow, (i % perRow) * 2 + 1);
        ++i;
    }
}

// Adds caption / box pairs for columns of the calculation: the operator's caption, the column's
// name as the tooltip of both.
void addColumns(QGridLayout* grid, const std::vector<std::pair<const char*, QWidget*>>& pairs,
                int perRow) {
    int i = 0;
    for (const auto& [column, widget] : pairs) {
        auto* caption = new QLabel(toQ(columnCaption(column)) + ":", widget->parentWidget());
        caption->setToolTip(column);
        widget->setToolTip(column);
        grid->addWidget(caption, i / perRow, (i % perRow) * 2);
        grid->addWidget(widget, i / perRow, (i % perRow) * 2 + 1);
        ++i;
    }
}

} // namespace

void buildIndividualForm(QWidget* window, IndividualForm& c) {
    c.lblMesec = label(window, "lblMesec");
    c.lblGodina = label(window, "lblGodina");
    c.lblVrsta = label(window, "lblVrsta");
    c.lblTip = label(window, "lblTip");
    c.lblTipBroj = label(window, "lblTipBroj");
    c.cmdTip = named(new QPushButton("Tip obra~una..."_q, window), "cmdTip");
    c.listZ = ui::makeList(window, "listZ", {"Prezime i ime"_q, "ID"_q});
    c.listZ->setColumnWidth(0, 190);
    ui::offerPopUpMenu(c.listZ);
    c.cmdCheck = named(new QPushButton("Obele`i sve"_q, window), "cmdCheck");
    c.cmdUnCheck = named(new QPushButton("Poni{ti sve"_q, window), "cmdUnCheck");
    c.cmdSviODjednom = named(new QPushButton("Knji`i sve obele`ene"_q, window), "cmdSviODjednom");

    auto* fraRadnik = named(new QGroupBox("Radnik"_q, window), "fraRadnik");
    c.txtID_Radnik = box(fraRadnik, "txtID_Radnik");
    c.lblPrezime = label(fraRadnik, "lblPrezime");
    c.lblIme = label(fraRadnik, "lblIme");
    c.lblJMBG = label(fraRadnik, "lblJMBG");
    c.lblRadnoMesto = label(fraRadnik, "lblRadnoMesto");
    c.lblKoeficijent = label(fraRadnik, "lblKoeficijent");
    c.lblStaz = label(fraRadnik, "lblStaz");
    c.lblDatum = label(fraRadnik, "lblDatum");
    c.lblTekuciRacun = label(fraRadnik, "lblTekuciRacun");
    c.chkIsplataPrekoRacuna =
        named(new QCheckBox("Isplata preko ra~una"_q, fraRadnik), "chkIsplataPrekoRacuna");
    c.chkVlasnik = named(new QCheckBox("Vlasnik"_q, fraRadnik), "chkVlasnik");
    for (QCheckBox* check : {c.chkIsplataPrekoRacuna, c.chkVlasnik})
        check->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* header = new QGridLayout(fraRadnik);
    addPairs(header,
             {{"ID radnika:", c.txtID_Radnik},
              {"Prezime:", c.lblPrezime},
              {"Ime:", c.lblIme},
              {"JMBG:", c.lblJMBG},
              {"Radno mesto:", c.lblRadnoMesto},
              {"Koeficijent:", c.lblKoeficijent},
              {"Prethodni sta`:", c.lblStaz},
              {"Datum zaposlenja:", c.lblDatum},
              {"Teku}i ra~un:", c.lblTekuciRacun}},
             3);
    header->addWidget(c.chkIsplataPrekoRacuna, 3, 1);
    header->addWidget(c.chkVlasnik, 3, 3);
    c.lblPredat = ui::filedNoteLabel(fraRadnik);
    header->addWidget(c.lblPredat, 4, 0, 1, -1);

    auto* fraStope = named(new QGroupBox("Stope i iznosi meseca"_q, window), "fraStope");
    c.txtPIO = new DoubleClickBox(fraStope, "txtPIO");
    c.txtPIO_F = new DoubleClickBox(fraStope, "txtPIO_F");
    c.txtZO = new DoubleClickBox(fraStope, "txtZO");
    c.txtZO_F = new DoubleClickBox(fraStope, "txtZO_F");
    c.txtNEZ = new DoubleClickBox(fraStope, "txtNEZ");
    c.txtNEZ_F = new DoubleClickBox(fraStope, "txtNEZ_F");
    c.txtNeoporezivi = new DoubleClickBox(fraStope, "txtNeoporezivi");
    c.txtPorez = new DoubleClickBox(fraStope, "txtPorez");
    c.txtProsek = new DoubleClickBox(fraStope, "txtProsek");
    c.lblM4 = new DoubleClickBox(fraStope, "lblM4");
    addPairs(new QGridLayout(fraStope),
             {{"PIO radnik %:", c.txtPIO},
              {"ZO radnik %:", c.txtZO},
              {"NEZ radnik %:", c.txtNEZ},
              {"Porez %:", c.txtPorez},
              {"PIO poslodavac %:", c.txtPIO_F},
              {"ZO poslodavac %:", c.txtZO_F},
              {"NEZ poslodavac %:", c.txtNEZ_F},
              {"Neoporezivi deo:", c.txtNeoporezivi},
              {"Prose~na bruto po satu:", c.txtProsek},
              {"M4:", c.lblM4}},
             4);
    // the rates are those of the month's parameters, named as the table names them
    const std::pair<QWidget*, const char*> rateColumns[] = {
        {c.txtPIO, "Doprinosi_PIO"},
        {c.txtZO, "Doprinosi_zo"},
        {c.txtNEZ, "doprinosi_nezaposlenost"},
        {c.txtPorez, "porez_zarade"},
        {c.txtPIO_F, "Doprinosi_PIO_F"},
        {c.txtZO_F, "Doprinosi_zo_F"},
        {c.txtNEZ_F, "doprinosi_nezaposlenost_f"},
        {c.txtNeoporezivi, "Oslobodjenje"},
        {c.txtProsek, "prosek_3_meseca"},
        {c.lblM4, "m4dani"}};
    for (const auto& [widget, column] : rateColumns)
        widget->setToolTip(column);

    auto* fraSati = named(new QGroupBox("Sati i iznosi"_q, window), "fraSati");
    auto* hours = new QGridLayout(fraSati);
    // A row of the element whose amount is in the column, with its hours box when it has one.
    const auto hourRow = [&](int row, const char* column, QLineEdit*& h, const char* hName,
                             const char* hoursColumn, QLineEdit* amount) {
        auto* caption = new QLabel(toQ(payslipWords(column)) + ":", fraSati);
        caption->setToolTip(column);
        hours->addWidget(caption, row, 0);
        if (hName) {
            h = box(fraSati, hName);
            h->setToolTip(hoursColumn);
            hours->addWidget(h, row, 1);
        }
        amount->setToolTip(column);
        hours->addWidget(amount, row, 2);
    };
    c.txtOsnovnaIznos = box(fraSati, "txtOsnovnaIznos", true);
    c.txtProduzeniIznos = box(fraSati, "txtProduzeniIznos", true);
    c.txtNocniIznos = box(fraSati, "txtNocniIznos", true);
    c.txtPraznikIznos = box(fraSati, "txtPraznikIznos", true);
    c.txtNedeljaIznos = box(fraSati, "txtNedeljaIznos", true);
    c.txtBolovanje65Iznos = box(fraSati, "txtBolovanje65Iznos", true);
    c.txtBolovanje100Iznos = box(fraSati, "txtBolovanje100Iznos", true);
    c.txtGodisnjiIznos = new DoubleClickBox(fraSati, "txtGodisnjiIznos");
    c.txtMinuliIznos = new DoubleClickBox(fraSati, "txtMinuliIznos");
    hours->addWidget(new QLabel("Sati"_q, fraSati), 0, 1);
    hours->addWidget(new QLabel("Iznos"_q, fraSati), 0, 2);
    hourRow(1, "osnovna_bruto", c.txtBrojSati, "txtBrojSati", "broj_sati", c.txtOsnovnaIznos);
    hourRow(2, "produzeni_rad_i", c.txtProduzeni, "txtProduzeni", "produzeni_rad_s",
            c.txtProduzeniIznos);
    hourRow(3, "nocni_rad_i", c.txtNocni, "txtNocni", "nocni_rad_s", c.txtNocniIznos);
    hourRow(4, "rad_na_praznik_i", c.txtPraznik, "txtPraznik", "rad_na_praznik_s",
            c.txtPraznikIznos);
    hourRow(5, "rad_nedeljom_i", c.txtNedelja, "txtNedelja", "rad_nedeljom_s", c.txtNedeljaIznos);
    hourRow(6, "bolovnje65_i", c.txtBolovanje65, "txtBolovanje65", "bolovnje65_s",
            c.txtBolovanje65Iznos);
    hourRow(7, "bolovanje100_i", c.txtBolovanje100, "txtBolovanje100", "bolovanje100_s",
            c.txtBolovanje100Iznos);
    hourRow(8, "godisnji_i", c.txtGodisnji, "txtGodisnji", "godisnji_s", c.txtGodisnjiIznos);
    QLineEdit* none = nullptr;
    hourRow(9, "minuli_rad", none, nullptr, nullptr, c.txtMinuliIznos);
    c.txtTopliObrok = box(fraSati, "txtTopliObrok");
    c.txtRegres = box(fraSati, "txtRegres");
    c.txtFiksna = box(fraSati, "txtFiksna");
    c.txtStimulacije = box(fraSati, "txtStimulacije");
    c.txtOsnovnaBruto = box(fraSati, "txtOsnovnaBruto");
    c.txtOsnovnaNeto = new DoubleClickBox(fraSati, "txtOsnovnaNeto");
    hourRow(10, "topli_obrok", none, nullptr, nullptr, c.txtTopliObrok);
    hourRow(11, "regres", none, nullptr, nullptr, c.txtRegres);
    hourRow(12, "fiksna_plata", none, nullptr, nullptr, c.txtFiksna);
    hourRow(13, "stimulacije", none, nullptr, nullptr, c.txtStimulacije);
    hours->addWidget(new QLabel("Osnovna BRUTO:"_q, fraSati), 14, 0);
    hours->addWidget(c.txtOsnovnaBruto, 14, 2);
    hours->addWidget(new QLabel("Osnovna NETO:"_q, fraSati), 15, 0);
    hours->addWidget(c.txtOsnovnaNeto, 15, 2);
    c.txtOsnovnaNeto->setToolTip("osnovna_neto");

    auto* fraObracun = named(new QGroupBox("Obra~un"_q, window), "fraObracun");
    c.txtBruto = box(fraObracun, "txtBruto", true);
    c.txtPorezIznos = box(fraObracun, "txtPorezIznos", true);
    c.txtPIOIznos = box(fraObracun, "txtPIOIznos", true);
    c.txtZOIznos = box(fraObracun, "txtZOIznos", true);
    c.txtNEZIznos = box(fraObracun, "txtNEZIznos", true);
    c.txtUkupnoDoprinosa = box(fraObracun, "txtUkupnoDoprinosa", true);
    c.txtNeto = box(fraObracun, "txtNeto");
    c.txtPIO_FIznos = box(fraObracun, "txtPIO_FIznos", true);
    c.txtZO_FIznos = box(fraObracun, "txtZO_FIznos", true);
    c.txtNEZ_FIznos = box(fraObracun, "txtNEZ_FIznos", true);
    c.txtUkupnoDoprinosaF = box(fraObracun, "txtUkupnoDoprinosaF", true);
    c.txtUkupnaObaveza = box(fraObracun, "txtUkupnaObaveza", true);
    auto* figures = new QGridLayout(fraObracun);
    addColumns(figures,
               {{"BRUTO", c.txtBruto},
                {"Doprinosi_PIO_F", c.txtPIO_FIznos},
                {"porez_na_zaradu", c.txtPorezIznos},
                {"Doprinosi_zo_F", c.txtZO_FIznos},
                {"Doprinosi_PIO", c.txtPIOIznos},
                {"doprinosi_nezaposlenost_f", c.txtNEZ_FIznos},
                {"Doprinosi_zo", c.txtZOIznos},
                {"ukupno_doprinosa_F", c.txtUkupnoDoprinosaF},
                {"doprinosi_nezaposlenost", c.txtNEZIznos},
                {"ukupno_obaveza", c.txtUkupnaObaveza},
                {"ukupno_doprinosa", c.txtUkupnoDoprinosa},
                {"NETO", c.txtNeto}},
               2);
    const char* roNames[] = {"txtRO1", "txtRO2", "txtRO3"};
    const char* roColumns[] = {"doprinosi_ro_f", "doprinosi_ro_f2", "doprinosi_ro_f3"};
    for (int i = 0; i < 3; ++i) {
        c.lblRO[i] = new QLabel(fraObracun);
        c.txtRO[i] = box(fraObracun, roNames[i], true);
        c.txtRO[i]->setToolTip(roColumns[i]);
        figures->addWidget(c.lblRO[i], 6 + i, 2);
        figures->addWidget(c.txtRO[i], 6 + i, 3);
    }

    auto* fraIsplata = named(new QGroupBox("Isplata"_q, window), "fraIsplata");
    c.listObustave = ui::makeList(fraIsplata, "listObustave", {"Obustava"_q, "Iznos"_q});
    c.listObustave->setColumnWidth(0, 170);
    c.lblObustaveUkupno = label(fraIsplata, "lblObustaveUkupno");
    c.txtZaIsplatu = box(fraIsplata, "txtZaIsplatu", true);
    c.txtNaRuke = box(fraIsplata, "txtNaRuke");
    c.cmdNetoMetod = named(new QPushButton("Za isplatu"_q, fraIsplata), "cmdNetoMetod");
    auto* payout = new QGridLayout(fraIsplata);
    payout->addWidget(c.listObustave, 0, 0, 1, 4);
    payout->addWidget(new QLabel("Ukupno obustave:"_q, fraIsplata), 1, 0);
    payout->addWidget(c.lblObustaveUkupno, 1, 1);
    payout->addWidget(c.cmdNetoMetod, 1, 2);
    payout->addWidget(c.txtZaIsplatu, 1, 3);
    payout->addWidget(new QLabel("Na ruke:"_q, fraIsplata), 2, 2);
    payout->addWidget(c.txtNaRuke, 2, 3);

    auto* fraAkontacije = named(new QGroupBox("Akontacije"_q, window), "fraAkontacije");
    c.listAkontacije =
        ui::makeList(fraAkontacije, "listAkontacije", {"Datum"_q, "NETO"_q, "[ifra isplate"_q});
    c.listAkontacije->headerItem()->setToolTip(2, "ID_OOz");
    c.lblAkontacijeUkupno = label(fraAkontacije, "lblAkontacijeUkupno");
    c.cmdAkontPLus = named(new QPushButton("+"_q, fraAkontacije), "cmdAkontPLus");
    c.cmdAkonMinus = named(new QPushButton("-"_q, fraAkontacije), "cmdAkonMinus");
    auto* advances = new QGridLayout(fraAkontacije);
    advances->addWidget(c.listAkontacije, 0, 0, 1, 4);
    advances->addWidget(c.cmdAkontPLus, 1, 0);
    advances->addWidget(c.cmdAkonMinus, 1, 1);
    advances->addWidget(new QLabel("Ukupno:"_q, fraAkontacije), 1, 2);
    advances->addWidget(c.lblAkontacijeUkupno, 1, 3);

    c.cmdObracun = named(new QPushButton("Obra~unaj"_q, window), "cmdObracun");
    c.cmdIzNEto = named(new QPushButton("Obra~un iz NETO"_q, window), "cmdIzNEto");
    c.cmdKnkjizi = named(new QPushButton("Knji`i"_q, window), "cmdKnkjizi");

    auto* left = new QVBoxLayout;
    auto* period = new QHBoxLayout;
    period->addWidget(c.lblMesec);
    period->addWidget(new QLabel("/", window));
    period->addWidget(c.lblGodina);
    period->addStretch();
    period->addWidget(c.lblVrsta);
    left->addLayout(period);
    left->addWidget(c.listZ, 1);
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(c.cmdCheck);
    ticks->addWidget(c.cmdUnCheck);
    left->addLayout(ticks);
    left->addWidget(c.cmdSviODjednom);

    auto* kind = new QHBoxLayout;
    kind->addWidget(c.lblTip);
    kind->addWidget(c.lblTipBroj);
    kind->addWidget(c.cmdTip);
    kind->addStretch();
    QFont bold = c.lblTip->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    c.lblTip->setFont(bold);

    auto* middle = new QVBoxLayout;
    middle->addLayout(kind);
    middle->addWidget(fraRadnik);
    middle->addWidget(fraStope);
    auto* work = new QHBoxLayout;
    work->addWidget(fraSati);
    auto* right = new QVBoxLayout;
    right->addWidget(fraObracun);
    right->addWidget(fraIsplata);
    right->addWidget(fraAkontacije);
    work->addLayout(right, 1);
    middle->addLayout(work, 1);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(c.cmdObracun);
    commands->addWidget(c.cmdIzNEto);
    commands->addWidget(c.cmdKnkjizi);
    middle->addLayout(commands);

    auto* layout = new QHBoxLayout(window);
    layout->addLayout(left);
    layout->addLayout(middle, 1);
}

} // namespace zarion::payroll
