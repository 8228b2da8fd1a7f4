#include "ui/frmLogin.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/startup/DatabaseDoor.h"
#include "core/startup/Operators.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::ui {

frmLogin::frmLogin(AppContext& context, db::Database& registerDb, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , register_(registerDb)
    , txtKorisnicko_(new QLineEdit(this))
    , txtPas_(new QLineEdit(this))
    , txtGodina_(new QSpinBox(this)) {
    setObjectName("frmLogin");
    setWindowTitle("Zarion - prijava"_q);

    txtKorisnicko_->setObjectName("txtKorisnicko");
    txtPas_->setObjectName("txtPas");
    txtPas_->setEchoMode(QLineEdit::Password);
    // The year box carries its own up and down arrows, one year a click.
    txtGodina_->setObjectName("txtGodina");
    txtGodina_->setRange(1990, 2999);
    txtGodina_->setValue(context_.clock.today().year);
    SelectAllOnFocus::installAll(this);

    auto* cmdOK = new QPushButton("Start"_q, this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* cmdIZlaz = new QPushButton("Izlaz"_q, this);
    cmdIZlaz->setObjectName("cmdIZlaz");
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOKClick);
    connect(cmdIZlaz, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow("Korisni~ko ime:"_q, txtKorisnicko_);
    form->addRow("Lozinka:"_q, txtPas_);
    form->addRow("Godina:"_q, txtGodina_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdIZlaz);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

frmLogin::~frmLogin() = default;

void frmLogin::cmdOKClick() {
    std::variant<startup::Operator, startup::SignInRefused> outcome;
    try {
        // signing in may store the password's new hash
        outcome = startup::signIn(register_, fromQ(txtKorisnicko_->text()), fromQ(txtPas_->text()));
    } catch (const std::exception& failure) {
        showRefusal(this, startup::databaseRefusal(register_.path(), failure));
        return;
    }
    if (const auto* refused = std::get_if<startup::SignInRefused>(&outcome)) {
        message(this, toQ(refused->message), Icon::Critical);
        return;
    }
    const auto& op = std::get<startup::Operator>(outcome);
    context_.OperatorId = op.id;
    context_.OperatorName = op.name;
    context_.OperatorSurname = op.surname;
    context_.OperatorLk = op.lk;
    context_.OperatorOlId = op.olId;
    context_.ReceiptPrinter = op.receiptPrinter;
    context_.CompanyAccess = op.companyAccess;
    context_.WorkYear = txtGodina_->value();
    accept();
}

} // namespace zarion::ui
