#include "parameters/frmPodaci.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/startup/CompanyData.h"
#include "employees/CodeListPickers.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {

using ui::operator""_q;

namespace {
constexpr int BoxWidthInCharacters = 40;
}

frmPodaci::frmPodaci(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context) {
    setObjectName(QStringLiteral("frmPodaci"));
    setWindowTitle("Podaci o firmi"_q);
    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);

    txtNaziv = addBox("txtNaziv", "Naziv firme:"_q);
    txtAdresa = addBox("txtAdresa", "Adresa:"_q);
    txtGrad = addBox("txtGrad", "Mesto:"_q);
    cmbOpstina = new QComboBox(this);
    cmbOpstina->setObjectName(QStringLiteral("cmbOpstina"));
    form_->addRow("Op{tina:"_q, cmbOpstina);
    txtMaticni = addBox("txtMaticni", "Mati~ni broj:"_q);
    txtRegistracioni = addBox("txtRegistracioni", "Registracioni broj:"_q);
    txtPIB = addBox("txtPIB", "PIB:"_q);
    txtSifra = addBox("txtSifra", "[ifra delatnosti:"_q);
    txtPDV = addBox("txtPDV", "PDV broj:"_q);
    txtZiroRacun = addBox("txtZiroRacun", "@iro ra~un:"_q);
    txtBanka = addBox("txtBanka", "Banka:"_q);
    txtTelefon = addBox("txtTelefon", "Telefon:"_q);
    txtVlasnik = addBox("txtVlasnik", "Direktor (vlasnik):"_q);
    txtJMBG = addBox("txtJMBG", "JMBG vlasnika:"_q);

    cmdSnimi = new QPushButton(QStringLiteral("Snimi"), this);
    cmdSnimi->setObjectName(QStringLiteral("cmdSnimi"));
    cmdSnimi->setDefault(true);
    cmdIzlaz = new QPushButton(QStringLiteral("Izlaz"), this);
    cmdIzlaz->setObjectName(QStringLiteral("cmdIzlaz"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSnimi);
    buttons->addWidget(cmdIzlaz);
    layout->addLayout(buttons);

    employees::fillMunicipalityPicker(*cmbOpstina, *context_.PayrollDb);
    employees::pickNumber(*cmbOpstina, startup::companyMunicipality(*context_.PayrollDb));
    const startup::CompanyData company =
        startup::readCompanyData(*context_.CompanyMasterDb).value_or(startup::CompanyData{});
    txtNaziv->setText(ui::toQ(company.Naziv));
    txtAdresa->setText(ui::toQ(company.ADRESA));
    txtGrad->setText(ui::toQ(company.grad));
    txtMaticni->setText(ui::toQ(company.maticni));
    txtRegistracioni->setText(ui::toQ(company.registracioni));
    txtPIB->setText(ui::toQ(company.PIB));
    txtSifra->setText(ui::toQ(company.SIFRA));
    txtPDV->setText(ui::toQ(company.pdv));
    txtZiroRacun->setText(ui::toQ(company.ziroracun));
    txtBanka->setText(ui::toQ(company.banka));
    txtTelefon->setText(ui::toQ(company.telefon));
    txtVlasnik->setText(ui::toQ(company.vlasnik));
    txtJMBG->setText(ui::toQ(company.JMBG));

    connect(cmdSnimi, &QPushButton::clicked, this, [this] {
        ui::guarded(this, "frmPodaci.cmdSnimi_Click", [this] { cmdSnimi_Click(); });
    });
    connect(cmdIzlaz, &QPushButton::clicked, this, &QDialog::reject);
    ui::SelectAllOnFocus::installAll(this);
    txtNaziv->setFocus();
}

QLineEdit* frmPodaci::addBox(const char* name, const QString& caption) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                         BoxWidthInCharacters);
    form_->addRow(caption, box);
    return box;
}

void frmPodaci::cmdSnimi_Click() {
    startup::CompanyData typed;
    typed.Naziv = ui::fromQ(txtNaziv->text());
    typed.ADRESA = ui::fromQ(txtAdresa->text());
    typed.grad = ui::fromQ(txtGrad->text());
    typed.maticni = ui::fromQ(txtMaticni->text());
    typed.registracioni = ui::fromQ(txtRegistracioni->text());
    typed.PIB = ui::fromQ(txtPIB->text());
    typed.SIFRA = ui::fromQ(txtSifra->text());
    typed.pdv = ui::fromQ(txtPDV->text());
    typed.ziroracun = ui::fromQ(txtZiroRacun->text());
    typed.banka = ui::fromQ(txtBanka->text());
    typed.telefon = ui::fromQ(txtTelefon->text());
    typed.vlasnik = ui::fromQ(txtVlasnik->text());
    typed.JMBG = ui::fromQ(txtJMBG->text());

    if (const auto fault = startup::saveCompanyData(*context_.CompanyMasterDb, typed)) {
        ui::showRefusal(this, fault->refusal);
        QLineEdit* const boxes[] = {txtNaziv, txtMaticni, txtPIB, txtZiroRacun};
        boxes[static_cast<int>(fault->field)]->setFocus();
        return;
    }
    startup::storeCompanyMunicipality(*context_.PayrollDb, employees::pickedNumber(*cmbOpstina));
    if (const auto stored = startup::readCompanyData(*context_.CompanyMasterDb))
        context_.CompanyAddress = stored->ADRESA + ", " + stored->grad;
    accept();
}

} // namespace zarion::parameters
